// The program settings on the demo workspace, opened from the real frame's
// File menu and used as a user does: the pages, the language list, the
// dialler rule, OK taking a new data folder into use at once (moving the
// files, refusing an occupied folder, rolling back a failed move), the
// restart after a language change, and Cancel writing nothing.

#include "app/settings/PrgSetsWin.h"

#include "FrameDriver.h"
#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "app/DemoWorkspace.h"
#include "app/Startup.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowModules.h"
#include "app/gui/WindowRegistry.h"
#include "data/FileServices.h"
#include "data/MoveDataFiles.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"
#include "shared/Clock.h"
#include "shared/ProfileFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace velkora;
namespace fs = std::filesystem;
namespace procs = velkora::app::procedures;

namespace {

// The data files a folder holds.
int dataFilesIn(const std::string& folder) {
    return static_cast<int>(data::filesIn(data::dataFileNames(), folder).size());
}

// Closed windows go with deleteLater, which runs in an event loop.
void letClosedWindowsGo() {
    QTest::qWait(1);
}

} // namespace

class PrgSetsWinTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir_;
    std::unique_ptr<test::ScriptedPrompter> prompter_;
    std::unique_ptr<FixedClock> clock_;
    std::unique_ptr<test::FrameDriver> driver_;
    std::string ws_;

    std::string startIni() const { return ws_ + "/ORB.INI"; }
    std::string setup(const char* key) const { return profile::read(startIni(), "SETUP", key); }

    // The demo workspace, started as the program starts, with the frame around it.
    void startProgram() {
        resetAppState();
        std::string error;
        QVERIFY2(app::ensureDemoWorkspace(ws_, error), error.c_str());
        QDir::setCurrent(QString::fromStdString(ws_));
        QVERIFY(!app::runStartup(ws_).ended);
        prompter_->clear();
        driver_ = std::make_unique<test::FrameDriver>();
    }

    // File > Settings... in the frame's menu; the window it opens.
    QWidget* openSettings() {
        letClosedWindowsGo(); // a window closed just now is still registered until then
        driver_->clickMenu("FILE", "PRGSET");
        letClosedWindowsGo();
        return app::runningWindow(procs::Settings);
    }

    static void click(QWidget* window, const char* button) {
        auto* pressed = window->findChild<QPushButton*>(button);
        QVERIFY2(pressed && pressed->isEnabled(), button);
        QTest::mouseClick(pressed, Qt::LeftButton);
    }

    // Clicks the tree's entry with `text`, as a user picks a page.
    static void choosePage(QWidget* window, const QString& text) {
        auto* tree = window->findChild<QTreeWidget*>("NAVLIST");
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found.front()).center());
    }

    static void type(QWidget* window, const char* entry, const QString& text) {
        auto* field = window->findChild<QLineEdit*>(entry);
        QVERIFY2(field && field->isEnabled(), entry);
        field->setFocus();
        QTest::keySequence(field, QKeySequence::SelectAll);
        // Key by key with the text the keyboard gives, umlauts too (keyClicks knows ASCII only).
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }

    static QWidget* shownPage(QWidget* window) {
        return window->findChild<QStackedWidget*>("SHEET")->currentWidget();
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        prompter_ = std::make_unique<test::ScriptedPrompter>();
        clock_ = std::make_unique<FixedClock>(LocalDateTime{{2026, 12, 6}, {9, 5, 30, 0}});
        ws_ = dir_->file("Velkora Büro");
        setApplicationEndHandler([](std::string_view) {});
        resetApplicationEnded();
        app::registerWindowModules();
        startProgram();
    }

    void cleanup() {
        driver_.reset();
        letClosedWindowsGo();
        data::setMoveFault({});
        app::clearWindowRegistry();
        setApplicationEndHandler({});
        resetApplicationEnded();
        QDir::setCurrent(QDir::tempPath());
        prompter_.reset();
        clock_.reset();
        dir_.reset();
    }

    void theFrameClosesEveryOtherWindowBeforeTheSettingsOpen() {
        app::openWindow(procs::AddressList);
        app::openWindow(procs::CountryList);
        QWidget* settings = openSettings();
        QVERIFY(settings);
        QCOMPARE(app::openProcedures(), std::vector<std::string>{procs::Settings});
        QVERIFY(prompter_->prompts().empty()); // no "procedure to do"
        QVERIFY(!driver_->action("PRGSET")->isEnabled());
    }

    void everyEntryOfTheTreeShowsItsPage() {
        QWidget* settings = openSettings();
        QVERIFY(settings);
        choosePage(settings, "Eigene Firma");
        QVERIFY(shownPage(settings)->isAncestorOf(settings->findChild<QLineEdit*>("LS:MNAME1")));
        QCOMPARE(settings->findChild<QLineEdit*>("LS:MNAME1")->text(), QString("Velkora Demo GmbH"));
        choosePage(settings, "Aktivitätsstatus");
        QVERIFY(shownPage(settings)->isAncestorOf(settings->findChild<QLineEdit*>("LS:AKTSTAT2")));
        choosePage(settings, "Allgemein");
        click(shownPage(settings), "GOTO:SYSTEM");
        QVERIFY(shownPage(settings)->isAncestorOf(settings->findChild<QTreeWidget*>("LANGLIST")));
        const auto* tree = settings->findChild<QTreeWidget*>("NAVLIST");
        int entries = 0;
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
            ++entries;
        QCOMPARE(entries, 17); // the root, the design's fourteen, the company and the activity states
    }

    void theLanguageListLeavesOutALanguageWithoutTranslationFile() {
        QWidget* settings = openSettings();
        auto* languages = settings->findChild<QTreeWidget*>("LANGLIST");
        QCOMPARE(languages->topLevelItemCount(), 2);
        QCOMPARE(languages->selectedItems().front()->text(0), QString()); // German, the running language
        settings->close();

        fs::remove(ws_ + "/ORBEN.TPS");
        settings = openSettings();
        languages = settings->findChild<QTreeWidget*>("LANGLIST");
        QCOMPARE(languages->topLevelItemCount(), 1);
        QCOMPARE(languages->topLevelItem(0)->text(0), QString());
        QCOMPARE(languages->topLevelItem(0)->text(2), QString("ORB.ENV"));
    }

    void aMissingStartFileIsReportedAndNoWindowOpens() {
        fs::rename(startIni(), ws_ + "/ORB.BAK");
        QVERIFY(!openSettings());
        QCOMPARE(prompter_->last().text, "INI File:|" + startIni() + "|NOT FOUND - CHECK PATH AT STARTUP!");
        QCOMPARE(prompter_->beeps(), 2);
    }

    void aStartFileOfAnotherFolderIsWarnedAbout() {
        // The same folder reached through a link is no mismatch: paths are compared resolved.
        fs::create_directory_symlink(ws_, dir_->file("link"));
        QDir::setCurrent(QString::fromStdString(dir_->file("link")));
        QWidget* settings = openSettings();
        QVERIFY(settings);
        QVERIFY(prompter_->prompts().empty());
        settings->close();
        letClosedWindowsGo();

        QDir::setCurrent(QString::fromStdString(dir_->str()));
        QVERIFY(openSettings());
        QCOMPARE(prompter_->last().caption, std::string("INI-Path Missmatch"));
        QCOMPARE(prompter_->last().text, "INI File:|" + startIni() + "|Path:" + dir_->str());
    }

    void changingOnlyTheDataPathMovesTheFilesAndTheNextListReadsThere() {
        const std::string before = appState().DATAPATH;
        const std::string target = ws_ + "/Neue Daten";
        QWidget* settings = openSettings();
        choosePage(settings, "System");
        type(settings, "LS:DATAPATH", QString::fromStdString(target));
        click(settings, "OKBUTTON");
        letClosedWindowsGo();

        QVERIFY(!app::runningWindow(procs::Settings));
        QCOMPARE(prompter_->last().caption, std::string("Daten verschoben"));
        QCOMPARE(dataFilesIn(target), 9);
        QCOMPARE(dataFilesIn(before), 0);
        QCOMPARE(setup("DataPath"), target); // as typed, not upper-cased
        QVERIFY(!applicationEnded());

        QWidget* list = app::openWindow(procs::AddressList);
        QVERIFY(list);
        QVERIFY(list->findChild<QTableView*>()->model()->rowCount() > 0);
        QCOMPARE(data::files().QXADRESS.diskName(), target + "/QXADRESS.TPS");
    }

    void anOccupiedDataFolderIsUsedOnlyWhenTheUserSaysSo() {
        const std::string before = appState().DATAPATH;
        // Another data set without addresses.
        const std::string other = ws_ + "/Andere";
        fs::create_directories(other);
        fs::copy_file(before + "/QXADRLND.TPS", other + "/QXADRLND.TPS");
        QWidget* settings = openSettings();
        choosePage(settings, "System");
        type(settings, "LS:DATAPATH", QString::fromStdString(other));

        prompter_->setNextAnswer(ButtonCancel);
        click(settings, "OKBUTTON");
        QCOMPARE(prompter_->last().caption, std::string("Datenordner belegt"));
        QVERIFY(app::runningWindow(procs::Settings));
        QCOMPARE(setup("DataPath"), before);
        QCOMPARE(dataFilesIn(before), 9);

        prompter_->setNextAnswer(ButtonYes);
        click(settings, "OKBUTTON");
        letClosedWindowsGo();
        QCOMPARE(prompter_->last().caption, std::string("Datenordner gewechselt"));
        QCOMPARE(dataFilesIn(before), 9); // nothing moved, nothing overwritten
        QCOMPARE(setup("DataPath"), other);
        QWidget* list = app::openWindow(procs::AddressList);
        QCOMPARE(list->findChild<QTableView*>()->model()->rowCount(), 0);
    }

    void aFailureInTheMiddleOfTheMoveLeavesEverythingWhereItWas() {
        const std::string before = appState().DATAPATH;
        const std::string target = ws_ + "/Neue Daten";
        data::setMoveFault([](std::string_view step, const std::string& file) {
            return step == "check" && file == "QXADRSTR.TPS" ? std::string("Eingabe-/Ausgabefehler")
                                                             : std::string();
        });
        QWidget* settings = openSettings();
        choosePage(settings, "System");
        type(settings, "LS:DATAPATH", QString::fromStdString(target));
        click(settings, "OKBUTTON");

        QCOMPARE(prompter_->last().caption, std::string("Verschieben fehlgeschlagen"));
        QVERIFY(prompter_->last().text.find("QXADRSTR.TPS: Eingabe-/Ausgabefehler") != std::string::npos);
        QVERIFY(app::runningWindow(procs::Settings));
        QCOMPARE(dataFilesIn(before), 9);
        QVERIFY(fs::is_empty(target));
        QCOMPARE(setup("DataPath"), before);
        QCOMPARE(appState().DATAPATH, before);
    }

    void tapiOffStoresAnEmptyPrefix() {
        // A stand-in for the dialler in the program folder.
        const std::string dialler = ws_ + "/velkora-dial";
        std::ofstream(dialler) << "#!/bin/sh\nexit 0\n";
        fs::permissions(dialler, fs::perms::owner_all);
        QWidget* settings = openSettings();
        choosePage(settings, "Optionen");
        auto* tapi = settings->findChild<QCheckBox*>("LN:TAPIDIALING");
        QVERIFY(tapi->isEnabled() && tapi->isChecked()); // the dialler is in the workspace
        QTest::mouseClick(tapi, Qt::LeftButton, {}, QPoint(8, tapi->height() / 2));
        QVERIFY(!settings->findChild<QLineEdit*>("LS:DIALPREFIX")->isEnabled());
        click(settings, "OKBUTTON");
        QCOMPARE(profile::read(startIni(), "DEFAULT", "TAPIDialing"), std::string("0"));
        QCOMPARE(profile::read(startIni(), "DEFAULT", "DialPrefix", "unchanged"), std::string());
    }

    void withoutTheDiallerTapiIsOffAndCannotBeSwitchedOn() {
        fs::remove(ws_ + "/velkora-dial");
        QWidget* settings = openSettings();
        auto* tapi = settings->findChild<QCheckBox*>("LN:TAPIDIALING");
        QVERIFY(!tapi->isChecked());
        QVERIFY(!tapi->isEnabled());
        QVERIFY(!settings->findChild<QLineEdit*>("LS:DIALPREFIX")->isEnabled());
    }

    void aLanguageChangeEndsTheProgramAfterTheRestartMessage() {
        QWidget* settings = openSettings();
        choosePage(settings, "System");
        auto* languages = settings->findChild<QTreeWidget*>("LANGLIST");
        QTest::mouseClick(languages->viewport(), Qt::LeftButton, {},
                          languages->visualItemRect(languages->topLevelItem(1)).center());
        click(settings, "OKBUTTON");
        QCOMPARE(prompter_->last().caption, std::string("Neustart"));
        QVERIFY(applicationEnded());
        QCOMPARE(setup("LangID"), std::string("EN"));
    }

    void okWithoutALanguageStaysOnTheLanguageList() {
        QWidget* settings = openSettings();
        settings->findChild<QTreeWidget*>("LANGLIST")->clearSelection();
        click(settings, "OKBUTTON");
        QVERIFY(app::runningWindow(procs::Settings));
        QVERIFY(shownPage(settings)->isAncestorOf(settings->findChild<QTreeWidget*>("LANGLIST")));
        QVERIFY(!applicationEnded());
    }

    void showAlarmTakesEffectAtOnce() {
        QWidget* settings = openSettings();
        choosePage(settings, "Optionen");
        settings->findChild<QCheckBox*>("LN:SHOWALARM")->click();
        click(settings, "OKBUTTON");
        letClosedWindowsGo();
        QCOMPARE(appState().SHOWALARM, 0);
        QVERIFY(!driver_->action("GN:SHOWALARM")->isChecked());
        QCOMPARE(profile::read(startIni(), "DEFAULT", "ShowAlarm"), std::string("0"));
    }

    void theValueListsAndTheCompanyGoToTheWorkFile() {
        QWidget* settings = openSettings();
        choosePage(settings, "Prioritäten");
        type(settings, "LS:AKTPRI1", "Dringend");
        choosePage(settings, "Eigene Firma");
        type(settings, "LS:MORT", "Köln");
        click(settings, "OKBUTTON");
        QCOMPARE(profile::read(appState().WORKINI, "AKTPRI", "AktPri1"), std::string("Dringend"));
        QCOMPARE(profile::read(appState().WORKINI, "MANDT", "MOrt"), std::string("Köln"));
    }

    void aChosenFolderIsKeptAsChosen() {
        const std::string chosen = ws_ + "/Vorlagen Neu";
        fs::create_directories(chosen);
        QWidget* settings = openSettings();
        choosePage(settings, "System");
        test::whenModal([&chosen](QWidget* dialog) {
            QVERIFY(qobject_cast<QFileDialog*>(dialog));
            // The folder's name typed into the dialog's name line, then Enter.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            type(dialog, "fileNameEdit", QString::fromStdString(chosen));
            QTest::keyClick(name, Qt::Key_Return);
        });
        click(settings, "SELECTTMPLPATH");
        QCOMPARE(settings->findChild<QLineEdit*>("LS:TMPLPATH")->text(), QString::fromStdString(chosen));
        click(settings, "OKBUTTON");
        QCOMPARE(setup("TmplPath"), chosen);
        QCOMPARE(appState().TMPLPATH, chosen);
    }

    void aWorkFolderNeedsItsOrbIniAndEndsTheProgramWhenTaken() {
        const std::string work = ws_ + "/Arbeit";
        dir_->write("Velkora Büro/Arbeit/ORB2.INI", "[AKTPRI]\nAktPri1=Falsch\n");
        QWidget* settings = openSettings();
        choosePage(settings, "System");
        const auto chooseFile = [&](const std::string& file) {
            test::whenModal([file](QWidget* dialog) {
                type(dialog, "fileNameEdit", QString::fromStdString(file));
                QTest::keyClick(dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
            });
            click(settings, "SELECTINI");
        };
        chooseFile(work + "/ORB2.INI");
        QCOMPARE(prompter_->last().caption, std::string("Ungültiger Ordner"));
        QCOMPARE(settings->findChild<QLineEdit*>("LS:WORKPATH")->text().toStdString(), ws_);

        dir_->write("Velkora Büro/Arbeit/ORB.INI", "[AKTPRI]\nAktPri1=Eilig\n");
        chooseFile(work + "/ORB.INI");
        QCOMPARE(settings->findChild<QLineEdit*>("LS:WORKPATH")->text().toStdString(), work);
        QCOMPARE(settings->findChild<QLineEdit*>("LS:AKTPRI1")->text(), QString("Eilig"));
        choosePage(settings, "Prioritäten");
        type(settings, "LS:AKTPRI2", "Mittel");
        click(settings, "OKBUTTON");
        QCOMPARE(prompter_->last().caption, std::string("Neustart"));
        QVERIFY(applicationEnded());
        QCOMPARE(setup("WorkPath"), work);
        // The lists go to the work file they were read from, not to the running one.
        QCOMPARE(profile::read(work + "/ORB.INI", "AKTPRI", "AktPri2"), std::string("Mittel"));
        QCOMPARE(profile::read(startIni(), "AKTPRI", "AktPri2"), std::string("Normal"));
    }

    void cancelWritesNothing() {
        const std::string startFile = test::readFile(startIni());
        QWidget* settings = openSettings();
        choosePage(settings, "System");
        type(settings, "LS:DATAPATH", QString::fromStdString(ws_ + "/Neue Daten"));
        choosePage(settings, "Adressarten");
        type(settings, "LS:ADRART2", "Stammkunde");
        choosePage(settings, "Optionen");
        settings->findChild<QCheckBox*>("LN:SHOWALARM")->click();
        click(settings, "CANCELBUTTON");
        letClosedWindowsGo();
        QVERIFY(!app::runningWindow(procs::Settings));
        QCOMPARE(test::readFile(startIni()), startFile); // the start file is the work file here too
        QCOMPARE(dataFilesIn(ws_ + "/DATA"), 9);
        QCOMPARE(appState().SHOWALARM, 1);
    }
};

QTEST_MAIN(PrgSetsWinTest)
#include "PrgSetsWinTest.moc"
