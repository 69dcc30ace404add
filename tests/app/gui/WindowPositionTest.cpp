#include "app/gui/WindowPosition.h"

#include "TempDir.h"
#include "shared/ProfileFile.h"

#include <QTest>
#include <QWidget>

using namespace velkora;

class WindowPositionTest : public QObject {
    Q_OBJECT

    test::TempDir dir_;
    std::string ini() const { return dir_.file("ORBWin.INI"); }

private slots:
    void init() { std::filesystem::remove(ini()); }

    void savedPositionIsRestored() {
        QWidget window;
        window.setGeometry(100, 80, 500, 300);
        app::SaveWindowPosition(&window, "qxPrgSets", ini());
        QCOMPARE(profile::read(ini(), "qxPrgSets", "Maximize"), std::string("No"));
        QCOMPARE(profile::readInt(ini(), "qxPrgSets", "XPosit"), 100L);
        QCOMPARE(profile::readInt(ini(), "qxPrgSets", "YPosit"), 80L);

        QWidget again;
        again.resize(200, 100);
        app::RestoreWindowPosition(&again, "qxPrgSets", ini());
        QCOMPARE(again.geometry(), QRect(100, 80, 500, 300));
    }

    void minimisedWindowWritesNothing() {
        profile::write(ini(), "qxAdrAkt", "XPosit", "7");
        QWidget window;
        window.showMinimized();
        app::SaveWindowPosition(&window, "qxAdrAkt", ini());
        QCOMPARE(profile::readInt(ini(), "qxAdrAkt", "XPosit"), 7L);
        QCOMPARE(profile::read(ini(), "qxAdrAkt", "Maximize", "none"), std::string("none"));
    }

    void maximisedWindowSavesItsNormalPlaceAndComesBackMaximised() {
        QWidget window;
        window.setGeometry(10, 20, 300, 200);
        window.showMaximized();
        app::SaveWindowPosition(&window, "Main", ini());
        QCOMPARE(profile::read(ini(), "Main", "Maximize"), std::string("Yes"));
        QVERIFY(!window.isMaximized());

        QWidget again;
        app::RestoreWindowPosition(&again, "Main", ini());
        QVERIFY(again.windowState() & Qt::WindowMaximized);
    }

    void zeroWidthOrHeightKeepsTheDesignedSize() {
        profile::write(ini(), "Calendar", "XPosit", "50");
        profile::write(ini(), "Calendar", "YPosit", "60");
        profile::write(ini(), "Calendar", "Width", "0");
        profile::write(ini(), "Calendar", "Height", "400");
        QWidget window;
        window.resize(320, 240);
        app::RestoreWindowPosition(&window, "Calendar", ini());
        QCOMPARE(window.geometry(), QRect(50, 60, 320, 240));
    }

    void fixedSizeWindowIsOnlyMoved() {
        profile::write(ini(), "qxShowAlarm", "XPosit", "70");
        profile::write(ini(), "qxShowAlarm", "YPosit", "90");
        profile::write(ini(), "qxShowAlarm", "Width", "999");
        profile::write(ini(), "qxShowAlarm", "Height", "999");
        QWidget window;
        window.setFixedSize(240, 120);
        app::RestoreWindowPosition(&window, "qxShowAlarm", ini());
        QCOMPARE(window.geometry(), QRect(70, 90, 240, 120));
    }

    void placeOffEveryScreenIsIgnored() {
        profile::write(ini(), "Main", "XPosit", "-30000");
        profile::write(ini(), "Main", "YPosit", "-30000");
        QWidget window;
        window.setGeometry(10, 10, 300, 200);
        app::RestoreWindowPosition(&window, "Main", ini());
        QCOMPARE(window.pos(), QPoint(10, 10));
    }
};

QTEST_MAIN(WindowPositionTest)
#include "WindowPositionTest.moc"
