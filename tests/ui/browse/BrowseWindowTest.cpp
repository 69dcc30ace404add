// A list declared on the machinery over an in-memory source: what a read
// error does to the window, and a list without a form.

#include "ListFixture.h"

#include <QPushButton>

using velkora::test::ListFixture;

namespace {

struct Fixture : ListFixture {
    Fixture() { open(); }
};

} // namespace

class BrowseWindowTest : public QObject {
    Q_OBJECT
private slots:
    void readErrorWarnsAndClosesTheList() {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window));
        QCOMPARE(f.source->order, std::string("UPPER(BRA:BRANCHE)"));
        f.source->failAfter = 0;
        QTest::keyClick(f.window->list(), Qt::Key_PageDown);
        QCOMPARE(f.prompter.prompts().size(), std::size_t{1});
        QVERIFY(f.prompter.last().text.starts_with("MEMORY: "));
        QCOMPARE(f.prompter.last().caption, std::string("Record Retrieval Error"));
        QTRY_VERIFY(f.window.isNull());
    }

    void endOfTheViewIsQuiet() {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window));
        for (int i = 0; i < 60; ++i) // more pages than the view has
            QTest::keyClick(f.window->list(), Qt::Key_PageDown);
        QTest::keyClick(f.window->list(), Qt::Key_Down);
        QCOMPARE(QString::fromStdString(f.source->field("BRA:BRANCHE")), QString("B1050"));
        QVERIFY(f.prompter.prompts().empty());
        QVERIFY(!f.window.isNull());
    }

    void listWithoutAFormOffersNoButtons() {
        Fixture f;
        QVERIFY(!f.window->findChild<QPushButton*>("INSERT:2")->isEnabled());
        QVERIFY(!f.window->findChild<QPushButton*>("CHANGE:2")->isEnabled());
        QTest::keyClick(f.window->list(), Qt::Key_Insert);
        QVERIFY(f.prompter.prompts().empty());
    }
};

QTEST_MAIN(BrowseWindowTest)
#include "BrowseWindowTest.moc"
