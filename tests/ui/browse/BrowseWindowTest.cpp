// A list declared on the machinery over an in-memory source: what a read
// error does to the window, and a list without a form.

#include "ui/browse/BrowseWindow.h"

#include "MemorySource.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "shared/AppState.h"

#include <QPushButton>
#include <QtTest>

using namespace velkora;

namespace {

struct Fixture {
    Fixture() {
        resetAppState();
        appState().STARTINI = dir.write("ORB.INI", "[DEFAULT]\n");
        for (int i = 1; i <= 50; ++i)
            source->add({{"BRA:BRANCHE", "B" + std::to_string(1000 + i)}, {"BRA:BEZEICHNG", "Branche"}});
        browse::BrowseDeclaration d;
        d.procedure = "qxBranchenListe";
        d.designFormat = "64L(1)|M*~BRANCHE~@s15@80L(1)|M*~BEZEICHNG~@s63@";
        d.columns = {{{"BRA:BRANCHE", "Branche", "@s15L"}, ""},
                     {{"BRA:BEZEICHNG", "Bezeichnung", "@s63L"}, ""}};
        window = new browse::BrowseWindow(std::move(d), std::unique_ptr<browse::BrowseSource>(source));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(500, 300);
        window->show();
        window->openBrowse();
    }
    ~Fixture() { delete window; }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::MemorySource* source = new test::MemorySource;
    QPointer<browse::BrowseWindow> window;
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
