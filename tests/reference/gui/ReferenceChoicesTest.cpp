// The reference lists as lookups: what the user selects comes back as the
// call's value, closing the list brings back nothing.

#include "reference/gui/ReferenceChoices.h"

#include "ModalDriver.h"
#include "ReferenceFixture.h"

using velkora::test::ReferenceFixture;
using velkora::test::whenModal;
namespace data = velkora::data;
namespace reference = velkora::reference;

class ReferenceChoicesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ReferenceFixture::closeWindows(); }

    void theCountrySelectedIsReturned() {
        ReferenceFixture f;
        whenModal([](QWidget* list) {
            QCOMPARE(ReferenceFixture::selected(list, 1), QString("Schweiz")); // starts on the code given
            QTest::keyClick(ReferenceFixture::table(list), Qt::Key_Down);
            ReferenceFixture::click(list, "SELECT");
        });
        const auto chosen = reference::chooseCountry(nullptr, "CH");
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->LD, std::string("D"));
        QCOMPARE(chosen->LAND, std::string("Deutschland"));
    }

    void closingAListReturnsNothing() {
        ReferenceFixture f;
        whenModal([](QWidget* list) { list->close(); });
        QVERIFY(!reference::chooseCountry(nullptr, "").has_value());
        data::files().QXADRESS.clear();
        whenModal([](QWidget* list) { list->close(); });
        QVERIFY(!reference::choosePlace(nullptr, false).has_value());
    }

    void thePlaceSelectedIsReturned() {
        ReferenceFixture f;
        f.setStreets(false);
        data::files().QXADRESS.clear();
        data::files().QXADRESS.rec.PLZ = "50667";
        whenModal([](QWidget* list) { ReferenceFixture::click(list, "SELECT"); });
        const auto chosen = reference::choosePlace(nullptr, false);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->LD, std::string("D"));
        QCOMPARE(chosen->PLZ, std::string("50667"));
        QCOMPARE(chosen->ORT, std::string("Köln"));
        QCOMPARE(chosen->STRASSE, std::string());
    }
};

QTEST_MAIN(ReferenceChoicesTest)
#include "ReferenceChoicesTest.moc"
