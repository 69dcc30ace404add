// List formats as text and list layouts in the window file.

#include "ui/layout/ListLayout.h"

#include "TempDir.h"
#include "shared/ProfileFile.h"
#include "ui/layout/FormatDialogs.h"
#include "ui/layout/ListFormat.h"

#include <gtest/gtest.h>

namespace velkora::layout {
namespace {

const char* const kDesigned[] = {
    "12L(2)F*J~ "
    "..~L(1)@s1@74L(1)|M*~NAME1~@s63@58L(1)|M*~NAME2~@s63@38L(1)|M*~ANREDE~@s31@34L(1)|M*~ADRART~@s40@"
    "38L(1)|M*~LDPLZ~@s16@66L(1)|M*~ORT~@s39@66L(1)|M*~STR~@s39@46L(1)|M*~BRANCHE~@s16@46L(1)|M*~ADRGRP~@s15@"
    "66L(1)|M*~ZUSATZ~@s39@28R(1)|M*~ADRNR~L@n_6B@40R(1)|M*~EKONT~L@d17B@40R(1)|M*~LKONT~L@d17B@"
    "38L(1)|M*~PFACH~@s15@78L(1)|M*~URL~@s63@40L(1)|M*~USTID~@s15@",
    "22L(1)|M*~LD~@s3@90L(1)|M*~LAND~@s39@28L(1)|M*~VORWAHL~@s7@",
    "100L(1)|M~STR~@s39@30L(1)|M~PLZ~@s8@18R(1)|M~NRVON~L@s4@18R(1)|M~NRBIS~L@s4@",
    "74L(1)|M*~NAME~@s64@74L(1)|M*~ABTPOS~@s47@60L(1)|M*~TEL~@s39@60L(1)|M*~FAX~@s31@72L|M*~EMAIL~L(2)@s60@"
    "54L(1)|M*~TKPART~@s20@124L(1)|M*~TF~@s31@24R(1)|M*~ADRNR~L@n_6B@24R(1)|M*~TKPNR~L@n_6B@",
};

TEST(ListFormatTest, DesignedFormatsReadAndWriteBackUnchanged) {
    for (const char* text : kDesigned) {
        const auto format = parseListFormat(text);
        ASSERT_TRUE(format) << text;
        EXPECT_EQ(listFormatText(*format), text);
    }
    const auto address = parseListFormat(kDesigned[0]);
    ASSERT_EQ(address->columns.size(), 17u);
    const ListColumn& icon = address->columns[0];
    EXPECT_EQ(icon.width, 12);
    EXPECT_EQ(icon.offset, 2);
    EXPECT_TRUE(icon.isIcon());
    EXPECT_TRUE(icon.hasFlag('F'));
    EXPECT_EQ(icon.header, " ..");
    EXPECT_EQ(icon.headerJust, 'L');
    const ListColumn& number = address->columns[11];
    EXPECT_EQ(number.just, 'R');
    EXPECT_EQ(number.headerJust, 'L');
    EXPECT_FALSE(number.headerOffset);
    EXPECT_EQ(number.picture, "n_6B");
}

TEST(ListFormatTest, RejectsWhatIsNoFormat) {
    for (const char* text : {"", "abc", "12X@s1@", "12L~head@s1@", "12L(3@s1@", "12L@s1", "12L@s1@#x#"})
        EXPECT_FALSE(parseListFormat(text)) << text;
}

TEST(ListFormatTest, MovedAndHiddenColumnsNameTheirFields) {
    auto format = *parseListFormat(kDesigned[1]);
    EXPECT_TRUE(moveColumn(format, 0, +1));
    EXPECT_EQ(format.fieldOf(0), 2);
    EXPECT_EQ(format.fieldOf(1), 1);
    EXPECT_EQ(format.fieldOf(2), 3);
    const std::string text = listFormatText(format);
    EXPECT_EQ(text, "90L(1)|M*~LAND~@s39@#2#22L(1)|M*~LD~@s3@#1#28L(1)|M*~VORWAHL~@s7@");
    EXPECT_EQ(listFormatText(*parseListFormat(text)), text);
    EXPECT_FALSE(moveColumn(format, 0, -1)); // past the first place
    EXPECT_FALSE(moveColumn(format, 2, +1)); // past the last place
    EXPECT_TRUE(moveColumn(format, 1, -1));  // back: no field numbers needed
    EXPECT_EQ(listFormatText(format), kDesigned[1]);
    EXPECT_EQ(format.indexOfField(3), 2);
    EXPECT_EQ(format.indexOfField(4), -1);
}

TEST(ListFormatTest, AddedColumnComesFromTheColumnTable) {
    FormatSession session;
    session.fields = {{"ADR:NAME1", "Name 1", "@s63L"}, {"ADR:ALARM", "Alarm", "@s1"}};
    const ListColumn column = columnFor(session, 1);
    EXPECT_EQ(column.header, "Name 1");
    EXPECT_EQ(column.picture, "s63");
    EXPECT_EQ(column.field, 1);
}

class ListLayoutTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string file = dir.file("ORBWin.INI");
    const std::string designed = kDesigned[1];
    const std::string section = "qxLandList";
    const std::string list = "?Browse:1";
};

TEST_F(ListLayoutTest, SavedLayoutComesBack) {
    ListLayout saved;
    saved.format = "90L(1)|M*~Land~@s39@#2#22L(1)|M*~LD~@s3@#1#";
    saved.xpos = 4;
    saved.ypos = 5;
    saved.width = 600;
    saved.height = 300;
    saved.hscroll = false;
    saved.lineHeight = 22;
    saved.font = "DejaVu Sans";
    saved.point = 11;
    saved.color = 0x102030;
    saved.style = 3;
    saved.prevCol = -2;
    saveListLayout(file, section, list, designed, saved);
    EXPECT_EQ(profile::read(file, section, "XploreOrigFormatString-?Browse:1"), designed);
    EXPECT_EQ(profile::read(file, section, "XploreFormatString-?Browse:1"), saved.format);
    EXPECT_EQ(profile::read(file, section, "XplorePrevCol-?Browse:1"), "-2");

    const ListLayout back = restoreListLayout(file, section, list, designed, ListLayout{});
    EXPECT_EQ(back.format, saved.format);
    EXPECT_EQ(back.prevCol, -2);
    EXPECT_FALSE(back.hscroll);
    EXPECT_TRUE(back.vscroll);
    EXPECT_EQ(back.lineHeight, 22);
    EXPECT_EQ(back.font, "DejaVu Sans");
    EXPECT_EQ(back.point, 11);
    EXPECT_EQ(back.color, 0x102030);
    EXPECT_EQ(back.style, 3);
    EXPECT_EQ(back.width, 600);
}

TEST_F(ListLayoutTest, LayoutOfAnotherDesignIsIgnoredAndOverwritten) {
    ListLayout saved;
    saved.format = "90L(1)|M*~LAND~@s39@#2#";
    saved.prevCol = 2;
    saveListLayout(file, section, list, "22L(1)|M*~LD~@s3@", saved); // the design before a change
    ListLayout current;
    current.format = designed;
    const ListLayout back = restoreListLayout(file, section, list, designed, current);
    EXPECT_EQ(back.format, designed);
    EXPECT_EQ(back.prevCol, 0);
    saveListLayout(file, section, list, designed, back);
    EXPECT_EQ(profile::read(file, section, "XploreOrigFormatString-?Browse:1"), designed);
}

TEST_F(ListLayoutTest, EmptyStoredFormatKeepsTheDesign) {
    ListLayout saved;
    saveListLayout(file, section, list, designed, saved);
    ListLayout current;
    current.format = designed;
    EXPECT_EQ(restoreListLayout(file, section, list, designed, current).format, designed);
    // Without a window file every value is the list's own.
    current.lineHeight = 19;
    EXPECT_EQ(restoreListLayout(dir.file("none.ini"), section, list, designed, current).lineHeight, 19);
}

} // namespace
} // namespace velkora::layout
