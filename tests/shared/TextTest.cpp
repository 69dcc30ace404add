#include "shared/Text.h"

#include "shared/FieldTypes.h"

#include <gtest/gtest.h>

using namespace velkora;

TEST(Text, FoldingSortsUmlautsWithTheirBaseLetterAndSharpSAsSs) {
    EXPECT_EQ(foldText("Müller"), "MULLER");
    EXPECT_EQ(foldText("Straße"), "STRASSE");
    EXPECT_EQ(foldText("Ärzte"), "ARZTE");
    EXPECT_EQ(foldText("café"), "CAFE");
    EXPECT_EQ(compareFolded("Müller", "MULLER  "), 0);
    EXPECT_LT(compareFolded("Mueller", "Müller"), 0); // "MUE" sorts before "MUL"
    EXPECT_LT(compareFolded("Maier", "Österreich"), 0);
    EXPECT_GT(compareFolded("Zander", "Ölmühle"), 0);
}

TEST(Text, UpperAndLowerKeepTheUmlauts) {
    EXPECT_EQ(upperText("Müller & Söhne"), "MÜLLER & SÖHNE");
    EXPECT_EQ(lowerText("ÄRGER"), "ärger");
    EXPECT_EQ(upperText("straße"), "STRAßE");
}

TEST(Text, CutsNeverSplitACharacter) {
    EXPECT_EQ(cutChars("Söhne", 2), "Sö");
    EXPECT_EQ(charCount("Söhne"), 5u);
    EXPECT_EQ(subChars("Müller", 2, 3), "üll");
    EXPECT_EQ(cutChars("\xff\xfe"
                       "abc",
                       3),
              "\xff\xfe"
              "a"); // invalid bytes count one each
}

TEST(Text, TipsLoseTheShortcutMarkerButKeepALiteralAmpersand) {
    EXPECT_EQ(withoutMnemonic("Akti&vitäten"), "Aktivitäten");
    EXPECT_EQ(withoutMnemonic("&Datei"), "Datei");
    EXPECT_EQ(withoutMnemonic("Kontakte && Personen"), "Kontakte & Personen");
    EXPECT_EQ(withoutMnemonic("Ende &"), "Ende &");
    EXPECT_EQ(withoutMnemonic(""), "");
}

TEST(Text, FieldTypesClipByCharacters) {
    EXPECT_EQ(toStringField("Ölmühle", 9), "Ölmühle  ");
    EXPECT_EQ(toStringField("Ölmühle", 3), "Ölm");
    EXPECT_EQ(toCStringField("Ölmühle", 4), "Ölm"); // CSTRING(4) holds three characters
    EXPECT_EQ(clip("Name   "), "Name");
    EXPECT_EQ(trim("  Name "), "Name");
}
