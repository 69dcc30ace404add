// Information material as a user works with it: the catalogue hiding what
// ran out, the material form, material sent by material, activity and
// address, and material recorded as sent with an activity.

#include "ModalDriver.h"
#include "ReferenceFixture.h"
#include "addresses/gui/AdrListWin.h"
#include "reference/gui/MaterialSentList.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>

using velkora::test::ReferenceFixture;
using velkora::test::whenModal;
namespace data = velkora::data;

namespace {

const velkora::CivilDate kToday{2026, 12, 6};

std::int32_t day(int offset) {
    return velkora::dayNumber(kToday) + offset;
}

template <class R> void add(data::File<R>& file, const R& record) {
    QVERIFY(data::OpenRecordFile(file));
    file.rec = record;
    QCOMPARE(file.add(), 0);
    data::CloseRecordFile(file);
}

data::Material material(const char* prid, const char* text, std::uint8_t obsolete, std::int32_t until) {
    data::Material m;
    m.PRID = prid;
    m.PRBEZ = text;
    m.OBSLT = obsolete;
    m.VDATE = until;
    return m;
}

data::MaterialSent sent(std::int32_t recid, const char* prid, std::int32_t aktid, std::int32_t adrnr,
                        std::int32_t date) {
    data::MaterialSent s;
    s.RECID = recid;
    s.PRID = prid;
    s.AKTID = aktid;
    s.ADRNR = adrnr;
    s.PDATE = date;
    return s;
}

// The catalogue and what was sent of it.
void seedMaterial() {
    auto& f = data::files();
    add(f.QXATTMAT, material("FLYER", "Faltblatt", 0, 0));
    add(f.QXATTMAT, material("KATALOG", "Katalog 2026", 0, day(0)));
    add(f.QXATTMAT, material("MESSE", "Messeprospekt", 0, day(-1)));
    add(f.QXATTMAT, material("ALT", "Alter Prospekt", 1, 0));
    add(f.QXAKTATM, sent(1, "FLYER", 10, 1, day(-30)));
    add(f.QXAKTATM, sent(2, "KATALOG", 10, 1, day(-20)));
    add(f.QXAKTATM, sent(3, "FLYER", 11, 2, day(-10)));
}

QStringList column(QWidget* list, int c) {
    QStringList out;
    for (int r = 0; r < ReferenceFixture::rows(list); ++r)
        out << ReferenceFixture::cell(list, r, c);
    return out;
}

QWidget* openSentList(velkora::reference::MaterialSentFilter filter) {
    velkora::reference::openSentMaterial(std::move(filter));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("velkora::reference::AktAttMatListWin") && w->isVisible()) {
            w->setAttribute(Qt::WA_DeleteOnClose);
            return w;
        }
    return nullptr;
}

} // namespace

class MaterialWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ReferenceFixture::closeWindows(); }

    void theCatalogueHidesWhatRanOutUnlessAllAreAsked() {
        velkora::FixedClock clock({kToday, {9, 0, 0, 0}});
        ReferenceFixture f;
        seedMaterial();
        auto* list = f.open("AttMatList");
        QVERIFY(list);
        QCOMPARE(column(list, 0), (QStringList{"FLYER", "KATALOG"}));
        QCOMPARE(ReferenceFixture::cell(list, 1, 1), QString("Katalog 2026"));
        QVERIFY(!list->findChild<QPushButton*>("SELECT:2")->isEnabled());
        list->findChild<QCheckBox*>("LN:ALLATTMAT")->click();
        QCOMPARE(column(list, 0), (QStringList{"ALT", "FLYER", "KATALOG", "MESSE"}));
        list->findChild<QCheckBox*>("LN:ALLATTMAT")->click();
        QCOMPARE(ReferenceFixture::rows(list), 2);

        // Marked obsolete, the flyer's date is no longer asked for and it leaves the list.
        whenModal([&](QWidget* form) {
            QCOMPARE(form->objectName(), QString("AttMatUpdateWin"));
            QCOMPARE(form->windowTitle(), QString("Changing a QXINFOPR Record"));
            auto* until = form->findChild<QWidget*>("ATM:VDATE");
            QVERIFY(until->isEnabled());
            form->findChild<QCheckBox*>("ATM:OBSLT")->click();
            QVERIFY(!until->isEnabled());
            for (QLabel* prompt : form->findChildren<QLabel*>())
                if (prompt->buddy() == until)
                    QVERIFY(!prompt->isEnabled());
            ReferenceFixture::click(form, "OK");
        });
        ReferenceFixture::click(list, "CHANGE:3");
        QCOMPARE(column(list, 0), QStringList{"KATALOG"});
        list->close();
    }

    void aNewMaterialNeedsAnIdentifierOfItsOwnAndARenameReachesWhatWasSent() {
        velkora::FixedClock clock({kToday, {9, 0, 0, 0}});
        ReferenceFixture f;
        seedMaterial();
        auto* list = f.open("AttMatList");
        QVERIFY(list);
        whenModal([&](QWidget* form) {
            QCOMPARE(form->windowTitle(), QString("* Adding a QXINFOPR Record"));
            ReferenceFixture::type(form, "ATM:PRID", "FLYER");
            ReferenceFixture::click(form, "OK");
            QCOMPARE(QString::fromStdString(f.prompter.last().caption), QString("Duplicate Key Error"));
            QVERIFY(QString::fromStdString(f.prompter.last().text).startsWith("ATM:QXATTMA1|"));
            QVERIFY(form->isVisible());
            ReferenceFixture::click(form, "CANCEL");
        });
        ReferenceFixture::click(list, "INSERT:3");
        QCOMPARE(ReferenceFixture::count(data::files().QXATTMAT), 4);

        QCOMPARE(ReferenceFixture::selected(list, 0), QString("FLYER"));
        whenModal([&](QWidget* form) {
            ReferenceFixture::type(form, "ATM:PRID", "BLATT");
            ReferenceFixture::click(form, "OK");
        });
        ReferenceFixture::click(list, "CHANGE:3");
        ReferenceFixture::click(list, "BUTTONATALIST");
        QWidget* sentList = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("velkora::reference::AktAttMatListWin") && w->isVisible())
                sentList = w;
        QVERIFY(sentList);
        QCOMPARE(sentList->findChild<QTabWidget*>("CURRENTTAB")->currentWidget()->objectName(),
                 QString("TABPRS"));
        QCOMPARE(column(sentList, 1), (QStringList{"BLATT", "BLATT"}));
        QCOMPARE(column(sentList, 2), (QStringList{"Faltblatt", "Faltblatt"}));
        sentList->close();
        list->close();
    }

    void theTabFollowsWhatTheListIsOpenedFor() {
        velkora::FixedClock clock({kToday, {9, 0, 0, 0}});
        ReferenceFixture f;
        seedMaterial();
        QWidget* list = openSentList({.aktid = 10});
        QVERIFY(list);
        auto* tabs = list->findChild<QTabWidget*>("CURRENTTAB");
        QCOMPARE(tabs->currentWidget()->objectName(), QString("TABAKT"));
        QCOMPARE(column(list, 1), (QStringList{"KATALOG", "FLYER"})); // newest first
        QCOMPARE(ReferenceFixture::cell(list, 0, 3), QString("Alpha GmbH , D  , "));
        QCOMPARE(ReferenceFixture::cell(list, 0, 0),
                 QString::fromStdString(velkora::formatDate("@d17", day(-20))));

        // Material added here is sent today with the activity, to its address.
        auto& activity = data::files().QXADRAKT.rec;
        activity.AKTID = 10;
        activity.ADRNR = 2;
        whenModal([&](QWidget* catalogue) {
            ReferenceFixture::enter(catalogue, "LS:SEARCHSTRING", "KAT");
            ReferenceFixture::click(catalogue, "SELECT:2");
        });
        ReferenceFixture::click(list, "BUTTONNEWPR");
        QCOMPARE(column(list, 1), (QStringList{"KATALOG", "KATALOG", "FLYER"}));
        const auto& added = data::files().QXAKTATM.rec;
        QCOMPARE(added.RECID, 4);
        QCOMPARE(added.ADRNR, 2);
        QCOMPARE(added.PDATE, day(0));
        QCOMPARE(ReferenceFixture::selected(list, 3), QString("Beta KG , D 10117 Berlin, "));

        tabs->setCurrentIndex(3); // address 0: nothing
        QCOMPARE(ReferenceFixture::rows(list), 0);
        tabs->setCurrentIndex(0);
        QCOMPARE(column(list, 1), (QStringList{"FLYER", "KATALOG", "FLYER", "KATALOG"}));

        // Another material for a record sent, through the catalogue.
        whenModal([&](QWidget* form) {
            QCOMPARE(form->windowTitle(), QString("Changing a QXAKTIPR Record"));
            whenModal([&](QWidget* catalogue) {
                ReferenceFixture::enter(catalogue, "LS:SEARCHSTRING", "KAT");
                ReferenceFixture::click(catalogue, "SELECT:2");
            });
            ReferenceFixture::click(form, "BUTTONTAKEATM");
            QCOMPARE(ReferenceFixture::text(form, "ATA:PRID"), QString("KATALOG"));
            ReferenceFixture::click(form, "OK");
        });
        ReferenceFixture::click(list, "CHANGE:2");
        QCOMPARE(ReferenceFixture::cell(list, 0, 1), QString("KATALOG"));
        list->close();
    }

    void theAddressListsMaterialButtonShowsTheAddresssMaterial() {
        velkora::FixedClock clock({kToday, {9, 0, 0, 0}});
        ReferenceFixture f;
        seedMaterial();
        QVERIFY(velkora::addresses::materialSentList());
        velkora::addresses::materialSentList()(1);
        QWidget* list = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("velkora::reference::AktAttMatListWin") && w->isVisible())
                list = w;
        QVERIFY(list);
        QCOMPARE(list->findChild<QTabWidget*>("CURRENTTAB")->currentWidget()->objectName(),
                 QString("TABADR"));
        QCOMPARE(column(list, 1), (QStringList{"KATALOG", "FLYER"}));
        list->close();
    }
};

QTEST_MAIN(MaterialWindowsTest)
#include "MaterialWindowsTest.moc"
