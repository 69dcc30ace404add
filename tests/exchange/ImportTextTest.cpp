// How a line of an import file is cut into columns and which code page a file is read in.

#include "exchange/ImportText.h"

#include <gtest/gtest.h>

namespace velkora::exchange {
namespace {

using Columns = std::vector<std::string>;

TEST(SplitDelimited, CutsAtEveryDelimiterTheRestBeingTheLastColumn) {
    EXPECT_EQ(splitDelimited("Müller GmbH;Einkauf;Berlin", ";", false),
              (Columns{"Müller GmbH", "Einkauf", "Berlin"}));
    EXPECT_EQ(splitDelimited("a;;b;", ";", false), (Columns{"a", "", "b", ""}));
    EXPECT_EQ(splitDelimited("a;b   ", ";", false), (Columns{"a", "b"}));
    EXPECT_EQ(splitDelimited("a<>b<>c", "<>", false), (Columns{"a", "b", "c"}));
    EXPECT_EQ(splitDelimited("", ";", false), (Columns{""}));
}

TEST(SplitDelimited, AColumnKeepsAtMost254Characters) {
    const std::string longText(300, 'x');
    EXPECT_EQ(splitDelimited(longText + ";y", ";", false)[0], std::string(254, 'x'));
    const std::string umlauts = std::string(253, 'x') + "äö";
    EXPECT_EQ(splitDelimited(umlauts, ";", false)[0], std::string(253, 'x') + "ä");
}

TEST(SplitDelimited, WithoutTheQuotesBoxQuotesAreText) {
    EXPECT_EQ(splitDelimited("\"Müller; Söhne\";Berlin", ";", false),
              (Columns{"\"Müller", " Söhne\"", "Berlin"}));
}

TEST(SplitDelimited, WithTheQuotesBoxAQuotedColumnKeepsDelimitersAndLineBreaks) {
    EXPECT_EQ(splitDelimited("\"Müller; Söhne\";Berlin", ";", true), (Columns{"Müller; Söhne", "Berlin"}));
    EXPECT_EQ(splitDelimited("\"a\nb\";\"say \"\"hi\"\"\";\"\"", ";", true),
              (Columns{"a\nb", "say \"hi\"", ""}));
    EXPECT_EQ(splitDelimited("plain;\"open", ";", true), (Columns{"plain", "open"}));
}

TEST(SplitFixed, TakesCharactersAtTheirPositionsWithoutBlanks) {
    const std::vector<FixedColumn> columns{{1, 8}, {9, 5}, {14, 10}, {40, 3}, {0, 0}};
    EXPECT_EQ(splitFixed("Müller  10115Berlin", columns), (Columns{"Müller", "10115", "Berlin", "", ""}));
}

TEST(TextRecords, QuotedLineBreaksBelongToTheLine) {
    TextRecords plain("a;\"b\r\nc\"\r\nd\n", false);
    TextRecords quoted("a;\"b\r\nc\"\r\nd\n", true);
    std::vector<std::string> plainLines, quotedLines;
    for (std::string line; plain.next(line);)
        plainLines.push_back(line);
    for (std::string line; quoted.next(line);)
        quotedLines.push_back(line);
    EXPECT_EQ(plainLines, (Columns{"a;\"b", "c\"", "d"}));
    EXPECT_EQ(quotedLines, (Columns{"a;\"b\nc\"", "d"}));
}

TEST(Encodings, TheOemBoxMeansCp850OtherwiseUtf8WhenValidElseWindows1252) {
    const std::string oem = "M\x81ller";
    const std::string ansi = "M\xfcller";
    const std::string utf8 = "Müller";
    EXPECT_EQ(decodeText(oem, detectEncoding(oem, true)), "Müller");
    EXPECT_EQ(decodeText(utf8, detectEncoding(utf8, false)), "Müller");
    EXPECT_EQ(decodeText(ansi, detectEncoding(ansi, false)), "Müller");
    EXPECT_EQ(decodeText("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F", detectEncoding("\xEF\xBB\xBF", false)), "Grüß");
    // A byte-order mark wins even when later bytes are no UTF-8.
    EXPECT_EQ(detectEncoding("\xEF\xBB\xBF"
                             "M\xfc",
                             false),
              TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding("plain ASCII", false), TextEncoding::Utf8);
    // Overlong forms, surrogates and cut sequences are no UTF-8.
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(isValidUtf8("ab\xC3"));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));
}

} // namespace
} // namespace velkora::exchange
