// The activity list driven as a user drives it: its two tabs, following the
// address list, the lamps and computed columns, the locator and opening a
// document.

#include "activities/gui/AktListWin.h"

#include "ActivityFixture.h"
#include "ListDriver.h"
#include "ModalDriver.h"
#include "SortIndexes.h"
#include "activities/gui/DocumentOpener.h"
#include "addresses/gui/AdrListWin.h"
#include "addresses/gui/AlarmWin.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "reference/gui/ReferenceWindows.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

using velkora::test::ActivityFixture;
namespace activities = velkora::activities;

namespace {

enum DisplayColumn { Lamp = 0, DateTime = 1, Kind = 2, Title = 3, Remark = 4, Address = 5, Doc = 6 };

struct ListFixture : ActivityFixture, velkora::test::ListDriver<activities::AktListWin> {
    ListFixture() {
        addAddress(1, "Meier", "Berlin");
        addAddress(2, "Schulz", "Bonn");
        addActivities({
            {1, 1, 1, 1, {2026, 3, 1}, "Angebot", "Zeile 1\r\nZeile 2", "Angebot.doc"},
            {2, 2, 2, 2, {2026, 3, 5}, "Rückruf", "", ""},
            {3, 1, 3, 3, {2026, 3, 9}, "Besuch", "", ""},
            {4, 2, 2, 254, {2026, 3, 3}, "Notiz", "", ""},
        });
        velkora::activities::desktopOpener() = [this](const QString& path) { opened << path; };
    }
    ~ListFixture() {
        closeWindow();
        velkora::activities::desktopOpener() = desktop;
    }
    activities::AktListWin* openWindow() { return showWindow(std::make_unique<activities::AktListWin>()); }
    // The row whose title is `title` becomes the selection.
    void selectTitle(const QString& title) {
        for (int r = 0; r < rows(); ++r)
            if (cell(r, Title) == title) {
                QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                                  table()->visualRect(table()->model()->index(r, Title)).center());
                return;
            }
        QFAIL("no such row");
    }
    int lampOf(int row) const {
        const QIcon icon = table()->model()->index(row, Lamp).data(Qt::DecorationRole).value<QIcon>();
        const auto& icons = window->declaration().icons;
        for (std::size_t i = 0; i < icons.size(); ++i)
            if (icons[i].cacheKey() == icon.cacheKey())
                return static_cast<int>(i) + 1;
        return 0;
    }
    QStringList opened;
    const std::function<void(const QString&)> desktop = velkora::activities::desktopOpener();
};

} // namespace

class AktListWinTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void withoutAnAddressAllActivitiesShowNewestFirst() {
        ListFixture f;
        QVERIFY(f.openWindow());
        QCOMPARE(f.control<QTabWidget>("CURRENTTAB")->currentIndex(), 1);
        QCOMPARE(f.window->windowTitle(), QString("Aktivitäten"));
        QVERIFY(!f.control("LN:ALLADRESS")->isEnabled());
        QCOMPARE(f.column(Title), QStringList({"Besuch", "Rückruf", "Notiz", "Angebot"}));
        QCOMPARE(f.cell(0, DateTime), QString("09.03.2026 10:30"));
        // Only two kinds are defined: kind 3 shows blank.
        QCOMPARE(f.column(Kind), QStringList({"", "Anruf", "Anruf", "Brief"}));
        QCOMPARE(f.cell(3, Remark), QString("Zeile 1 Zeile 2"));
        QCOMPARE(f.cell(3, Address), QString("Meier , D 10115 Berlin, Weg 1"));
        // Lamps as registered: 1 orange, 2 off, 3 red, 4 yellow.
        QCOMPARE(f.lampOf(0), 4);
        QCOMPARE(f.lampOf(1), 1);
        QCOMPARE(f.lampOf(2), 2);
        QCOMPARE(f.lampOf(3), 3);
    }

    void everyColumnSortsByAnIndexTheFileWasMadeWith() {
        ListFixture f;
        QCOMPARE(velkora::test::sortsWithoutIndex(activities::activityListDeclaration({}),
                                                  velkora::data::files().QXADRAKT),
                 QStringList());
    }

    void followsTheAddressListAndSwitchesToAll() {
        ListFixture f;
        velkora::appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QCOMPARE(f.control<QTabWidget>("CURRENTTAB")->currentIndex(), 0);
        QCOMPARE(f.window->windowTitle(), QString("Aktivitäten [Meier , D 10115 Berlin]"));
        QCOMPARE(f.column(Title), QStringList({"Besuch", "Angebot"}));
        // The address form renames the address; the address list tells the followers.
        auto& adr = velkora::data::files().QXADRESS;
        QVERIFY(velkora::data::OpenRecordFile(adr));
        adr.rec.ADRNR = 1;
        QCOMPARE(adr.get(*velkora::data::Address::table().key("QXADRES1")), 0);
        adr.rec.NAME1 = "Meyer";
        QCOMPARE(adr.put(), 0);
        velkora::data::CloseRecordFile(adr);
        QCoreApplication::postEvent(f.window.get(), new QEvent(velkora::app::RefreshEvent));
        QTRY_COMPARE(f.cell(0, Address), QString("Meyer , D 10115 Berlin, Weg 1"));
        // The address list selects another address and tells the followers.
        velkora::appState().ADRNR = 2;
        QCoreApplication::postEvent(f.window.get(), new QEvent(velkora::app::RefreshEvent));
        QTRY_COMPARE(f.column(Title), QStringList({"Rückruf", "Notiz"}));
        QCOMPARE(f.window->windowTitle(), QString("Aktivitäten [Schulz , D 10115 Bonn]"));
        auto* all = f.control<QCheckBox>("LN:ALLADRESS");
        QVERIFY(all->isEnabled());
        QTest::mouseClick(all, Qt::LeftButton, {}, QPoint(4, all->height() / 2));
        QVERIFY(f.window->allAddresses());
        QCOMPARE(f.rows(), 4);
        QCOMPARE(f.window->windowTitle(), QString("Aktivitäten"));
        // While all are shown the list does not follow.
        velkora::appState().ADRNR = 1;
        QCoreApplication::postEvent(f.window.get(), new QEvent(velkora::app::RefreshEvent));
        QCoreApplication::processEvents();
        QCOMPARE(f.rows(), 4);
        QTest::mouseClick(all, Qt::LeftButton, {}, QPoint(4, all->height() / 2));
        QCOMPARE(f.column(Title), QStringList({"Besuch", "Angebot"}));
    }

    void aKindIsLocatedByItsFirstLetters() {
        ListFixture f;
        QVERIFY(f.openWindow());
        f.clickHeader(Kind);
        QCOMPARE(f.column(Kind), QStringList({"Brief", "Anruf", "Anruf", ""}));
        auto* entry = f.control<QLineEdit>("LS:SEARCHSTRING");
        entry->setText("an");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(f.selectedText(Kind), QString("Anruf"));
        f.clickHeader(DateTime);
        entry->setText("04.03.2026");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(f.selectedText(Title), QString("Rückruf"));
    }

    void anAlarmShowsItsRemarkAndTheButtonsOpenPrintAndMaterial() {
        ListFixture f;
        velkora::addresses::registerAddressWindows();
        velkora::reference::registerReferenceWindows();
        f.addActivities({{5, 1, 1, 254, {2026, 4, 1}, "Wichtig", "Achtung: Mahnung", ""}});
        auto& akt = velkora::data::files().QXADRAKT;
        QVERIFY(velkora::data::OpenRecordFile(akt));
        akt.rec.AKTID = 5;
        QCOMPARE(akt.get(*velkora::data::Activity::table().key("QXADRAK6")), 0);
        akt.rec.ALARM = "1";
        QCOMPARE(akt.put(), 0);
        velkora::data::CloseRecordFile(akt);
        QVERIFY(f.openWindow());
        f.selectTitle("Besuch");
        f.selectTitle("Wichtig");
        QVERIFY(velkora::app::runningWindow(velkora::app::procedures::Alarm) != nullptr);
        QCOMPARE(velkora::addresses::alarmText(), std::string("Achtung: Mahnung"));
        f.selectTitle("Besuch");
        QTRY_VERIFY(velkora::app::runningWindow(velkora::app::procedures::Alarm) == nullptr);

        // Print opens the list's selection on the selected activity; cancelled, nothing prints.
        bool selection = false;
        velkora::test::whenModal([&selection](QWidget* window) {
            selection = window->objectName() == "AktListSelectWin";
            QVERIFY(window->findChild<QCheckBox*>("LN:SELRECONLY")->isEnabled());
            QVERIFY(window->findChild<QCheckBox*>("LN:ALLADRESS")->isChecked());
            QTest::mouseClick(window->findChild<QPushButton*>("CANCEL"), Qt::LeftButton);
        });
        QTest::mouseClick(f.control<QPushButton>("PRNLIST"), Qt::LeftButton);
        QVERIFY(selection);
        QCOMPARE(f.prompter.prompts().size(), std::size_t{0});
        QTest::mouseClick(f.control<QPushButton>("BUTTONAPRLIST"), Qt::LeftButton);
        QWidget* sent = velkora::app::runningWindow(velkora::app::procedures::MaterialSentList);
        QVERIFY(sent != nullptr);
        QCOMPARE(sent->findChild<QTabWidget*>("CURRENTTAB")->currentWidget()->objectName(),
                 QString("TABAKT"));
        sent->close();
    }

    void theSelectedActivityNamesItsContact() {
        ListFixture f;
        auto& tkp = velkora::data::files().QXADRTKP;
        QVERIFY(velkora::data::OpenRecordFile(tkp));
        tkp.clear();
        tkp.rec.ADRNR = 1;
        tkp.rec.TKPNR = 3;
        tkp.rec.NAME1 = "Eva";
        tkp.rec.NAME2 = "Berg";
        tkp.rec.KTART = 1;
        tkp.rec.ABTPOS = "Einkauf";
        QCOMPARE(tkp.add(), 0);
        velkora::data::CloseRecordFile(tkp);
        f.addActivities({{5, 1, 1, 254, {2026, 1, 5}, "Mit Kontakt", "", "", 3}});
        QVERIFY(f.openWindow());
        auto* contact = f.control<QLabel>("LS:TMPSTRING");
        f.selectTitle("Mit Kontakt");
        QCOMPARE(contact->text(), QString("Eva Berg, Chef Einkauf"));
        f.selectTitle("Besuch");
        QCOMPARE(contact->text(), QString());
    }

    void opensOnlyPlainDocuments() {
        ListFixture f;
        const std::string letter = f.dir.write("DOCS/Angebot.doc", "x");
        const std::string elsewhere = f.dir.write("Fremd.odt", "x");
        const std::string script =
            f.dir.write("DOCS/boese.sh", "#!/bin/sh\ntouch " + f.dir.file("ran") + "\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
        f.addActivities({{5, 1, 1, 254, {2026, 2, 1}, "Fremd", "", elsewhere},
                         {6, 1, 1, 254, {2026, 1, 1}, "Skript", "", "boese.sh"}});
        QVERIFY(f.openWindow());
        auto* open = f.control<QPushButton>("OPENBUTTON");
        f.selectTitle("Besuch");
        QVERIFY(!open->isEnabled());
        f.selectTitle("Angebot");
        QVERIFY(open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
        f.selectTitle("Fremd");
        QTest::mouseClick(open, Qt::LeftButton);
        f.selectTitle("Skript");
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(f.opened, QStringList({QString::fromStdString(letter), QString::fromStdString(elsewhere)}));
        QVERIFY(!std::filesystem::exists(f.dir.file("ran")));
        QVERIFY(f.prompter.prompts().empty());
    }
};

QTEST_MAIN(AktListWinTest)
#include "AktListWinTest.moc"
