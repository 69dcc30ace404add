// Which of the URLs an address holds the address list may open.

#include "addresses/gui/WebAddress.h"

#include <QtTest>

using namespace velkora::addresses;

class AddressRulesTest : public QObject {
    Q_OBJECT
private slots:
    void onlyWebAndMailAddressesAreOpened_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("opened");
        QTest::newRow("https") << "https://example.de/a?b=1"
                               << "https://example.de/a?b=1";
        QTest::newRow("bare www") << "www.example.de"
                                  << "http://www.example.de";
        QTest::newRow("ftp") << "ftp://ftp.example.de"
                             << "ftp://ftp.example.de";
        QTest::newRow("mailto") << "mailto:info@example.de"
                                << "mailto:info@example.de";
        QTest::newRow("blank") << "   "
                               << "";
        QTest::newRow("local file") << "file:///etc/passwd"
                                    << "";
        QTest::newRow("path") << "/usr/bin/xterm"
                              << "";
        QTest::newRow("relative") << "setup.exe"
                                  << "";
        QTest::newRow("script") << "javascript:alert(1)"
                                << "";
        QTest::newRow("other scheme") << "smb://server/share"
                                      << "";
        QTest::newRow("http without host") << "http:///etc/passwd"
                                           << "";
    }
    void onlyWebAndMailAddressesAreOpened() {
        QFETCH(QString, text);
        QFETCH(QString, opened);
        const auto url = webAddress(text.toStdString());
        QCOMPARE(url ? url->toString() : QString(), opened);
    }
};

QTEST_GUILESS_MAIN(AddressRulesTest)
#include "AddressRulesTest.moc"
