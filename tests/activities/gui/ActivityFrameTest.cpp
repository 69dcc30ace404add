// The frame's toolbar opens the activity list and the reminder list once
// their window library is registered.

#include "ActivityFixture.h"
#include "activities/gui/AktListWin.h"
#include "activities/gui/RemindListWin.h"
#include "app/gui/MainFrame.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"

#include <QAction>
#include <QMdiArea>
#include <QToolBar>

namespace procs = velkora::app::procedures;

class ActivityFrameTest : public QObject {
    Q_OBJECT
private slots:
    void theToolbarOpensTheActivityAndReminderLists() {
        velkora::test::ActivityFixture f;
        f.addAddress(1, "Meier", "Berlin");
        f.addActivities({{1, 1, 1, 1, {2026, 3, 1}, "Angebot", "", ""}});
        auto& akt = velkora::data::files().QXADRAKT;
        QVERIFY(velkora::data::OpenRecordFile(akt));
        akt.rec.AKTID = 1;
        QCOMPARE(akt.get(*velkora::data::Activity::table().key("QXADRAK6")), 0);
        akt.rec.ERLIST = 1;
        akt.rec.EDATUM = akt.rec.DATUM;
        QCOMPARE(akt.put(), 0);
        velkora::data::CloseRecordFile(akt);
        velkora::activities::registerActivityWindows();

        velkora::app::MainFrame frame({});
        frame.open();
        auto* bar = frame.findChild<QToolBar*>("TOOLBAR");
        QTest::mouseClick(bar->widgetForAction(frame.command("AKTBUTTON")), Qt::LeftButton);
        QVERIFY(
            qobject_cast<velkora::activities::AktListWin*>(velkora::app::runningWindow(procs::ActivityList)));
        QVERIFY(!frame.command("AKTBUTTON")->isEnabled());
        QTest::mouseClick(bar->widgetForAction(frame.command("REMINDER")), Qt::LeftButton);
        auto* reminders = qobject_cast<velkora::activities::RemindListWin*>(
            velkora::app::runningWindow(procs::ReminderList));
        QVERIFY(reminders);
        QCOMPARE(reminders->rows().size(), std::size_t{1});
        frame.mdiArea()->closeAllSubWindows();
        frame.close();
    }
};

QTEST_MAIN(ActivityFrameTest)
#include "ActivityFrameTest.moc"
