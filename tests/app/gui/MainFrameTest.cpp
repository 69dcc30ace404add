#include "app/gui/MainFrame.h"

#include "../../i18n/MemoryTranslationTable.h"
#include "FrameFixture.h"
#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "app/gui/GuiApplicationEnd.h"
#include "app/gui/Procedures.h"
#include "app/gui/ProgramPrinter.h"
#include "app/gui/WindowPosition.h"
#include "shared/ApplicationEnd.h"
#include "shared/Clock.h"
#include "shared/ProfileFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

using namespace velkora;
namespace procs = velkora::app::procedures;

class MainFrameTest : public QObject {
    Q_OBJECT

    test::TempDir dir_;

    static QStringList openTitles(app::MainFrame& frame) {
        QStringList titles;
        for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList())
            titles << sub->widget()->windowTitle();
        return titles;
    }

private slots:
    void init() { test::useStartFolder(dir_); }

    void singleInstanceWindowDisablesItsCommandsWhileOpen() {
        test::FakeWindows windows({procs::AddressList});
        app::MainFrame frame({});
        QAction* item = frame.command("ADRESSLIST");
        QAction* button = frame.command("ADRBUTTON");
        QVERIFY(item->isEnabled() && button->isEnabled());

        item->trigger();
        QVERIFY(!item->isEnabled());
        QVERIFY(!button->isEnabled());
        // A second start (the open reminder list and calendar are notified the same way).
        app::openWindow(procs::AddressList);
        QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(windows.opened.size(), size_t(1));
        QCoreApplication::processEvents();
        QCOMPARE(static_cast<test::FakeList*>(app::runningWindow(procs::AddressList))->notifications, 1);

        frame.mdiArea()->closeAllSubWindows();
        test::flushClosedWindows();
        QVERIFY(item->isEnabled() && button->isEnabled());
    }

    void everySingleInstanceWindowHasItsCommands() {
        const std::vector<std::pair<std::string, QStringList>> table = {
            {procs::Settings, {"PRGSET"}},
            {procs::ContactList, {"TKPBUTTON", "ADRESSTKPLIST"}},
            {procs::ActivityList, {"AKTBUTTON", "ADRESSAKTLIST"}},
            {procs::ReminderList, {"REMINDER"}},
            {procs::DocumentPreparation, {"PRNBUTTON"}},
            {procs::TranslationList, {"SERVICETRANSLATION"}},
        };
        for (const auto& [procedure, commands] : table) {
            test::FakeWindows windows({procedure});
            app::MainFrame frame({});
            app::openWindow(procedure);
            for (const QString& name : commands)
                QVERIFY2(!frame.command(name.toLatin1())->isEnabled(), qPrintable(name));
            QVERIFY(frame.command("ADRBUTTON")->isEnabled());
        }
    }

    // The calendar's button stays in use: a second press brings the open
    // calendar forward. The calendar floats over the frame, is not one of
    // the windows a form makes wait, and closes with the frame.
    void theCalendarFloatsOverTheFrameAndServesAForm() {
        app::registerWindow(procs::Calendar, app::Instances::Single, [] {
            auto* calendar = new test::FakeList(procs::Calendar);
            calendar->setWindowFlags(Qt::Tool);
            return calendar;
        });
        const auto forget = qScopeGuard([] { app::clearWindowRegistry(); });
        app::MainFrame frame({});
        frame.open();
        frame.command("CALENDAR")->trigger();
        auto* calendar = static_cast<test::FakeList*>(app::runningWindow(procs::Calendar));
        QVERIFY(calendar && calendar->isVisible() && calendar->isWindow());
        QCOMPARE(calendar->parentWidget(), &frame);
        QVERIFY(frame.mdiArea()->subWindowList().isEmpty());
        QVERIFY(frame.command("CALENDAR")->isEnabled());
        frame.command("CALENDAR")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(calendar->notifications, 1);
        QCOMPARE(app::openProcedures(), std::vector<std::string>{procs::Calendar});

        QWidget form;
        form.show();
        bool calendarServes = false;
        {
            app::ModalRun run(&form);
            calendarServes = calendar->isEnabled() && frame.command("CALENDAR")->isEnabled() &&
                             !frame.command("ADRBUTTON")->isEnabled();
        }
        QVERIFY(calendarServes);
        QVERIFY(frame.command("ADRBUTTON")->isEnabled());
        QPointer<QWidget> closing = calendar;
        frame.close();
        QVERIFY(closing == nullptr || !closing->isVisible());
        QCOMPARE(profile::read(app::windowFile(), procs::Calendar, "Maximize"), std::string("No"));
    }

    void commandWithoutWindowShowsProcedureToDo() {
        test::ScriptedPrompter prompter;
        app::MainFrame frame({});
        frame.command("TKPBUTTON")->trigger();
        QCOMPARE(prompter.prompts().size(), size_t(1));
        QCOMPARE(prompter.last().text, std::string("qxTKPList|The Procedure has not been defined."));
        QCOMPARE(prompter.last().caption, std::string("Procedure not defined"));
        QVERIFY(frame.mdiArea()->subWindowList().isEmpty());
    }

    void placeListFollowsAdrStrExt() {
        test::FakeWindows windows({procs::PlaceList, procs::PlaceListWithStreets}, app::Instances::Multiple);
        app::MainFrame frame({});
        frame.command("ORTLIST")->trigger();
        profile::write(appState().STARTINI, "DEFAULT", "AdrStrExt", "1");
        frame.command("ORTLIST")->trigger();
        frame.command("ORTLIST")->trigger(); // lists of reference data run more than once
        QCOMPARE(windows.opened, (std::vector<std::string>{procs::PlaceList, procs::PlaceListWithStreets,
                                                           procs::PlaceListWithStreets}));
    }

    void toolBarNavZeroHidesOnlyTheNavigationButtons() {
        app::MainFrame hidden(app::StartSwitches{0});
        hidden.open();
        QVERIFY(!hidden.findChild<QToolBar*>("NAVGROUP")->isVisible());
        auto* windows = hidden.findChild<QToolBar*>("TOOLBAR");
        QVERIFY(windows->isVisible());
        for (const char* name : {"ADRBUTTON", "TKPBUTTON", "AKTBUTTON", "REMINDER", "CALENDAR"})
            QVERIFY(windows->widgetForAction(hidden.command(name))->isVisible());

        for (QToolBar* bar : hidden.findChildren<QToolBar*>())
            for (QAction* action : bar->actions())
                if (!action->isSeparator())
                    QVERIFY2(!action->icon().pixmap(24).isNull(), qPrintable(action->objectName()));
        QVERIFY(!hidden.windowIcon().isNull());

        app::MainFrame shown(app::StartSwitches{1});
        shown.open();
        QVERIFY(shown.findChild<QToolBar*>("NAVGROUP")->isVisible());
        hidden.close();
        shown.close();
    }

    void startUpRequestsTheReminderListBeforeTheAddressList() {
        test::FakeWindows windows({procs::AddressList, procs::ReminderList});
        app::StartSwitches switches;
        switches.openAdrList = true;
        switches.openRmdList = true;
        app::MainFrame frame(switches);
        frame.open();
        QVERIFY(windows.opened.empty()); // requested once the event loop runs
        QCoreApplication::processEvents();
        QCOMPARE(windows.opened, (std::vector<std::string>{procs::ReminderList, procs::AddressList}));
        frame.close();
    }

    void settingsCloseEveryOtherWindowFirst() {
        test::FakeWindows windows(
            {procs::AddressList, procs::ContactList, procs::ActivityList, procs::Settings});
        test::FakeWindows lists({procs::CountryList}, app::Instances::Multiple);
        app::MainFrame frame({});
        for (const char* name : {"ADRBUTTON", "TKPBUTTON", "AKTBUTTON", "LANDLIST", "LANDLIST"})
            frame.command(name)->trigger();
        QCOMPARE(frame.mdiArea()->subWindowList().size(), 5);
        frame.command("PRGSET")->trigger();
        test::flushClosedWindows();
        QCOMPARE(openTitles(frame), QStringList{procs::Settings});
        QVERIFY(!frame.command("PRGSET")->isEnabled());
        QVERIFY(frame.command("ADRBUTTON")->isEnabled());
    }

    // New settings need a restart: the program ends as on Exit, with the frame's place kept.
    void aRestartTheUserChoseClosesTheFrameAsExitDoes() {
        test::ScriptedPrompter prompter;
        app::installGuiApplicationEnd();
        const auto restore = qScopeGuard([] {
            setApplicationEndHandler({});
            resetApplicationEnded();
        });
        app::MainFrame frame({});
        frame.open();
        std::filesystem::remove(app::windowFile());
        endApplication("");
        QVERIFY(!frame.isVisible());
        QVERIFY(prompter.prompts().empty());
        QVERIFY(!profile::read(app::windowFile(), "Main", "Width").empty());
    }

    void currentAddressIsResetWhenNoListIsOpen() {
        test::FakeWindows windows({procs::AddressList, procs::Calendar});
        app::MainFrame frame({});
        app::openWindow(procs::AddressList);
        app::openWindow(procs::Calendar);
        appState().ADRNR = 17;
        appState().TKPNR = 2;
        QMetaObject::invokeMethod(
            &frame, [] {}, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QCOMPARE(appState().ADRNR, 17);
        app::runningWindow(procs::AddressList)->close();
        test::flushClosedWindows();
        QCOMPARE(appState().ADRNR, 0);
        QCOMPARE(appState().TKPNR, 0);
    }

    void navigationButtonsGoToTheActiveChild() {
        test::FakeWindows windows({procs::AddressList, procs::ContactList});
        app::MainFrame frame({});
        frame.open();
        auto* addresses = static_cast<test::FakeList*>(app::openWindow(procs::AddressList));
        auto* contacts = static_cast<test::FakeList*>(app::openWindow(procs::ContactList));
        frame.mdiArea()->setActiveSubWindow(frame.mdiArea()->subWindowList().at(1));
        frame.command("TBARBRWDOWN")->trigger();
        frame.command("TBARBRWINSERT")->trigger();
        frame.mdiArea()->setActiveSubWindow(frame.mdiArea()->subWindowList().at(0));
        frame.command("TBARBRWBOTTOM")->trigger();
        QCOMPARE(contacts->codes, (std::vector<int>{app::NavDown, app::NavInsert}));
        QCOMPARE(addresses->codes, (std::vector<int>{app::NavBottom}));

        // A form on top of its list takes the presses while it runs.
        test::FakeList form("form");
        {
            app::NavigationOverride over(&form);
            frame.command("TBARBRWTOP")->trigger();
        }
        frame.command("TBARBRWHELP")->trigger();
        QCOMPARE(form.codes, (std::vector<int>{app::NavTop}));
        QCOMPARE(addresses->codes, (std::vector<int>{app::NavBottom, app::NavHelp}));

        // Windows set the buttons' state and tips through the frame.
        app::frameNavigation()->setNavigationEnabled(app::NavDelete, false);
        app::frameNavigation()->setNavigationToolTip(app::NavInsert, "neuen Datensatz anlegen");
        QVERIFY(!frame.command("TBARBRWDELETE")->isEnabled());
        QCOMPARE(frame.command("TBARBRWINSERT")->toolTip(), QString("neuen Datensatz anlegen"));
        frame.close();
    }

    void navigationCodesOfTheButtons() {
        app::MainFrame frame({});
        const std::vector<std::pair<const char*, int>> codes = {
            {"TBARBRWINSERT", 2000},   {"TBARBRWCHANGE", 2001}, {"TBARBRWDELETE", 2002},
            {"TBARBRWSELECT", 2003},   {"TBARBRWBOTTOM", 2004}, {"TBARBRWTOP", 2005},
            {"TBARBRWPAGEDOWN", 2006}, {"TBARBRWPAGEUP", 2007}, {"TBARBRWDOWN", 2008},
            {"TBARBRWUP", 2009},       {"TBARBRWLOCATE", 2010}, {"TBARBRWHISTORY", 2011},
            {"TBARBRWHELP", 2012}};
        for (const auto& [name, code] : codes) {
            app::frameNavigation()->setNavigationEnabled(code, false);
            QVERIFY2(!frame.command(name)->isEnabled(), name);
        }
    }

    void statusBarShowsDatePathsAndTime() {
        FixedClock clock({{2026, 12, 6}, {9, 5, 30, 0}});
        appState().WORKPATH = "/srv/velkora";
        app::MainFrame frame({});
        QCOMPARE(frame.findChild<QLabel*>("DATE")->text(), QString("06.12.2026"));
        QCOMPARE(frame.findChild<QLabel*>("TIME")->text(), QString("09:05"));
        QCOMPARE(frame.findChild<QLabel*>("QXWORKPATH")->text(), QString("/srv/velkora"));
        QCOMPARE(frame.findChild<QLabel*>("LS:ACTPATH")->text(), QDir::currentPath());
    }

    void editCommandsWorkOnTheFocusedField() {
        test::FakeWindows windows({procs::AddressList});
        app::MainFrame frame({});
        frame.open();
        QWidget* list = app::openWindow(procs::AddressList);
        auto* entry = new QLineEdit("Hallo", list);
        entry->show();
        QApplication::setActiveWindow(&frame);
        entry->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return entry->hasFocus(); }));
        entry->selectAll();
        frame.command("CUT")->trigger();
        QCOMPARE(entry->text(), QString());
        frame.command("PASTE")->trigger();
        frame.command("PASTE")->trigger();
        QCOMPARE(entry->text(), QString("HalloHallo"));
        frame.close();
    }

    void alarmItemIsBoundToShowAlarm() {
        appState().SHOWALARM = 1;
        app::MainFrame frame({});
        QAction* alarm = frame.command("GN:SHOWALARM");
        QVERIFY(alarm->isChecked());
        alarm->trigger();
        QCOMPARE(int(appState().SHOWALARM), 0);
        alarm->trigger();
        QCOMPARE(int(appState().SHOWALARM), 1);
    }

    void englishTableGivesAnEnglishFrame() {
        test::MemoryTranslations mem;
        mem.put("P.19_FILE", "&File");
        mem.put("P.20_ADRESSENLISTE", "Address list");
        mem.put("P.19_ZUSATZDATEN", "Reference data");
        mem.put("P.20_ADRESSENLISTE", "Address list");
        mem.put("P.20_KONTAKTE", "Contacts");
        mem.put("P.25_REMINDLISTWIN", "Reminders");
        mem.put("P.09_LOCATE RECORD", "Locate record", "Locate a record");
        app::MainFrame frame({});
        frame.open();
        QCOMPARE(frame.findChild<QMenu*>("FILE")->title(), QString("&File"));
        QCOMPARE(frame.findChild<QMenu*>("ADRESSENZUSATZDATEN")->title(), QString("Reference data"));
        QCOMPARE(frame.command("ADRESSLIST")->text(), QString("Address list"));
        QCOMPARE(frame.command("ADRBUTTON")->toolTip(), QString("Address list"));
        QCOMPARE(frame.command("TKPBUTTON")->toolTip(), QString("Contacts"));
        QCOMPARE(frame.command("REMINDER")->toolTip(), QString("Reminders"));
        QCOMPARE(frame.command("CALENDAR")->toolTip(), QString("Kalender")); // kept when the key is missing
        QCOMPARE(frame.command("TBARBRWLOCATE")->toolTip(), QString("Locate a record"));
        frame.close();
    }

    void windowButtonTipsShowNoShortcutMarker() {
        test::MemoryTranslations mem;
        mem.put("P.20_AKTIVITAETEN", "Akti&vitäten");
        mem.put("P.20_KONTAKTE", "Kontakte && Personen");
        app::MainFrame frame({});
        frame.open();
        QCOMPARE(frame.command("ADRESSAKTLIST")->text(),
                 QString("Akti&vitäten")); // the menu keeps its shortcut
        QCOMPARE(frame.command("AKTBUTTON")->toolTip(), QString("Aktivitäten"));
        QCOMPARE(frame.command("TKPBUTTON")->toolTip(), QString("Kontakte & Personen"));
        frame.close();
    }

    void printSetupChoosesThePrinterTheProgramPrintsOn() {
        const app::PrinterSetupDialog platformDialog = app::printerSetupDialog();
        const auto restore = qScopeGuard([&] { app::printerSetupDialog() = platformDialog; });
        std::vector<QPrinter*> offered;
        app::printerSetupDialog() = [&](QPrinter& printer, QWidget*) {
            offered.push_back(&printer);
            printer.setPageOrientation(QPageLayout::Landscape);
            printer.setPageSize(QPageSize(QPageSize::A5));
            return true;
        };
        app::MainFrame frame({});
        frame.command("PRINTSETUP")->trigger();
        QCOMPARE(offered, std::vector<QPrinter*>{&app::programPrinter()});
        QCOMPARE(app::programPrinter().pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(app::programPrinter().pageLayout().pageSize().id(), QPageSize::A5);
        // The next set-up starts from that choice, on the same printer.
        frame.command("PRINTSETUP")->trigger();
        QCOMPARE(offered.size(), std::size_t{2});
        QCOMPARE(offered.back(), &app::programPrinter());
    }

    void printSetupIsThePrintDialogOnTheProgramPrinter() {
        app::MainFrame frame({});
        frame.open();
        QString shown;
        test::whenModal([&shown](QWidget* dialog) {
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            QVERIFY(print != nullptr);
            QCOMPARE(print->printer(), &app::programPrinter());
            shown = print->windowTitle();
            print->reject();
        });
        frame.command("PRINTSETUP")->trigger();
        QCOMPARE(shown, QString("Print Setup"));
        frame.close();
    }

    void writeTrlCollectsTheFrameKeys() {
        test::MemoryTranslations mem;
        appState().WRITETRL = 1;
        app::MainFrame frame({});
        frame.open();
        for (const char* key : {"P.24_VELKORA", "P.19_FILE", "P.20_SETTINGS...", "P.20_ADRESSENLISTE",
                                "P.19_ZUSATZDATEN", "P.20_LAENDER", "P.19_HELP", "P.20_HOW TO USE HELP",
                                "P.09_LOCATE RECORD", "P.09_DOKUMENT ERSTELLEN"})
            QVERIFY2(mem.find(key) != nullptr, key);
        QVERIFY(mem.find("P.01_" + QDir::currentPath().toUpper().left(27).toStdString()) == nullptr);
        frame.close();
    }

    void closingSavesTheFramePositionAndOpeningRestoresIt() {
        {
            app::MainFrame frame({});
            frame.open();
            frame.setGeometry(40, 50, 900, 640);
            QVERIFY(frame.close());
        }
        const std::string ini = dir_.file("ORBWin.INI");
        QCOMPARE(profile::read(ini, "Main", "Maximize"), std::string("No"));
        QCOMPARE(profile::readInt(ini, "Main", "Width"), 900L);
        QCOMPARE(profile::readInt(ini, "Main", "Height"), 640L);
        app::MainFrame again({});
        again.open();
        QCOMPARE(again.size(), QSize(900, 640));
        again.close();
    }

    void childWindowsKeepTheirPlace() {
        test::FakeWindows windows({procs::AddressList});
        app::MainFrame frame({});
        frame.resize(1000, 800);
        frame.open();
        QWidget* list = app::openWindow(procs::AddressList);
        auto* sub = qobject_cast<QMdiSubWindow*>(list->parentWidget());
        sub->setGeometry(30, 20, 400, 300);
        sub->close();
        test::flushClosedWindows();
        const std::string ini = dir_.file("ORBWin.INI");
        QCOMPARE(profile::readInt(ini, procs::AddressList, "XPosit"), 30L);
        QCOMPARE(profile::readInt(ini, procs::AddressList, "Width"), 400L);
        list = app::openWindow(procs::AddressList);
        QCOMPARE(list->parentWidget()->geometry(), QRect(30, 20, 400, 300));
        frame.close();
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
