// Every window of the demo workspace in English shows no German text of ours,
// and in German no English one: each visible text is a text of the chosen
// language's translation table, and every text the windows look up has its
// row there. A new window joins the check with one line in windowCases().

#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "app/DemoWorkspace.h"
#include "app/Startup.h"
#include "app/gui/MainFrame.h"
#include "app/gui/Procedures.h"
#include "app/gui/QtPrompter.h"
#include "app/gui/WindowModules.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "data/FileServices.h"
#include "data/Tables.h"
#include "documents/MailingFile.h"
#include "exchange/ExchangeFile.h"
#include "i18n/TranslationFile.h"
#include "mail/gui/PasswordDialog.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "ui/browse/FormRequest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <sstream>

using namespace velkora;
namespace procedures = velkora::app::procedures;

namespace {

// A text as the tables hold it and a window shows it: without the accelerator
// marker, the colon of prompts and the mark of a new record's title.
QString normalised(QString text) {
    text.replace("&&", "\x01").remove('&').replace("\x01", "&");
    text = text.trimmed();
    if (text.startsWith("* "))
        text.remove(0, 2);
    if (text.size() > 1 && (text[0] == '>' || text[0] == '<') && text[1].isLetter())
        text.remove(0, 1); // the sort column's marker
    while (text.endsWith(':'))
        text.chop(1);
    // A file's name in brackets after a title is no text of the table.
    text.remove(QRegularExpression(R"( \[[^\]]*\]$)"));
    // Nor is the year after a month's name (the calendar's title).
    text.remove(QRegularExpression(R"( \d{4}$)"));
    return text.trimmed();
}

bool hasLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// The texts, tips and messages of a translation seed of the demo workspace.
std::set<QString> seedTexts(const char* seed) {
    std::ifstream in(test::sourceDir() + "/resources/demo/seed/" + seed);
    std::set<QString> texts;
    std::string line;
    std::getline(in, line); // the field names
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            fields.push_back(cell);
        fields.resize(4);
        for (int field : {1, 2, 3}) // TRLTXT, TRLMSG, TRLTIP
            if (!fields[field].empty())
                texts.insert(normalised(QString::fromStdString(fields[field])));
    }
    return texts;
}

// The values of the work file: the user's own lists and labels, shown as they are.
std::set<QString> workFileValues(const std::string& file) {
    std::ifstream in(file);
    std::set<QString> values;
    for (std::string line; std::getline(in, line);)
        if (const auto equals = line.find('='); equals != std::string::npos && line[0] != ';')
            values.insert(normalised(QString::fromStdString(line.substr(equals + 1))));
    return values;
}

// The translation file, noting every key asked for that it lacks.
class RecordingTable : public i18n::TranslationTable {
public:
    RecordingTable(std::unique_ptr<i18n::TranslationTable> file, std::set<std::string>& missing)
        : file_(std::move(file)), missing_(missing) {}
    std::optional<i18n::TranslationRecord> get(const std::string& key) override {
        auto record = file_->get(key);
        if (!record)
            missing_.insert(key);
        return record;
    }
    bool add(const i18n::TranslationRecord& record) override { return file_->add(record); }

private:
    std::unique_ptr<i18n::TranslationTable> file_;
    std::set<std::string>& missing_;
};

// One text a window shows, and where.
struct Shown {
    QString where;
    QString text;
    bool data = false; // a control showing a value, not a design text
};

bool showsData(const QObject* control) {
    const QVariant type = control->property("velkoraControlType");
    if (type.isValid())
        return type.toInt() == 1;
    const QString name = control->objectName();
    return name.contains(':') && !name.endsWith(":PROMPT", Qt::CaseInsensitive);
}

// Hidden by the program (not merely on another page of a sheet), or part of
// a child window that is checked on its own.
bool notOfThisWindow(const QWidget* w, const QWidget* window) {
    for (; w && w != window; w = w->parentWidget())
        if ((w->isHidden() && !qobject_cast<QStackedWidget*>(w->parentWidget())) || w->inherits("QMdiArea"))
            return true;
    return false;
}

QString describe(const QObject* o, const char* what) {
    return QString("%1 %2 (%3)").arg(o->metaObject()->className(), o->objectName(), what);
}

void addAction(std::vector<Shown>& shown, const QAction* action) {
    if (action->isSeparator())
        return;
    shown.push_back({describe(action, "text"), action->text()});
    // Without a tip of its own an action shows its text without "&" and "...".
    if (action->toolTip() != QString(action->text()).remove("...").remove('&').trimmed())
        shown.push_back({describe(action, "tooltip"), action->toolTip()});
    if (action->menu())
        for (const QAction* sub : action->menu()->actions())
            addAction(shown, sub);
}

// Everything of `window` a user reads: title, labels, buttons, check boxes,
// groups, tabs, list headings, tooltips, menus and toolbars.
std::vector<Shown> visibleTexts(QWidget* window) {
    std::vector<Shown> shown{{describe(window, "title"), window->windowTitle()}};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (notOfThisWindow(w, window))
            continue;
        const bool data = showsData(w);
        if (!w->toolTip().isEmpty())
            shown.push_back({describe(w, "tooltip"), w->toolTip(), data});
        if (auto* label = qobject_cast<QLabel*>(w))
            shown.push_back({describe(w, "text"), label->text(), data});
        else if (auto* tool = qobject_cast<QToolButton*>(w); tool && tool->defaultAction())
            continue; // its action is read with the toolbar
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            shown.push_back({describe(w, "text"), button->text(), data});
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            shown.push_back({describe(w, "title"), group->title(), data});
        else if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                shown.push_back({describe(w, "tab"), tabs->tabText(i)});
        else if (auto* view = qobject_cast<QAbstractItemView*>(w);
                 view && view->model() && !qobject_cast<QHeaderView*>(w))
            for (int c = 0; c < view->model()->columnCount(); ++c)
                shown.push_back(
                    {describe(w, "heading"), view->model()->headerData(c, Qt::Horizontal).toString()});
        else if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (const QAction* action : bar->actions())
                addAction(shown, action);
        else if (auto* toolBar = qobject_cast<QToolBar*>(w))
            for (const QAction* action : toolBar->actions())
                addAction(shown, action);
    }
    return shown;
}

// A window opened in the demo workspace, checked while it is open.
using Check = std::function<void(QWidget*)>;
using Opener = std::function<void(app::MainFrame&, const Check&)>;
struct WindowCase {
    const char* name;
    Opener open;
};

Opener frameItself() {
    return [](app::MainFrame& frame, const Check& check) { check(&frame); };
}

// A list window the frame opens as a child window.
Opener listWindow(const char* procedure) {
    return [procedure](app::MainFrame&, const Check& check) {
        QWidget* window = app::openWindow(procedure);
        QVERIFY2(window, procedure);
        QTest::qWait(1);
        check(window);
        window->parentWidget()->close();
        QTest::qWait(1);
    };
}

// A form as a list calls it, for a new record.
Opener form(const char* procedure) {
    return [procedure](app::MainFrame&, const Check& check) {
        test::whenModal(check);
        browse::callForm(procedure, browse::InsertRecord);
    };
}

// A list a form looks a value up in; it waits for the user, not as a dialog.
Opener lookup(const char* procedure) {
    return [procedure](app::MainFrame&, const Check& check) {
        test::whenModal([&](QWidget* list) {
            check(list);
            list->close();
        });
        browse::callForm(procedure, browse::SelectRecord);
    };
}

// A modal window one of the frame's commands opens.
Opener frameCommand(const char* command) {
    return [command](app::MainFrame& frame, const Check& check) {
        test::whenModal(check);
        frame.command(command)->trigger();
    };
}

// A window of its own one of the frame's commands opens, found by its design name.
Opener frameWindow(const char* command, const char* name) {
    return [command, name](app::MainFrame& frame, const Check& check) {
        frame.command(command)->trigger();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == name && window->isVisible()) {
                check(window);
                window->close();
                return;
            }
        QFAIL(name);
    };
}

// A modal dialog a list window opens when `ask` does what the user does.
Opener fromList(const char* procedure, std::function<void(QWidget*)> ask) {
    return [procedure, ask](app::MainFrame& frame, const Check& check) {
        listWindow(procedure)(frame, [&](QWidget* list) {
            test::whenModal(check);
            ask(list);
        });
    };
}

std::function<void(QWidget*)> click(const char* button) {
    return [button](QWidget* window) { window->findChild<QAbstractButton*>(button)->click(); };
}

void rightClickHeading(QWidget* list) {
    QHeaderView* heading = list->findChild<QTableView*>()->horizontalHeader();
    emit heading->customContextMenuRequested(QPoint(1, 1));
}

// The browse of a mailing list, on a list written for it.
Opener mailingList() {
    return [](app::MainFrame& frame, const Check& check) {
        const std::string name = documents::mailingFilePath("Kunden");
        documents::MailingFile::create(name);
        documents::mailingFile().setName(name);
        listWindow(procedures::MailingList)(frame, check);
    };
}

// The print options, from the "Print" button of a mailing list's browse.
Opener mailingPrintOptions() {
    return [](app::MainFrame& frame, const Check& check) {
        mailingList()(frame, [&check](QWidget* list) {
            test::whenModal([&check](QWidget* options) {
                check(options);
                options->close();
            });
            QTest::mouseClick(list->findChild<QPushButton*>("PRINT"), Qt::LeftButton);
        });
    };
}

Opener messageBox() {
    return [](app::MainFrame&, const Check& check) {
        std::unique_ptr<QMessageBox> box(
            app::buildMessageBox({{},
                                  {},
                                  Icon::Question,
                                  ButtonOk | ButtonYes | ButtonNo | ButtonAbort | ButtonRetry | ButtonIgnore |
                                      ButtonCancel | ButtonHelp}));
        check(box.get());
    };
}

Opener mailServerPassword() {
    return [](app::MainFrame&, const Check& check) {
        test::whenModal([&check](QWidget* dialog) {
            check(dialog);
            dialog->close();
        });
        mail::PasswordDialog::ask({.host = "mail.example.com", .user = "anna"});
    };
}

// The check list over an exchange file an import left in the mail folder.
Opener importCheckList() {
    return [](app::MainFrame& frame, const Check& check) {
        const std::string name = exchange::exchangeFileName(appState().MAILPATH);
        QVERIFY(!exchange::createExchangeFile(name));
        listWindow(procedures::AdressImportList)(frame, check);
    };
}

const std::vector<WindowCase>& windowCases() {
    static const std::vector<WindowCase> all = {
        {"frame", frameItself()},
        {"address list", listWindow(procedures::AddressList)},
        {"contact list", listWindow(procedures::ContactList)},
        {"country list", listWindow(procedures::CountryList)},
        {"industry list", listWindow(procedures::IndustryList)},
        {"place list", listWindow(procedures::PlaceList)},
        {"place list with streets", listWindow(procedures::PlaceListWithStreets)},
        {"material list", listWindow(procedures::MaterialList)},
        {"sent-material list", listWindow(procedures::MaterialSentList)},
        {"translation list", listWindow(procedures::TranslationList)},
        {"address form", form("qxUpdateAdressMain")},
        {"contact form", form("qxUpdateTKP")},
        {"country form", form("qxUpdateLand")},
        {"industry form", form("qxUpdateBranche")},
        {"place form", form("qxUpdatePLZ")},
        {"street form", form("qxUpdateSTR")},
        {"material form", form("UpdateAttMat")},
        {"sent-material form", form("AktAttMatUpdate")},
        {"translation form", fromList(procedures::TranslationList, click("INSERT"))},
        {"country lookup", lookup(procedures::CountryList)},
        {"place lookup", lookup(procedures::PlaceList)},
        {"material lookup", lookup(procedures::MaterialList)},
        {"list format", fromList(procedures::CountryList, click("BRWCFGBUTTON"))},
        {"list box format", fromList(procedures::CountryList, rightClickHeading)},
        {"alarm note", listWindow(procedures::Alarm)},
        {"activity list", listWindow(procedures::ActivityList)},
        {"activity form", form("qxUpdateAkt")},
        {"calendar", frameWindow("CALENDAR", "Calendar")},
        {"activity list selection", fromList(procedures::ActivityList, click("PRNLIST"))},
        {"help", frameWindow("HELPINDEX", "HelpWindow")},
        {"reorganise addresses", frameCommand("SERVICEDATAUTIL")},
        {"print setup", frameCommand("PRINTSETUP")},
        {"message box", messageBox()},
        {"mail-merge selection", listWindow(procedures::MailMergeSelection)},
        {"mailing lists", listWindow(procedures::MailMergeList)},
        {"mailing list", mailingList()},
        {"mail-merge print options", mailingPrintOptions()},
        {"document preparation", listWindow(procedures::DocumentPreparation)},
        {"template service", listWindow(procedures::TemplateService)},
        {"mail-field picker", listWindow(procedures::MailFields)},
        {"e-mail", listWindow(procedures::Mail)},
        {"mail server password", mailServerPassword()},
        {"settings", listWindow(procedures::Settings)},
        {"import wizard", listWindow(procedures::DataImport)},
        {"import check list", importCheckList()},
        {"data exchange", listWindow(procedures::DataExport)},
    };
    return all;
}

void closeAllFiles() {
    for (const data::TableDef* t : data::allTables()) {
        data::RecordFile* f = data::files().byName(t->name);
        f->close();
        f->setOpenCount(0);
    }
}

class WindowLanguageTest : public QObject {
    Q_OBJECT

    // Opens every window with the language `langId` and reports each text
    // that is not of that language and each key its table lacks.
    static QStringList foreignTexts(const char* langId) {
        test::TempDir dir;
        test::ScriptedPrompter prompter;
        resetAppState();
        std::string error;
        if (!app::ensureDemoWorkspace(dir.str(), error))
            return {QString::fromStdString(error)};
        profile::write(dir.file("ORB.INI"), "SETUP", "LangID", langId);
        const bool english = std::string(langId) == "EN";
        const std::set<QString> own = seedTexts(english ? "ORBEN.tsv" : "ORB.tsv");
        const std::set<QString> other = seedTexts(english ? "ORB.tsv" : "ORBEN.tsv");
        const std::set<QString> data = workFileValues(dir.file("ORB.INI"));

        std::set<std::string> missing;
        i18n::setTranslationTableOpener([&missing]() -> std::unique_ptr<i18n::TranslationTable> {
            auto file = i18n::openTranslationFile();
            return file ? std::make_unique<RecordingTable>(std::move(file), missing) : nullptr;
        });
        app::registerWindowModules();
        const app::StartupResult startup = app::runStartup(dir.str());

        QStringList faults;
        {
            app::MainFrame frame(startup.switches);
            frame.open();
            for (const WindowCase& c : windowCases()) {
                missing.clear();
                // Each window opens as designed, not in a layout an earlier case saved.
                std::filesystem::remove(app::windowFile());
                c.open(frame, [&](QWidget* window) {
                    std::vector<Shown> shown = visibleTexts(window);
                    // The toolbar serves the list or form in front.
                    if (frame.mdiArea()->isAncestorOf(window) ||
                        window->inherits("velkora::form::UpdateForm"))
                        for (QToolBar* bar : frame.findChildren<QToolBar*>())
                            for (const QAction* action : bar->actions())
                                addAction(shown, action);
                    // Amounts in the language's format ("0,00" in German).
                    const QRegularExpression foreignNumber(english ? R"(^-?\d{1,3}(\.\d{3})*,\d\d$)"
                                                                   : R"(^-?\d{1,3}(,\d{3})*\.\d\d$)");
                    for (const QLineEdit* entry : window->findChildren<QLineEdit*>())
                        if (foreignNumber.match(entry->text().trimmed()).hasMatch())
                            faults << QString("%1: %2 shows \"%3\"")
                                          .arg(c.name, describe(entry, "number"), entry->text());
                    for (const Shown& s : shown) {
                        const QString text = normalised(s.text);
                        if (!hasLetters(text) || data.contains(text))
                            continue;
                        if (s.data ? other.contains(text) && !own.contains(text) : !own.contains(text))
                            faults << QString("%1: %2 shows \"%3\"").arg(c.name, s.where, s.text);
                    }
                });
                for (const std::string& key : missing)
                    faults << QString("%1: no row %2").arg(c.name, QString::fromStdString(key));
            }
        }
        i18n::setTranslationTableOpener({});
        app::clearWindowRegistry();
        closeAllFiles();
        faults.removeDuplicates();
        for (const QString& fault : faults)
            qInfo().noquote() << fault;
        return faults;
    }

private slots:
    void englishShowsNoGermanText() {
        const QStringList faults = foreignTexts("EN");
        QVERIFY2(faults.isEmpty(), "texts of the other language, listed above");
    }

    void germanShowsNoEnglishText() {
        const QStringList faults = foreignTexts("");
        QVERIFY2(faults.isEmpty(), "texts of the other language, listed above");
    }
};

} // namespace

QTEST_MAIN(WindowLanguageTest)
#include "WindowLanguageTest.moc"
