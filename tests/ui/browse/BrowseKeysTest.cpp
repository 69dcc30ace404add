// Keys that come faster than the list follows: scroll keys queued behind
// each other, a held key's repeats and typed locator characters end where
// the same keys typed slowly end, with one page read instead of one per key.

#include "ListFixture.h"
#include "app/gui/Navigation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>

using velkora::test::ListFixture;

namespace {

struct Press {
    int key;
    QString text;
};

std::vector<Press> keys(std::initializer_list<std::pair<int, int>> runs) {
    std::vector<Press> out;
    for (const auto& [key, count] : runs)
        out.insert(out.end(), static_cast<std::size_t>(count), Press{key, QString()});
    return out;
}

std::vector<Press> typed(const QString& text) {
    std::vector<Press> out;
    for (const QChar c : text)
        out.push_back({c.toUpper().unicode(), QString(c)});
    return out;
}

std::vector<Press> operator+(std::vector<Press> a, const std::vector<Press>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Queues the presses as the window system does while the list is busy.
void post(QWidget* target, const std::vector<Press>& presses, bool repeat = false) {
    for (const Press& press : presses)
        QCoreApplication::postEvent(
            target, new QKeyEvent(QEvent::KeyPress, press.key, Qt::NoModifier, press.text, repeat));
}

struct Outcome {
    std::string selected;
    QString locator;
    QStringList shown;
    std::string published; // the selection published last
};

Outcome outcome(const ListFixture& f) {
    return {f.selected(), f.window->findChild<QLineEdit*>("LS:SEARCHSTRING")->text(), f.shown(),
            f.window->published.empty() ? std::string() : f.window->published.back()};
}

// Each key handled and shown before the next one comes.
Outcome slowly(const std::vector<Press>& presses) {
    ListFixture f;
    f.open();
    for (const Press& press : presses) {
        QKeyEvent event(QEvent::KeyPress, press.key, Qt::NoModifier, press.text);
        QApplication::sendEvent(f.table(), &event);
        QTest::qWait(0);
    }
    return outcome(f);
}

void compare(const Outcome& fast, const Outcome& slow) {
    QCOMPARE(fast.selected, slow.selected);
    QCOMPARE(fast.locator, slow.locator);
    QCOMPARE(fast.shown, slow.shown);
    QCOMPARE(fast.published, slow.published);
}

// Lets the list handle what is queued and come to rest.
void settle(ListFixture& f, const std::string& selected) {
    QTRY_COMPARE(f.selected(), selected);
    QTest::qWait(20); // nothing more must be read afterwards
}

} // namespace

class BrowseKeysTest : public QObject {
    Q_OBJECT
private slots:
    void scrollKeysQueuedBehindEachOtherMoveThePageOnce() {
        const auto presses = keys({{Qt::Key_Down, 12},
                                   {Qt::Key_PageDown, 3},
                                   {Qt::Key_Up, 2},
                                   {Qt::Key_PageUp, 1},
                                   {Qt::Key_Down, 1}});
        const Outcome slow = slowly(presses);
        ListFixture f;
        f.open();
        QVERIFY(QTest::qWaitForWindowExposed(f.window));
        f.resetCounts();
        post(f.table(), presses);
        settle(f, slow.selected);
        compare(outcome(f), slow);
        QCOMPARE(f.window->published.size(), std::size_t{1});
        QCOMPARE(f.source->regets, 1);
        QVERIFY2(f.source->seeks <= 2, "one seek per direction");
    }

    void aHeldKeyShowsThePageOnceItsRepeatsAreHandled() {
        const auto presses = keys({{Qt::Key_Down, 30}});
        const Outcome slow = slowly(presses);
        ListFixture f;
        f.open();
        f.resetCounts();
        post(f.table(), presses, true);
        settle(f, slow.selected);
        compare(outcome(f), slow);
        QCOMPARE(f.window->published.size(), std::size_t{1});
        QCOMPARE(f.source->regets, 1);
        QCOMPARE(f.source->seeks, 1);
    }

    void typedCharactersLocateOnce() {
        const auto presses = typed("b1033");
        const Outcome slow = slowly(presses);
        QCOMPARE(slow.selected, std::string("B1033"));
        QCOMPARE(slow.locator, QString("b1033"));
        // Queued behind each other, or typed in one go while nothing else runs.
        const std::function<void(ListFixture&)> ways[] = {
            [&](ListFixture& f) { post(f.table(), presses); },
            [](ListFixture& f) { QTest::keyClicks(f.table(), "b1033"); },
        };
        for (const auto& type : ways) {
            ListFixture f;
            f.open();
            f.resetCounts();
            type(f);
            settle(f, slow.selected);
            compare(outcome(f), slow);
            QCOMPARE(f.window->published.size(), std::size_t{1});
            QCOMPARE(f.source->regets, 1);
            QVERIFY2(f.source->seeks <= 2, "one locate");
        }
    }

    void keysActInTheOrderTyped() {
        // The locate comes first, then the moves from the located record.
        const auto presses = typed("b102") + keys({{Qt::Key_Down, 2}});
        const Outcome slow = slowly(presses);
        QCOMPARE(slow.selected, std::string("B1022"));
        ListFixture f;
        f.open();
        f.resetCounts();
        post(f.table(), presses);
        settle(f, slow.selected);
        compare(outcome(f), slow);
        QVERIFY(f.window->published.size() <= 2);
    }

    void aToolbarButtonAfterHeldKeysMovesOnFromWhereTheyEnd() {
        const Outcome slow = slowly(keys({{Qt::Key_Down, 9}, {Qt::Key_PageDown, 1}}));
        ListFixture f;
        f.open();
        post(f.table(), keys({{Qt::Key_Down, 9}}), true);
        QCoreApplication::sendPostedEvents(); // the keys are handled, the page not yet shown
        f.window->navigate(velkora::app::NavPageDown);
        QCOMPARE(f.selected(), slow.selected);
        compare(outcome(f), slow);
    }
};

QTEST_MAIN(BrowseKeysTest)
#include "BrowseKeysTest.moc"
