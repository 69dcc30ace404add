// The reminder list on real record files with the clock on New Year's Day:
// what it lists in which order, opening a to-do in the activity form, and
// closing itself when there is nothing to remind of.

#include "activities/gui/RemindListWin.h"

#include "ActivityFixture.h"
#include "ListDriver.h"
#include "ModalDriver.h"
#include "activities/gui/AktUpdateWin.h"
#include "shared/Clock.h"
#include "ui/browse/FormRequest.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

namespace activities = velkora::activities;
namespace data = velkora::data;

namespace {

struct RemindFixture : velkora::test::ActivityFixture {
    RemindFixture() {
        velkora::browse::registerForm("qxUpdateAkt", activities::qxUpdateAkt);
        addAddress(1, "Meier", "Berlin");
    }
    ~RemindFixture() {
        delete window.data();
        velkora::browse::unregisterForm("qxUpdateAkt");
    }
    void todo(std::int32_t aktid, int priority, std::int32_t due, int days) {
        auto& akt = data::files().QXADRAKT;
        QVERIFY(data::OpenRecordFile(akt));
        akt.clear();
        akt.rec.AKTID = aktid;
        akt.rec.ADRNR = 1;
        akt.rec.AKTART = 1;
        akt.rec.AKTPRI = static_cast<std::uint8_t>(priority);
        akt.rec.EDATUM = due;
        akt.rec.ETAGE = static_cast<std::uint8_t>(days);
        akt.rec.ERLIST = 1;
        akt.rec.TITLE = "Aufgabe " + std::to_string(aktid);
        QCOMPARE(akt.add(), 0);
        data::CloseRecordFile(akt);
    }
    void birthday(int month, int day) {
        auto& tkp = data::files().QXADRTKP;
        QVERIFY(data::OpenRecordFile(tkp));
        tkp.clear();
        tkp.rec.ADRNR = 1;
        tkp.rec.TKPNR = ++contacts_;
        tkp.rec.NAME1 = "Eva";
        tkp.rec.NAME2 = "Berg";
        tkp.rec.BMM = static_cast<std::uint8_t>(month);
        tkp.rec.BDD = static_cast<std::uint8_t>(day);
        QCOMPARE(tkp.add(), 0);
        data::CloseRecordFile(tkp);
    }
    bool open() {
        window = new activities::RemindListWin;
        return velkora::test::showForKeys(window);
    }
    QTreeWidget* list() const { return window->findChild<QTreeWidget*>("RLIST"); }
    QStringList column(int c) const {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            out << list()->topLevelItem(i)->text(c);
        return out;
    }
    void press(int row) {
        list()->setCurrentItem(list()->topLevelItem(row));
        QTest::keyClick(list(), Qt::Key_Return);
    }

    std::int32_t today = velkora::dayNumber({2027, 1, 1});
    velkora::FixedClock clock{{{2027, 1, 1}, {8, 0, 0, 0}}};
    QPointer<activities::RemindListWin> window;

private:
    int contacts_ = 0;
};

} // namespace

class RemindListWinTest : public QObject {
    Q_OBJECT
private slots:
    void listsDueToDosAndBirthdaysByLampThenDate() {
        RemindFixture f;
        f.todo(1, 2, f.today - 5, 3); // remind after three days: due
        f.todo(2, 1, f.today - 1, 3); // not yet
        f.todo(3, 254, f.today + 9, 0);
        f.birthday(12, 30);
        f.birthday(1, 1);
        f.birthday(1, 3);
        QVERIFY(f.open());
        QCOMPARE(f.column(0), QStringList({"01.01.2027", "27.12.2026", "30.12.2026", "10.01.2027"}));
        QCOMPARE(f.column(1), QStringList({"", "Brief", "", "Brief"}));
        QCOMPARE(f.column(2), QStringList({"", "Aufgabe 1", "", "Aufgabe 3"}));
        QCOMPARE(f.column(3)[0], QString("Eva Berg,   "));
        QCOMPARE(f.column(3)[1], QString("Meier , D 10115 Berlin, Weg 1"));
        QCOMPARE(f.list()->currentItem(), f.list()->topLevelItem(0));
    }

    void enterOpensTheToDoAndTheListFollowsTheChange() {
        RemindFixture f;
        f.todo(1, 1, f.today, 0);
        f.birthday(1, 2);
        QVERIFY(f.open());
        f.press(1); // a birthday: nothing opens
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        bool opened = false;
        velkora::test::whenModal([&opened](QWidget* form) {
            opened = true;
            auto* title = form->findChild<QLineEdit*>("AKT:TITLE");
            title->selectAll();
            QTest::keyClicks(title, "Erledigt bald");
            QTest::mouseClick(form->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        f.press(0);
        QVERIFY(opened);
        QCOMPARE(f.column(2)[0], QString("Erledigt bald"));
    }

    void aVanishedActivityBeepsTwice() {
        RemindFixture f;
        f.todo(1, 1, f.today, 0);
        f.todo(2, 2, f.today, 0);
        QVERIFY(f.open());
        auto& akt = data::files().QXADRAKT;
        akt.clear();
        akt.rec.AKTID = 1;
        QCOMPARE(akt.get(*data::Activity::table().key("QXADRAK6")), 0);
        QCOMPARE(akt.erase(), 0);
        f.press(0);
        QCOMPARE(f.prompter.beeps(), 2);
    }

    void closesItselfWhenNothingIsDue() {
        RemindFixture f;
        f.todo(1, 1, f.today - 1, 3);
        f.birthday(1, 4);
        f.window = new activities::RemindListWin;
        f.window->show();
        QTRY_VERIFY(!f.window->isVisible());
        QCOMPARE(f.list()->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(RemindListWinTest)
#include "RemindListWinTest.moc"
