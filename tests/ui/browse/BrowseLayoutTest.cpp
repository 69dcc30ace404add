// A list's look from the window file: font, colour, line height, scroll
// bars and, for a list that remembers it, its placement are shown when the
// list opens, and what the user changed comes back after closing it.

#include "ListFixture.h"
#include "ModalDriver.h"
#include "shared/ProfileFile.h"

#include <QFontDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <map>
#include <tuple>

using velkora::test::ListFixture;
namespace profile = velkora::profile;

namespace {

constexpr const char* kSection = "qxBranchenListe";

void store(const ListFixture& f, const std::map<std::string, std::string>& keys) {
    for (const auto& [prefix, value] : keys)
        profile::write(f.windowFile(), kSection, prefix + "?Browse:1", value);
}

std::string stored(const ListFixture& f, const std::string& prefix) {
    return profile::read(f.windowFile(), kSection, prefix + "?Browse:1", "(none)");
}

void closeList(ListFixture& f) {
    QTest::mouseClick(f.window->findChild<QPushButton*>("CLOSE"), Qt::LeftButton);
    QTRY_VERIFY(f.window.isNull());
}

QColor textColour(const ListFixture& f) {
    return f.table()->palette().color(QPalette::Text);
}

const std::map<std::string, std::string> kLook = {
    {"XploreFont-", "DejaVu Serif"}, {"XplorePoint-", "14"},      {"XploreStyle-", "3"},
    {"XploreColor-", "3368601"},     {"XploreLineHeight-", "27"}, {"XploreHscroll-", "0"},
    {"XploreVscroll-", "0"},         {"XploreXpos-", "10"},       {"XploreYpos-", "12"},
    {"XploreWidth-", "300"},         {"XploreHeight-", "150"},
};

} // namespace

class BrowseLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void storedLookShowsInTheList() {
        ListFixture f;
        store(f, kLook);
        f.open();
        const QFont font = f.table()->font();
        QCOMPARE(font.family(), QString("DejaVu Serif"));
        QCOMPARE(font.pointSize(), 14);
        QVERIFY(font.bold());
        QVERIFY(font.italic());
        QVERIFY(!font.underline());
        QCOMPARE(textColour(f), QColor(0x33, 0x66, 0x99));
        QCOMPARE(f.table()->verticalHeader()->defaultSectionSize(), 27);
        QCOMPARE(f.table()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(f.window->list()->thumbBar()->isHidden());
        // The page has as many rows as lines of that height fit.
        QCOMPARE(f.window->page().pageSize(), f.table()->viewport()->height() / 27);
        // This list fills its sheet: the stored placement is not its own.
        QVERIFY(f.window->list()->width() > 400);
        closeList(f);
        for (const auto& [prefix, value] : kLook)
            if (prefix != "XploreXpos-" && prefix != "XploreYpos-" && prefix != "XploreWidth-" &&
                prefix != "XploreHeight-")
                QCOMPARE(stored(f, prefix), value);
    }

    void withoutStoredKeysTheListKeepsItsOwnLook() {
        ListFixture f;
        f.open();
        QCOMPARE(textColour(f), QApplication::palette().color(QPalette::Text));
        QCOMPARE(f.table()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QVERIFY(!f.window->list()->thumbBar()->isHidden());
        closeList(f);
        QCOMPARE(stored(f, "XploreColor-"), std::string("-1")); // the desktop's colour, not a copy of it
    }

    void aListThatRemembersItsPlacementIsPutThere() {
        auto remembering = ListFixture::declaration();
        remembering.remembersPlacement = true;
        ListFixture f;
        store(f, kLook);
        f.open(remembering);
        QCOMPARE(f.window->list()->geometry(), QRect(10, 12, 300, 150));
        // Changed in "Format Listbox...", kept after closing.
        velkora::test::whenModal([](QWidget* d) {
            QVERIFY(d->findChild<QSpinBox*>("XPOS")->isVisible());
            d->findChild<QSpinBox*>("XPOS")->setValue(6);
            d->findChild<QSpinBox*>("LISTWIDTH")->setValue(320);
            QTest::mouseClick(d->findChild<QPushButton*>("CLOSE"), Qt::LeftButton);
        });
        f.window->openListboxDialog();
        QCOMPARE(f.window->list()->geometry(), QRect(6, 12, 320, 150));
        closeList(f);
        f.open(remembering);
        QCOMPARE(f.window->list()->geometry(), QRect(6, 12, 320, 150));
        closeList(f);
        // A stored width of 0 leaves the list filling its sheet.
        store(f, {{"XploreWidth-", "0"}});
        f.open(remembering);
        QVERIFY(f.window->list()->width() > 400);
    }

    void aListThatFillsItsSheetOffersNoPlacement() {
        ListFixture f;
        f.open();
        bool offered = true;
        velkora::test::whenModal([&offered](QWidget* d) {
            offered = false;
            for (const char* name : {"XPOS", "YPOS", "LISTWIDTH", "LISTHEIGHT"})
                offered = offered || d->findChild<QSpinBox*>(name)->isVisible();
            QTest::mouseClick(d->findChild<QPushButton*>("CLOSE"), Qt::LeftButton);
        });
        f.window->openListboxDialog();
        QVERIFY(!offered);
    }

    void changedFontAndLineHeightComeBack() {
        ListFixture f;
        store(f, {{"XploreColor-", "8421376"}}); // 0x808000
        f.open();
        QFont chosen;
        velkora::test::whenModal([&chosen](QWidget* d) { // "List Format"
            d->findChild<QSpinBox*>("LINEHEIGHT")->setValue(29);
            velkora::test::whenModal([&chosen](QWidget* fonts) {
                auto* dialog = qobject_cast<QFontDialog*>(fonts);
                QVERIFY(dialog != nullptr);
                QFont font = dialog->currentFont();
                font.setPointSize(16);
                font.setBold(true);
                font.setUnderline(true);
                dialog->setCurrentFont(font);
                chosen = dialog->currentFont();
                dialog->accept();
            });
            QTest::mouseClick(d->findChild<QPushButton*>("FONT"), Qt::LeftButton);
            QTest::mouseClick(d->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        QTest::keyClick(f.table(), Qt::Key_F12, Qt::AltModifier);
        QCOMPARE(chosen.pointSize(), 16);
        const auto look = [&f] {
            const QFont font = f.table()->font();
            return std::make_tuple(font.family(), font.pointSize(), font.bold(), font.italic(),
                                   font.underline(), f.table()->verticalHeader()->defaultSectionSize(),
                                   textColour(f));
        };
        const auto seen = look();
        QCOMPARE(seen, std::make_tuple(chosen.family(), 16, chosen.bold(), chosen.italic(), true, 29,
                                       QColor(0x808000)));
        closeList(f);
        f.open();
        QCOMPARE(look(), seen);
    }
};

QTEST_MAIN(BrowseLayoutTest)
#include "BrowseLayoutTest.moc"
