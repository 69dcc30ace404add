// The address list's rules without a window: value lists from the work
// file and the postal-code locator.

#include "TempDir.h"
#include "addresses/gui/AddressLocator.h"
#include "addresses/gui/AddressQueues.h"

#include <QtTest>

using namespace velkora::addresses;

class AddressRulesTest : public QObject {
    Q_OBJECT
private slots:
    void statusListDefaultsAndStopsAtTheFirstEmptyName() {
        velkora::test::TempDir dir;
        loadAddressQueues(dir.write("ORB.INI", "[DEFAULT]\n"));
        QCOMPARE(adrStatusQueue().size(), std::size_t{5});
        QCOMPARE(QString::fromStdString(adrStatusQueue()[4].name), QString("Alarm"));
        QCOMPARE(adrStatusQueue()[4].number, 5);
        QCOMPARE(adrArtQueue().size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(adrArtQueue()[0]), QString("Adr."));
        loadAddressQueues(dir.write("ORB.INI", "[ADRSTAT]\nAdrStatus4=\nAdrStatus5=Fünf\nAdrStatus6=Sechs\n"
                                               "[ADRART]\nAdrArt1=Kunde\nAdrArt2=Lieferant\n"));
        QCOMPARE(adrStatusQueue().size(), std::size_t{3});
        QCOMPARE(addressTypeName(2), std::string("Lieferant"));
        QCOMPARE(addressTypeName(0), std::string(" "));
        QCOMPARE(addressTypeName(3), std::string(" "));
        QCOMPARE(addressTypeStartingWith("k"), 1);
        QCOMPARE(addressTypeStartingWith("LIEF"), 2);
        QCOMPARE(addressTypeStartingWith("x"), 0);
    }

    void postalCodeLocator_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ld");
        QTest::addColumn<QString>("plz");
        QTest::newRow("number of the default country") << "12345"
                                                       << "D"
                                                       << "12345";
        QTest::newRow("leading zero") << "01234"
                                      << "0"
                                      << "1234";
        QTest::newRow("country and code") << "D 10115"
                                          << "D"
                                          << "10115";
        QTest::newRow("two-letter country") << "DE 8000"
                                            << "DE"
                                            << "8000";
        QTest::newRow("leading blank") << " 10115"
                                       << ""
                                       << "10115";
        QTest::newRow("code cut to 7") << "NL 1234 AB99"
                                       << "NL"
                                       << "1234 AB";
        QTest::newRow("country only") << "CH"
                                      << "C"
                                      << "H";
    }
    void postalCodeLocator() {
        QFETCH(QString, text);
        QFETCH(QString, ld);
        QFETCH(QString, plz);
        const auto split = splitPostalLocator(text.toStdString(), "D");
        QCOMPARE(QString::fromStdString(split.ld), ld);
        QCOMPARE(QString::fromStdString(split.plz), plz);
    }

    void locatorFieldsOfTheAddressList() {
        QCOMPARE(*addressLocatorValues("ADR:ADRNR", "42abc", "D"), std::vector<std::string>{"42"});
        QCOMPARE(*addressLocatorValues("ADR:ORT", "Köln", "D"), std::vector<std::string>{"Köln"});
        QCOMPARE(*addressLocatorValues("ADR:LD", "12345", "D"), (std::vector<std::string>{"D", "12345"}));
        QVERIFY(!addressLocatorValues("ADR:EKONT", "1.1.2020", "D"));
    }
};

QTEST_GUILESS_MAIN(AddressRulesTest)
#include "AddressRulesTest.moc"
