// A list declared on the machinery over an in-memory source: what a read
// error does to the window, a list without a form, the files it declares,
// who keeps its place, and opening a row with the mouse or the keyboard.

#include "FrameDriver.h"
#include "ListFixture.h"
#include "data/FileServices.h"
#include "shared/ApplicationEnd.h"
#include "shared/ProfileFile.h"
#include "ui/browse/FormRequest.h"

#include <QPushButton>
#include <QTimer>
#include <filesystem>

using namespace velkora;
using velkora::test::ListFixture;

namespace {

struct Fixture : ListFixture {
    Fixture() { open(); }
};

// The rows the form was called for, by request.
struct FormCalls {
    explicit FormCalls(const ListFixture& f) {
        browse::registerForm("qxUpdateBranche", [this, &f](int request) {
            calls.push_back({request, f.source->field("BRA:BRANCHE")});
            return int(browse::RequestCancelled);
        });
    }
    ~FormCalls() { browse::unregisterForm("qxUpdateBranche"); }
    std::vector<std::pair<int, std::string>> calls;
};

browse::BrowseDeclaration withForm(browse::SelectButton select = browse::SelectButton::None) {
    browse::BrowseDeclaration d = ListFixture::declaration();
    d.form = "qxUpdateBranche";
    d.select = select;
    return d;
}

QPoint rowCentre(QTableView* table, int row) {
    return table->visualRect(table->model()->index(row, 0)).center();
}

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

    // The declared files are open while the list is; when one cannot be
    // opened, those opened before it are closed again and the list stays empty.
    void declaredFilesAreOpenWhileTheListIs_data() {
        QTest::addColumn<bool>("secondFails");
        QTest::newRow("both open") << false;
        QTest::newRow("the second fails") << true;
    }
    void declaredFilesAreOpenWhileTheListIs() {
        QFETCH(bool, secondFails);
        ListFixture f;
        appState().DATAPATH = f.dir.str();
        if (secondFails) // a folder where the file belongs
            std::filesystem::create_directories(f.dir.file("QXADRLND.TPS"));
        setApplicationEndHandler([](std::string_view) {});
        auto& industries = data::files().QXADRBRA;
        auto& countries = data::files().QXADRLND;
        browse::BrowseDeclaration d = ListFixture::declaration();
        d.files = {&industries, &countries};
        f.open(d);
        QCOMPARE(f.window->filesOpen(), !secondFails);
        QCOMPARE(industries.openCount(), secondFails ? 0 : 1);
        QCOMPARE(countries.openCount(), secondFails ? 0 : 1);
        QCOMPARE(f.shown().isEmpty(), secondFails);
        f.window->close();
        QCOMPARE(industries.openCount(), 0);
        QCOMPARE(countries.openCount(), 0);
        setApplicationEndHandler(nullptr);
    }

    // The frame keeps the place of a list it shows; a list alone keeps none.
    void theFrameKeepsTheListsPlace() {
        ListFixture f;
        f.open();
        f.window->setGeometry(50, 40, 450, 250);
        QTest::mouseClick(f.window->findChild<QPushButton*>("CLOSE"), Qt::LeftButton);
        QCOMPARE(profile::readInt(f.windowFile(), "qxBranchenListe", "XPosit", -1), -1L);

        test::FrameDriver frame;
        auto* list =
            new test::PublishingList(ListFixture::declaration(), std::make_unique<test::MemorySource>());
        QVERIFY(frame.open(list, "qxBranchenListe"));
        list->openBrowse();
        list->parentWidget()->setGeometry(30, 20, 400, 300);
        QTest::mouseClick(list->findChild<QPushButton*>("CLOSE"), Qt::LeftButton);
        QCOMPARE(profile::readInt(f.windowFile(), "qxBranchenListe", "XPosit", -1), 30L);
        QCOMPARE(profile::readInt(f.windowFile(), "qxBranchenListe", "Width", -1), 400L);
    }

    // A double click or Enter on a row opens it: the change form in a
    // list, the hand-over in a list run for selection.
    void doubleClickAndEnterOpenTheRow() {
        ListFixture f;
        FormCalls form(f);
        f.open(withForm());
        QVERIFY(QTest::qWaitForWindowExposed(f.window));
        QTest::mouseDClick(f.table()->viewport(), Qt::LeftButton, {}, rowCentre(f.table(), 2));
        QTest::keyClick(f.table(), Qt::Key_Down);
        QTest::keyClick(f.table(), Qt::Key_Return);
        QTest::keyClick(f.table(), Qt::Key_Enter, Qt::KeypadModifier);
        const std::vector<std::pair<int, std::string>> expected = {{browse::ChangeRecord, "B1003"},
                                                                   {browse::ChangeRecord, "B1004"},
                                                                   {browse::ChangeRecord, "B1004"}};
        QCOMPARE(form.calls, expected);
    }
    void doubleClickAndEnterSelectInASelection_data() {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("double click") << true;
        QTest::newRow("Enter") << false;
    }
    void doubleClickAndEnterSelectInASelection() {
        QFETCH(bool, mouse);
        ListFixture f;
        FormCalls form(f);
        f.open(withForm(browse::SelectButton::WhenSelecting));
        QVERIFY(QTest::qWaitForWindowExposed(f.window));
        QTimer::singleShot(0, f.window, [&] {
            if (mouse) {
                QTest::mouseDClick(f.table()->viewport(), Qt::LeftButton, {}, rowCentre(f.table(), 1));
            } else {
                QTest::mouseClick(f.table()->viewport(), Qt::LeftButton, {}, rowCentre(f.table(), 1));
                QTest::keyClick(f.table(), Qt::Key_Return);
            }
            if (f.window && f.window->isVisible()) // not selected: the list would wait for ever
                f.window->close();
        });
        std::string handedOver; // read before the closed list goes
        QObject::connect(f.window, &browse::BrowseWindow::closed, f.window,
                         [&] { handedOver = f.source->field("BRA:BRANCHE"); });
        QCOMPARE(f.window->runSelection(), int(browse::RequestCompleted));
        QCOMPARE(handedOver, std::string("B1002"));
        QVERIFY(form.calls.empty());
    }
};

QTEST_MAIN(BrowseWindowTest)
#include "BrowseWindowTest.moc"
