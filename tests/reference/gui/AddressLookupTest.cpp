// The address form with the reference lists behind its lookup buttons: the
// postal-code button opening the list AdrStrExt asks for, where that list
// starts, what a selected place or street hands over, the country button,
// and the postal-code lookup while typing.

#include "FrameDriver.h"
#include "ModalDriver.h"
#include "ReferenceFixture.h"
#include "addresses/PostalLookup.h"
#include "addresses/forms/AddressForms.h"
#include "ui/browse/FormRequest.h"

using velkora::test::ReferenceFixture;
using velkora::test::whenModal;
namespace browse = velkora::browse;
namespace data = velkora::data;

namespace {

// Runs the address form for `request` on the address buffer; `steps` act in it.
void runAddressForm(int request, const std::function<void(QWidget*)>& steps) {
    bool ran = false;
    whenModal([&](QWidget* form) {
        steps(form);
        ReferenceFixture::click(form, "CANCEL");
        ran = true;
    });
    browse::callForm("qxUpdateAdressMain", request);
    QVERIFY(ran);
}

// Clicks the form's postal-code button; `steps` act in the list it opens.
void choosePostalCode(QWidget* form, const std::function<void(QWidget*)>& steps) {
    bool ran = false;
    whenModal([&](QWidget* list) {
        steps(list);
        ran = true;
    });
    ReferenceFixture::click(form, "PLZBUTTON");
    QVERIFY(ran);
}

} // namespace

class AddressLookupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { velkora::addresses::registerAddressForms(); }
    void cleanup() { ReferenceFixture::closeWindows(); }

    void withoutStreetsThePlaceListHandsThePlace() {
        ReferenceFixture f;
        f.setStreets(false);
        data::files().QXADRESS.clear();
        runAddressForm(browse::InsertRecord, [&](QWidget* form) {
            choosePostalCode(form, [](QWidget* list) {
                QCOMPARE(list->objectName(), QString("qxPLZListSTD"));
                QVERIFY(list->findChild<QWidget*>("LIST") == nullptr);
                ReferenceFixture::enter(list, "LS:SEARCHSTRING", "80331");
                ReferenceFixture::click(list, "SELECT");
            });
            QCOMPARE(ReferenceFixture::text(form, "ADR:LD"), QString("D"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:PLZ"), QString("80331"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:ORT"), QString("München"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:STRASSE"), QString());
        });
    }

    void withStreetsAStreetWithItsOwnCodeHandsCodeAndStreet() {
        ReferenceFixture f;
        data::files().QXADRESS.clear();
        runAddressForm(browse::InsertRecord, [&](QWidget* form) {
            choosePostalCode(form, [](QWidget* list) {
                QCOMPARE(list->objectName(), QString("qxPLZListDEX"));
                QCOMPARE(ReferenceFixture::selected(list, 1), QString("Berlin"));
                ReferenceFixture::enter(list, "STR:STRASSE", "Friedrich");
                ReferenceFixture::click(list, "SELECT");
            });
            QCOMPARE(ReferenceFixture::text(form, "ADR:PLZ"), QString("10117"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:ORT"), QString("Berlin"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:STRASSE"), QString("Friedrichstraße"));

            // A street section with a one-character code: the place's code, no street.
            ReferenceFixture::type(form, "ADR:STRASSE", "");
            choosePostalCode(form, [](QWidget* list) {
                ReferenceFixture::enter(list, "LS:SEARCHSTRING", "80331");
                QCOMPARE(ReferenceFixture::selected(list, 0, "LIST"), QString("Kaufingerstraße"));
                QCOMPARE(ReferenceFixture::selected(list, 1, "LIST"), QString("2"));
                ReferenceFixture::click(list, "SELECT");
            });
            QCOMPARE(ReferenceFixture::text(form, "ADR:PLZ"), QString("80331"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:ORT"), QString("München"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:STRASSE"), QString());

            // Closing the list changes nothing.
            choosePostalCode(form, [](QWidget* list) { ReferenceFixture::click(list, "CLOSE"); });
            QCOMPARE(ReferenceFixture::text(form, "ADR:PLZ"), QString("80331"));
        });
    }

    void thePlaceListsStartAtTheAddress() {
        ReferenceFixture f;
        // With streets: the address's postal code belongs to a street of Berlin.
        ReferenceFixture::loadAddress(2);
        runAddressForm(browse::ChangeRecord, [&](QWidget* form) {
            choosePostalCode(form, [](QWidget* list) {
                QCOMPARE(ReferenceFixture::selected(list, 1), QString("Berlin"));
                QCOMPARE(ReferenceFixture::selected(list, 0, "LIST"), QString("Friedrichstraße"));
                ReferenceFixture::click(list, "CLOSE");
            });
        });
        f.setStreets(false);
        ReferenceFixture::loadAddress(3);
        runAddressForm(browse::ChangeRecord, [&](QWidget* form) {
            choosePostalCode(form, [](QWidget* list) {
                QCOMPARE(ReferenceFixture::selected(list, 1), QString("München"));
                QCOMPARE(ReferenceFixture::text(list, "LS:SEARCHSTRING"), QString("D 80331"));
                ReferenceFixture::click(list, "CLOSE");
            });
        });
        // No postal code and no country: the default country, then the place name.
        ReferenceFixture::loadAddress(4);
        runAddressForm(browse::ChangeRecord, [&](QWidget* form) {
            choosePostalCode(form, [](QWidget* list) {
                QCOMPARE(ReferenceFixture::selected(list, 1), QString("Köln"));
                QCOMPARE(ReferenceFixture::text(list, "LS:SEARCHSTRING"), QString("köln"));
                ReferenceFixture::click(list, "CLOSE");
            });
            QCOMPARE(data::files().QXADRESS.rec.LD, std::string("D"));
        });
    }

    void theCountryButtonStartsOnTheAddressCountryAndTakesTheSelectedOne() {
        ReferenceFixture f;
        velkora::test::FrameDriver frame;
        data::files().QXADRESS.clear();
        runAddressForm(browse::InsertRecord, [&](QWidget* form) {
            whenModal([&](QWidget* list) {
                QCOMPARE(list->objectName(), QString("qxLandList"));
                QCOMPARE(ReferenceFixture::selected(list, 0), QString("D"));
                QTest::keyClick(ReferenceFixture::table(list), Qt::Key_Up);
                // The frame's select button (2003) serves the list on top.
                QVERIFY(frame.enabled("TBARBRWSELECT"));
                frame.click("TBARBRWSELECT");
            });
            ReferenceFixture::click(form, "LKBUTTON");
            QCOMPARE(ReferenceFixture::text(form, "ADR:LD"), QString("CH"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:LAND"), QString("Schweiz"));
        });
    }

    void aLookupOpensCentredOverTheForm() {
        ReferenceFixture f;
        data::files().QXADRESS.clear();
        runAddressForm(browse::InsertRecord, [&](QWidget* form) {
            form->move(300, 200);
            QPoint listCentre;
            whenModal([&](QWidget* list) {
                listCentre = list->frameGeometry().center();
                list->close();
            });
            ReferenceFixture::click(form, "LKBUTTON");
            const QPoint offset = listCentre - form->frameGeometry().center();
            // A few pixels for the frame the platform adds once the list is shown.
            QVERIFY2(std::abs(offset.x()) <= 4 && std::abs(offset.y()) <= 4,
                     qPrintable(QString("off by %1,%2").arg(offset.x()).arg(offset.y())));
        });
    }

    void typingAPostalCodeFillsAnEmptyPlace() {
        ReferenceFixture f;
        data::files().QXADRESS.clear();
        runAddressForm(browse::InsertRecord, [&](QWidget* form) {
            ReferenceFixture::type(form, "ADR:PLZ", "10117", ReferenceFixture::Tab);
            QCOMPARE(ReferenceFixture::text(form, "ADR:ORT"), QString("Berlin"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:STRASSE"), QString("Friedrichstraße"));
            ReferenceFixture::type(form, "ADR:ORT", "");
            ReferenceFixture::type(form, "ADR:STRASSE", "");
            ReferenceFixture::type(form, "ADR:PLZ", "80331", ReferenceFixture::Tab);
            QCOMPARE(ReferenceFixture::text(form, "ADR:ORT"), QString("München"));
            QCOMPARE(ReferenceFixture::text(form, "ADR:STRASSE"), QString());
            // A place already there stays.
            ReferenceFixture::type(form, "ADR:PLZ", "50667", ReferenceFixture::Tab);
            QCOMPARE(ReferenceFixture::text(form, "ADR:ORT"), QString("München"));
        });
    }
};

QTEST_MAIN(AddressLookupTest)
#include "AddressLookupTest.moc"
