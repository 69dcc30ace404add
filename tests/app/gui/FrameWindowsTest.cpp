// Every window the frame starts, on the demo workspace in German, fits the
// frame at its first size, and the arrangements of the Window menu keep
// every window in sight.

#include "DemoStart.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "app/gui/MainFrame.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "shared/AppState.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace velkora;
namespace procs = velkora::app::procedures;

namespace {

// The windows as the frame's commands start them.
const char* const kWindows[] = {procs::AddressList,
                                procs::ContactList,
                                procs::PlaceListWithStreets,
                                procs::PlaceList,
                                procs::CountryList,
                                procs::IndustryList,
                                procs::Alarm,
                                procs::ActivityList,
                                procs::ReminderList,
                                procs::MaterialList,
                                procs::MaterialSentList,
                                procs::TranslationList,
                                procs::MailMergeSelection,
                                procs::MailMergeList,
                                procs::MailingList,
                                procs::DocumentPreparation,
                                procs::TemplateService,
                                procs::MailFields,
                                procs::Mail,
                                procs::Settings,
                                procs::DataImport,
                                procs::DataExport};

// What is wrong with the place of the frame's windows: out of sight, or smaller than they need.
QStringList misplaced(app::MainFrame& frame) {
    QStringList wrong;
    const QRect area = frame.mdiArea()->viewport()->rect();
    for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList()) {
        const QString name = sub->widget()->objectName();
        if (!area.contains(sub->geometry()))
            wrong << name + " out of sight";
        const QSize size = sub->widget()->size();
        const QSize needed = sub->widget()->minimumSizeHint();
        if (size.width() < needed.width() || size.height() < needed.height())
            wrong << QString("%1 smaller than it needs (%2x%3 < %4x%5)")
                         .arg(name)
                         .arg(size.width())
                         .arg(size.height())
                         .arg(needed.width())
                         .arg(needed.height());
    }
    return wrong;
}

} // namespace

class FrameWindowsTest : public QObject {
    Q_OBJECT

    test::TempDir dir_;
    test::ScriptedPrompter prompter_;
    app::StartSwitches switches_;

private slots:
    void initTestCase() {
        std::string error;
        const auto switches = test::startOnDemoWorkspace(dir_.file("demo"), error);
        QVERIFY2(switches, error.c_str());
        switches_ = *switches;
    }

    void everyWindowFitsTheFrameAndStaysInSightWhenArranged() {
        app::MainFrame frame(switches_);
        const auto closeFrame = qScopeGuard([&frame] { frame.close(); });
        frame.open();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (const char* procedure : kWindows) {
            QVERIFY2(app::openWindow(procedure) != nullptr, procedure);
            QCoreApplication::processEvents();
            QVERIFY2(misplaced(frame).isEmpty(), qPrintable(misplaced(frame).join(", ")));
        }
        for (const char* arrangement : {"TILE", "CASCADE"}) {
            frame.command(arrangement)->trigger();
            QCoreApplication::processEvents();
            QVERIFY2(misplaced(frame).isEmpty(),
                     qPrintable(arrangement + (": " + misplaced(frame).join(", "))));
        }
    }

    // Two wide lists do not fit beside each other: tiled, they lie one above the other.
    void tiledWideListsShareTheAreaWithoutOverlapping() {
        app::MainFrame frame(switches_);
        const auto closeFrame = qScopeGuard([&frame] { frame.close(); });
        frame.open();
        QWidget* addresses = app::openWindow(procs::AddressList);
        QWidget* contacts = app::openWindow(procs::ContactList);
        QVERIFY(addresses != nullptr && contacts != nullptr);
        frame.command("TILE")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(misplaced(frame), QStringList());
        const QRect upper = addresses->parentWidget()->geometry();
        const QRect lower = contacts->parentWidget()->geometry();
        QVERIFY(!upper.intersects(lower));
        QCOMPARE(upper.width(), frame.mdiArea()->viewport()->width());
        QVERIFY(upper.height() + lower.height() >= frame.mdiArea()->viewport()->height() - 1);
    }
};

QTEST_MAIN(FrameWindowsTest)
#include "FrameWindowsTest.moc"
