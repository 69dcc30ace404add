// Document preparation driven as a user drives it: opened from the frame's
// toolbar on the demo workspace, with stand-ins of LibreOffice and the print
// spooler first on PATH.

#include "documents/gui/PrintDocWin.h"

#include "FrameDriver.h"
#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "StandIns.h"
#include "TempDir.h"
#include "app/DemoWorkspace.h"
#include "app/Startup.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "data/FileServices.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>
#include <fstream>

using namespace velkora;

namespace velkora::documents {
void registerDocumentWindows();
}

namespace {

namespace fs = std::filesystem;

class Workspace {
public:
    explicit Workspace(std::uint8_t copies) {
        ::setenv("XDG_CACHE_HOME", dir.file("cache").c_str(), 1);
        resetAppState();
        std::string error;
        QVERIFY2(app::ensureDemoWorkspace(dir.str(), error), error.c_str());
        documents::registerDocumentWindows();
        QVERIFY(!app::runStartup(dir.str()).ended);
        data::File<data::Address> adr;
        QCOMPARE(adr.open(), 0);
        adr.rec.ADRNR = 2;
        QCOMPARE(adr.get(*data::Address::table().key("QXADRES1")), 0);
        adr.rec.ANZDRUCK = copies;
        QCOMPARE(adr.put(), 0);
        adr.close();
    }
    ~Workspace() { ::unsetenv("XDG_CACHE_HOME"); }

    std::string docs(const std::string& name) const { return joinPath(appState().DOCSPATH, name); }

    test::TempDir dir;
};

// The highest activity: the one a letter added.
data::Activity lastActivity() {
    data::File<data::Activity> akt;
    akt.open();
    akt.set(*data::Activity::table().key("QXADRAK6"));
    akt.previous();
    akt.close();
    return akt.rec;
}

class PrintDocWinTest : public QObject {
    Q_OBJECT

    template <class W> static W* control(QWidget* window, const char* name) {
        W* found = window->findChild<W*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    static void click(QWidget* button) { test::FrameDriver::clickInWindow(button, button->rect().center()); }

    // The frame's print button, as the user opens the window.
    static documents::PrintDocWin* openFromToolbar(test::FrameDriver& driver) {
        auto* bar = driver.frame.findChild<QToolBar*>("TOOLBAR");
        QWidget* button = bar->widgetForAction(driver.frame.command("PRNBUTTON"));
        click(button);
        return qobject_cast<documents::PrintDocWin*>(
            app::runningWindow(app::procedures::DocumentPreparation));
    }

    // Types `text` over the entry's text; what keys cannot type (umlauts)
    // comes as an input method delivers it.
    static void retype(QLineEdit* line, const QString& text, const QString& composed = {}) {
        line->setFocus();
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, text);
        line->insert(composed);
    }

private slots:
    void opensOnTheAddressWithTheNextNumberAndCreateNeedsATitle() {
        Workspace ws(0);
        std::ofstream(ws.docs("0000200001 Angebot.DOC")) << "alt";
        std::ofstream(ws.docs("0000200002.doc")) << "alt";
        test::ScriptedPrompter prompter;
        test::FrameDriver driver;
        driver.frame.open();
        appState().ADRNR = 2; // as the address list publishes it
        auto* window = openFromToolbar(driver);
        QVERIFY(window);
        QCOMPARE(control<QLineEdit>(window, "LS:ADRSTRING1")->text(),
                 "Hansen & Lück Logistik KG Niederlassung Hamburg, Firma, D 20457 Hamburg, Am Sandtorkai 12");
        QCOMPARE(control<QLineEdit>(window, "LS:ADRID")->text(), "00002");
        QCOMPARE(control<QLineEdit>(window, "LS:DOCNAME")->text(), "00003");
        QVERIFY(!control<QCheckBox>(window, "LN:TAKETKP")->isEnabled()); // no contact list open
        auto* templates = control<QTreeWidget>(window, "RTFTMPLNAME");
        QCOMPARE(templates->topLevelItemCount(), 2);
        QCOMPARE(templates->topLevelItem(0)->text(0), "Brief.RTF");
        QCOMPARE(control<QLineEdit>(window, "LS:TMPLNAME")->text(), "Brief.RTF");
        QCOMPARE(control<QLineEdit>(window, "LS:DOCTITEL")->text(), "Document");

        auto* create = control<QPushButton>(window, "OKBUTTON");
        QVERIFY(create->isEnabled());
        retype(control<QLineEdit>(window, "LS:DOCTITEL"), "");
        QVERIFY(!create->isEnabled());
        QTest::keyClicks(control<QLineEdit>(window, "LS:DOCTITEL"), "Angebot");
        QVERIFY(create->isEnabled());
        // The printer group only with DirectPrint; Auto takes the address's copies, at least 1.
        QVERIFY(!control<QCheckBox>(window, "LN:AUTOCOPIES")->isEnabled());
        click(control<QCheckBox>(window, "LN:DIRECTPRN"));
        click(control<QCheckBox>(window, "LN:AUTOCOPIES"));
        QCOMPARE(control<QSpinBox>(window, "LN:PRNCOPIES")->value(), 1);
        QVERIFY(!control<QSpinBox>(window, "LN:PRNCOPIES")->isEnabled());
        // The pin keeps the window over the others until it is released.
        auto* pin = control<QToolButton>(window, "LN:TOOLBOXFLAG");
        click(pin);
        QVERIFY(pin->isChecked());
        QVERIFY(app::outerWindow(window)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        click(pin);
        QVERIFY(!app::outerWindow(window)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(prompter.prompts().empty());
        driver.frame.mdiArea()->closeAllSubWindows();
    }

    void printsTheAddressCopiesOnTheChosenPrinterWhileTheWindowStaysResponsive() {
        Workspace ws(3);
        test::ScriptedPrompter prompter;
        test::StandInPrograms programs({"soffice", "lp"});
        // LibreOffice converts once the test lets it: the window works meanwhile.
        const std::string go = programs.folder() + "/go";
        const std::string real = programs.folder() + "/soffice";
        fs::rename(real, programs.folder() + "/converter");
        programs.write("soffice", "while [ ! -e '" + go +
                                      "' ]; do /bin/sleep 0.05; done\nexec \"${0%/*}/converter\" \"$@\"\n");
        documents::printerChooser() = [](QWidget*, const QString&) { return std::optional<QString>("Büro"); };
        test::FrameDriver driver;
        driver.frame.open();
        appState().ADRNR = 2; // as the address list publishes it
        auto* window = openFromToolbar(driver);
        QVERIFY(window);
        retype(control<QLineEdit>(window, "LS:DOCTITEL"), "Ihre Anfrage", " über Größen");
        click(control<QCheckBox>(window, "LN:DIRECTPRN"));
        click(control<QCheckBox>(window, "LN:AUTOCOPIES"));
        QCOMPARE(control<QSpinBox>(window, "LN:PRNCOPIES")->value(), 3);
        click(control<QPushButton>(window, "PRINTER"));
        QCOMPARE(control<QLineEdit>(window, "LS:PRNDEVICE")->text(), "Büro");
        click(control<QPushButton>(window, "OKBUTTON"));

        QTRY_VERIFY(control<QLabel>(window, "WORKING")->isVisible());
        QVERIFY(!control<QPushButton>(window, "OKBUTTON")->isEnabled());
        QTest::keyClicks(control<QLineEdit>(window, "LS:DOCTITEL"), "!"); // the window still takes keys
        QCOMPARE(control<QLineEdit>(window, "LS:DOCTITEL")->text(), "Ihre Anfrage über Größen!");
        std::ofstream(go) << "";
        QTRY_VERIFY_WITH_TIMEOUT(!control<QLabel>(window, "WORKING")->isVisible(), 30000);

        QCOMPARE(programs.log("lp"), std::string("lp -d Büro -n 3 0000200001.pdf\n"));
        QVERIFY(fs::exists(ws.docs("0000200001.DOC")));
        const data::Activity akt = lastActivity();
        QCOMPARE(akt.ADRNR, 2);
        QCOMPARE(int(akt.AKTART), 1);
        QCOMPARE(int(akt.AKTPRI), 254);
        QCOMPARE(akt.TITLE, std::string("Ihre Anfrage über Größen"));
        QCOMPARE(akt.DOCNAME, ws.docs("0000200001.DOC"));
        QCOMPARE(akt.AKTDEV, std::string("Büro"));
        QCOMPARE(control<QLineEdit>(window, "LS:DOCNAME")->text(), "00002"); // the next one proposed
        QVERIFY(prompter.prompts().empty());
        driver.frame.mdiArea()->closeAllSubWindows();
        documents::printerChooser() = nullptr;
    }

    void refusesADotAndWritesNothingWhenOverwritingIsDeclined() {
        Workspace ws(0);
        std::ofstream(ws.docs("0000200001.DOC")) << "alt";
        test::ScriptedPrompter prompter;
        test::StandInPrograms programs({"soffice"});
        test::FrameDriver driver;
        driver.frame.open();
        appState().ADRNR = 2; // as the address list publishes it
        auto* window = openFromToolbar(driver);
        QVERIFY(window);
        auto* name = control<QLineEdit>(window, "LS:DOCNAME");
        retype(name, "00002.alt");
        click(control<QPushButton>(window, "OKBUTTON"));
        QCOMPARE(prompter.texts(), std::vector<std::string>{
                                       "Der Dokumentname darf keinen Punkt, \"/\" oder \"\\\" enthalten."});
        QCOMPARE(QApplication::focusWidget(), name);

        prompter.clear();
        retype(name, "00001");
        prompter.setNextAnswer(ButtonNo);
        click(control<QPushButton>(window, "OKBUTTON"));
        QCOMPARE(prompter.prompts().size(), std::size_t{1});
        QCOMPARE(prompter.last().caption, std::string("Dokument überschreiben?"));
        QCOMPARE(QApplication::focusWidget(), name);
        QVERIFY(!fs::exists(ws.docs("0000200001.RTF")));
        QCOMPARE(test::readFile(ws.docs("0000200001.DOC")), std::string("alt"));
        QCOMPARE(programs.log("soffice"), std::string());

        // Closing keeps the template and the title for the next time.
        retype(control<QLineEdit>(window, "LS:DOCTITEL"), "Mahnung");
        click(control<QPushButton>(window, "CANCELBUTTON"));
        QTRY_VERIFY(!app::runningWindow(app::procedures::DocumentPreparation));
        QCOMPARE(profile::read(appState().WORKINI, "DEFAULT", "LDocTitle", ""), std::string("Mahnung"));
        QCOMPARE(profile::read(appState().WORKINI, "DEFAULT", "LTmplName", ""), std::string("Brief.RTF"));
    }

    void theTemplateServiceMakesATemplateForWriterAndThePickerCopiesPlaceholders() {
        Workspace ws(0);
        test::ScriptedPrompter prompter;
        test::StandInPrograms programs({"soffice"});
        test::FrameDriver driver;
        driver.frame.open();
        driver.clickMenu("SERVICE", "SERVICETEMPLATES");
        QWidget* service = app::runningWindow(app::procedures::TemplateService);
        QVERIFY(service);
        QCOMPARE(control<QTreeWidget>(service, "LIST")->topLevelItemCount(), 2);

        test::whenModal([](QWidget* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>(), "Angebot");
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        click(control<QPushButton>(service, "INSERT"));
        const std::string made = joinPath(appState().TMPLPATH, "Angebot.RTF");
        QVERIFY(test::readFile(made).starts_with("{\\rtf1"));
        QCOMPARE(control<QTreeWidget>(service, "LIST")->currentItem()->text(0), "Angebot.RTF");
        QCOMPARE(programs.waitForLog("soffice", 1), std::string("soffice --norestore Angebot.RTF\n"));

        QWidget* picker = app::runningWindow(app::procedures::MailFields);
        QVERIFY(picker);
        auto* fields = control<QTreeWidget>(picker, "LIST");
        QCOMPARE(fields->topLevelItemCount(), 44); // every field but the memo's block number
        QCOMPARE(fields->topLevelItem(8)->text(0), "<#M:NAME1#>");
        QCOMPARE(fields->topLevelItem(8)->text(1), "Name 1 (M:NAME1)");
        QCOMPARE(fields->topLevelItem(33)->text(1), "Anrede (M:KNAME0)");
        fields->setCurrentItem(fields->topLevelItem(8));
        click(control<QPushButton>(picker, "SELECT"));
        QCOMPARE(QGuiApplication::clipboard()->text(), "<#M:NAME1#>");
        QCOMPARE(control<QLabel>(picker, "LS:CLIPBOARD")->text(),
                 "In der Zwischenablage (Strg+V): <#M:NAME1#>");
        QVERIFY(prompter.prompts().empty());
        driver.frame.mdiArea()->closeAllSubWindows();
    }
};

} // namespace

QTEST_MAIN(PrintDocWinTest)
#include "PrintDocWinTest.moc"
