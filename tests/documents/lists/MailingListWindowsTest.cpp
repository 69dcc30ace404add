// Mail merge's mailing lists on the demo workspace, driven through the real
// frame: the Service menu opens the list of lists, "Change" checks a list
// and shows its rows, "Export" writes the ASCII export, and "Print" opens the
// print options, which make the letters (LibreOffice a stand-in) or print
// the address list.

#include "documents/lists/MailingListWindows.h"

#include "FrameDriver.h"
#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "StandIns.h"
#include "TempDir.h"
#include "app/DemoWorkspace.h"
#include "app/Startup.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "documents/MailingFile.h"
#include "documents/gui/PrinterChoice.h"
#include "documents/lists/MailMergeListWin.h"
#include "documents/lists/MailingListWin.h"
#include "reports/gui/ReportPrinting.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>

using namespace velkora;
using documents::MailingFile;
using documents::MailingRecord;
namespace procs = velkora::app::procedures;

namespace {

MailingRecord recipient(std::string adrnr, std::string name1, std::string ort) {
    MailingRecord r;
    r.ADRNR = std::move(adrnr);
    r.NAME0 = "Firma";
    r.NAME1 = std::move(name1);
    r.PLZ = "80331";
    r.ORT = std::move(ort);
    r.LD = "D";
    r.KNAME1 = "Anna Berger";
    r.KTART = "Einkauf";
    return r;
}

void writeList(const std::string& name, const std::vector<MailingRecord>& rows) {
    MailingFile list;
    list.setName(name);
    QVERIFY(!MailingFile::create(name));
    QVERIFY(!list.open(files::DbfTable::Access::Write));
    for (const MailingRecord& row : rows) {
        list.rec = row;
        QVERIFY(!list.add());
    }
}

QTableView* table(QWidget* list) {
    return list->findChild<QTableView*>();
}

QString cell(QWidget* list, int row, int column) {
    return table(list)->model()->index(row, column).data().toString().trimmed();
}

void selectRow(QWidget* list, int row) {
    QTableView* view = table(list);
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(button);
    QVERIFY2(b && b->isVisible() && b->isEnabled(), button);
    test::FrameDriver::clickInWindow(b, b->rect().center());
}

} // namespace

class MailingListWindowsTest : public QObject {
    Q_OBJECT

    test::TempDir dir_;
    std::string mail_;

    template <class Window> Window* openWindow() {
        for (QMdiSubWindow* sub : frame_->frame.mdiArea()->subWindowList())
            if (auto* window = qobject_cast<Window*>(sub->widget()))
                return window;
        return nullptr;
    }

    std::unique_ptr<test::FrameDriver> frame_;
    std::unique_ptr<test::ScriptedPrompter> prompter_;

    // The list of lists, as the Service menu opens it.
    documents::MailMergeListWin* openLists() {
        frame_->clickMenu("SERVICE", "ADRADRMMERGE");
        return openWindow<documents::MailMergeListWin>();
    }

    // The browse of the list "Kunden", as "Change" on it opens it.
    documents::MailingListWin* openKunden() {
        auto* lists = openLists();
        selectRow(lists, 2);
        click(lists, "CHANGE:2");
        return openWindow<documents::MailingListWin>();
    }

    // "Print" on the list's browse; `steps` run in the print options.
    void inPrintOptions(documents::MailingListWin* list, const std::function<void(QWidget*)>& steps) {
        bool shown = false;
        test::whenModal([&](QWidget* options) {
            shown = true;
            QCOMPARE(options->objectName(), QString("PrnMMerge"));
            steps(options);
            if (options->isVisible())
                click(options, "CANCELBUTTON");
        });
        click(list, "PRINT");
        QVERIFY(shown);
    }

private slots:
    void initTestCase() {
        std::string error;
        const std::string folder = dir_.file("demo");
        QVERIFY2(app::ensureDemoWorkspace(folder, error), error.c_str());
        QDir::setCurrent(QString::fromStdString(folder));
        test::ScriptedPrompter quiet;
        QVERIFY(!app::runStartup(folder).ended);
        documents::registerMailingListWindows();
        mail_ = appState().MAILPATH;
        writeList(mail_ + "/Kunden",
                  {recipient("7", "Müller GmbH", "München"), recipient("8", "Bäckerei; \"Zum Korn\"", "Köln"),
                   recipient("9", "Weiß & Co.", "Berlin")});
        writeList(mail_ + "/archiv.dbf", {recipient("1", "Alt", "Bonn")});
        writeList(mail_ + "/_MAIL1", {recipient("2", "intern", "Bonn")});
        std::ofstream(mail_ + "/kaputt.DBF") << "no table";
        std::ofstream(mail_ + "/notiz.txt") << "no list";
    }

    void init() {
        prompter_ = std::make_unique<test::ScriptedPrompter>();
        frame_ = std::make_unique<test::FrameDriver>();
        QVERIFY(QTest::qWaitForWindowActive(&frame_->frame));
    }

    void cleanup() {
        frame_->frame.close();
        frame_.reset();
        prompter_.reset();
    }

    void theListsOfMailPathAreSortedWithoutInternalFiles() {
        auto* lists = openLists();
        QVERIFY(lists != nullptr);
        QCOMPARE(lists->windowTitle(), QString("Serienbriefe"));
        QCOMPARE(table(lists)->model()->rowCount(), 3);
        QCOMPARE(cell(lists, 0, 0), QString("archiv"));
        QCOMPARE(cell(lists, 1, 0), QString("kaputt"));
        QCOMPARE(cell(lists, 2, 0), QString("Kunden"));
        QCOMPARE(cell(lists, 2, 1), QString::fromStdString(mail_ + "/Kunden.DBF"));
        QVERIFY(!lists->findChild<QPushButton*>("DELETE:2")->isVisible());
    }

    void newOpensTheSelectionWindowStillToCome() {
        auto* lists = openLists();
        click(lists, "INSERT:2");
        QCOMPARE(prompter_->last().text, std::string("AdrMMerge|Diese Funktion ist noch nicht verfügbar."));
    }

    void aListThatCannotBeOpenedShowsTheErrorAndStaysClosed() {
        auto* lists = openLists();
        selectRow(lists, 1);
        click(lists, "CHANGE:2");
        QCOMPARE(prompter_->prompts().size(), size_t(1));
        QCOMPARE(prompter_->last().caption, std::string("Error"));
        QCOMPARE(prompter_->last().text,
                 "KAPUTT.DBF|[36] Invalid Data File: header too short (" + mail_ + "/kaputt.DBF)");
        QVERIFY(openWindow<documents::MailingListWin>() == nullptr);
    }

    void changeShowsTheRowsOfTheListInFileOrder() {
        auto* list = openKunden();
        QVERIFY(list != nullptr);
        QVERIFY(prompter_->prompts().empty());
        QCOMPARE(list->windowTitle(), QString("Serienbriefliste [Kunden.DBF]"));
        QAbstractItemModel* model = table(list)->model();
        QCOMPARE(model->columnCount(), 14);
        QStringList headings;
        for (int c = 0; c < 14; ++c)
            headings << model->headerData(c, Qt::Horizontal).toString().trimmed();
        QCOMPARE(headings, (QStringList{"Anrede", "Name 1", "Name 2", "LD", "PLZ", "Ort", "Straße", "Land",
                                        "Adr-Nr.", "K-Anrede", "K-Name 1", "K-Name 2", "K-Art", "Position"}));
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(cell(list, 0, 1), QString("Müller GmbH"));
        QCOMPARE(cell(list, 1, 1), QString("Bäckerei; \"Zum Korn\""));
        QCOMPARE(cell(list, 2, 8), QString("9"));
        QCOMPARE(cell(list, 2, 10), QString("Anna Berger"));
        QCOMPARE(cell(list, 2, 12), QString("Einkauf"));

        // The file's order stays: a heading click does not sort, and there is nothing to locate.
        QVERIFY(!list->findChild<QWidget*>("LS:SEARCHSTRING")->isVisible());
        auto* header = table(list)->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(cell(list, 0, 1), QString("Müller GmbH"));
        QCOMPARE(header->model()->headerData(1, Qt::Horizontal).toString().trimmed(), QString("Name 1"));
    }

    // A list written while the lists are open shows once a window closes
    // (the selection window, which writes lists, closes when it is done).
    void theListsAreReadAgainWhenAWindowCloses() {
        auto* list = openKunden();
        QVERIFY(list != nullptr);
        writeList(mail_ + "/Zugang", {recipient("3", "Neu", "Ulm")});
        const auto removeZugang = qScopeGuard([this] { files::DbfTable::remove(mail_ + "/Zugang"); });
        auto* lists = openWindow<documents::MailMergeListWin>();
        QCOMPARE(table(lists)->model()->rowCount(), 3);
        click(list, "CLOSE");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCOMPARE(table(lists)->model()->rowCount(), 4);
        QCOMPARE(cell(lists, 3, 0), QString("Zugang"));
    }

    void withoutDirectPrintMoreRowsThanMayStayOpenAreRefused() {
        std::vector<MailingRecord> eleven;
        for (int i = 1; i <= 11; ++i)
            eleven.push_back(recipient(std::to_string(i), "Empfänger " + std::to_string(i), "Ulm"));
        writeList(mail_ + "/Zuviel", eleven);
        const auto removeList = qScopeGuard([this] { files::DbfTable::remove(mail_ + "/Zuviel"); });
        profile::write(appState().WORKINI, "DEFAULT", "MaxDocsOpen", ""); // unset: 10
        auto* lists = openLists();
        selectRow(lists, 3);
        click(lists, "CHANGE:2");
        auto* list = openWindow<documents::MailingListWin>();
        QVERIFY(list != nullptr);
        const std::string docs = appState().DOCSPATH;
        inPrintOptions(list, [&](QWidget* options) {
            QCOMPARE(options->findChild<QLineEdit*>("LS:DOCTITEL")->text(), QString("Document"));
            QVERIFY(!options->findChild<QCheckBox*>("LN:PRNAUTO")->isChecked());
            click(options, "OKBUTTON");
            QCOMPARE(prompter_->last().caption, std::string("Zu viele Dokumente"));
            QVERIFY(options->isVisible());
            QCOMPARE(QApplication::focusWidget(), options->findChild<QCheckBox*>("LN:PRNAUTO"));
        });
        QVERIFY(!std::filesystem::exists(docs + "/0000100001.RTF"));
        profile::write(appState().WORKINI, "DEFAULT", "MaxDocsOpen", "10");
    }

    void createMakesALetterPerRowInOneLibreOfficeCallAndCloses() {
        test::StandInPrograms programs({"soffice", "lp"});
        documents::printerChooser() = [](QWidget*, const QString&) { return std::optional<QString>("Büro"); };
        const auto restore = qScopeGuard([] { documents::printerChooser() = nullptr; });
        auto* list = openKunden();
        QVERIFY(list != nullptr);
        inPrintOptions(list, [&](QWidget* options) {
            QTest::mouseClick(options->findChild<QCheckBox*>("LN:PRNAUTO"), Qt::LeftButton);
            auto* copies = options->findChild<QSpinBox*>("LN:PRNCOPIES");
            QVERIFY(copies->isEnabled());
            copies->setValue(2);
            click(options, "BUTTONPRN");
            QCOMPARE(options->findChild<QLineEdit*>("LS:PRNDEVICE")->text(), QString("Büro"));
            click(options, "OKBUTTON");
            QVERIFY(!options->isVisible());
        });
        QCOMPARE(prompter_->last().text, std::string("Vorgang abgeschlossen"));
        const std::string docs = std::filesystem::path(appState().DOCSPATH).filename().string();
        QCOMPARE(
            programs.log("soffice").substr(0, programs.log("soffice").find('\n')),
            "soffice -env:UserInstallation=(velkora/libreoffice) --headless --norestore --convert-to DOC:MS "
            "Word 97 --outdir " +
                docs + " 0000700001.RTF 0000800001.RTF 0000900001.RTF");
        QCOMPARE(programs.log("lp"),
                 std::string("lp -d Büro -n 2 0000700001.pdf\nlp -d Büro -n 2 0000800001.pdf\n"
                             "lp -d Büro -n 2 0000900001.pdf\n"));
    }

    void listePrintsTheAddressListOfTheMailingList() {
        const std::string pdf = dir_.file("liste.pdf");
        const reports::ReportPrintDialog platform = reports::reportPrintDialog();
        reports::reportPrintDialog() = [&](QPrinter& printer, int, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            return true;
        };
        const std::string preview = profile::read(appState().STARTINI, "SETUP", "LstPrnPreview");
        profile::write(appState().STARTINI, "SETUP", "LstPrnPreview", "0");
        const auto restore = qScopeGuard([&] {
            reports::reportPrintDialog() = platform;
            profile::write(appState().STARTINI, "SETUP", "LstPrnPreview", preview);
        });
        auto* list = openKunden();
        QVERIFY(list != nullptr);
        inPrintOptions(list, [&](QWidget* options) {
            // On its box: the row is wider than the check box's text.
            QTest::mouseClick(options->findChild<QCheckBox*>("LN:TMPLLISTE"), Qt::LeftButton, {},
                              QPoint(6, 8));
            QVERIFY(!options->findChild<QWidget*>("RTFTMPLNAME")->isEnabled());
            click(options, "OKBUTTON");
        });
        QVERIFY(std::filesystem::file_size(pdf) > 0);
        const std::string text = test::readFile(pdf);
        QVERIFY(text.starts_with("%PDF"));
    }

    void exportWritesTheListAsAscii() {
        auto* list = openKunden();
        QVERIFY(list != nullptr);

        const std::string target = dir_.file("kunden.csv");
        documents::exportFileChooser() = [&](QWidget*) { return std::optional<std::string>(target); };
        click(list, "EXPORT");
        QVERIFY(prompter_->prompts().empty());
        const std::string text = test::readFile(target);
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 3);
        QVERIFY(text.find(";;;8;Firma;\"B\xE4"
                          "ckerei; \"\"Zum Korn\"\"\";;") != std::string::npos);

        // A target that cannot be written: the export's message, nothing else.
        documents::exportFileChooser() = [&](QWidget*) {
            return std::optional<std::string>(dir_.file("nix/kunden.csv"));
        };
        click(list, "EXPORT");
        QCOMPARE(prompter_->last().caption, std::string("ASCII Export"));
        QVERIFY(prompter_->last().text.starts_with("2 "));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(MailingListWindowsTest)
#include "MailingListWindowsTest.moc"
