#include "documents/Section.h"

#include "documents/RtfText.h"
#include "documents/TemplateParser.h"

#include <gtest/gtest.h>

namespace velkora::documents {
namespace {

TEST(Section, JoinsLinesWithOneBlankBeforeTheLast) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"", " "},
        {"abc", " abc"},
        {"abc\r\n", " abc"},     // one CR LF at the very end goes
        {"abc\r\n\r\n", "abc "}, // only one
        {"a\r\nb\r\nc", "ab c"},
        {"a\r\n\r\nb", "a b"},
        {"<#M:NA\r\nME1#>\r\nend", "<#M:NAME1#> end"},
        {"a\nb", " a\nb"},                      // a bare LF is no line break of the template
        {"\\par\r\nEnde\r\nx", "\\par Ende x"}, // the line break ended the control word
        {"\\fs24\r\n0\r\nx", "\\fs24 0 x"},
        {"\\par\r\n\r\nEnde\r\nx", "\\par Ende x"},
        {"\\par\r\n\\b\r\nx", "\\par\\b x"}, // a backslash ends it anyway
        {"\\\\par\r\nx\r\ny", "\\\\parx y"}, // an escaped backslash and the text "par"
        {"\\'e4\r\nx\r\ny", "\\'e4x y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(joinLines(c.in), c.out) << c.in;
}

TEST(Section, SplitsAtPlaceholdersAndCutsExpressions) {
    const PreparedSection s = prepareSection("a<#X#>b<##>c<#" + std::string(100, 'E') + "#>d<#open");
    ASSERT_EQ(s.pieces.size(), 4u);
    EXPECT_EQ(s.pieces[0].literal, " a");
    EXPECT_EQ(s.pieces[0].expression, "X");
    EXPECT_EQ(s.pieces[1].literal, "b");
    EXPECT_TRUE(s.pieces[1].hasExpression);
    EXPECT_EQ(s.pieces[1].expression, "");
    EXPECT_EQ(s.pieces[2].expression, std::string(79, 'E'));
    EXPECT_EQ(s.pieces[3].literal, "d");
    EXPECT_FALSE(s.pieces[3].hasExpression); // "<#" without "#>": the rest is dropped
}

TEST(TemplateParser, HeaderAndFooterTextRules) {
    EXPECT_EQ(groupText("\r\n\r\n\\par body  "), "body");
    EXPECT_EQ(groupText("\r\n\r\n\r\n\\par body"), "\r\n\\par body"); // at most two CR LF
    EXPECT_EQ(groupText("\\par\\par x"), "\\par\\par x");             // "\par" needs its blank
    EXPECT_EQ(groupText("\\par "), "");
}

TEST(TemplateParser, GroupsAndErrors) {
    const ParsedTemplate nested = parseTemplate("T<%LOOP(A)%>a<%LOOP(B)%>b<%ENDLOOP%>c<%ENDLOOP%>d");
    ASSERT_TRUE(nested.error.empty());
    ASSERT_EQ(nested.groups.size(), 3u);
    EXPECT_EQ(nested.groups[0].name, "*#HEADER#*");
    EXPECT_EQ(nested.groups[0].header, "T");
    EXPECT_EQ(nested.groups[0].footer, "");
    EXPECT_EQ(nested.groups[1].name, "A");
    EXPECT_EQ(nested.groups[1].footer, "d");
    EXPECT_EQ(nested.groups[2].header, "b");
    EXPECT_EQ(nested.groups[2].footer, "c");

    EXPECT_TRUE(parseTemplate("no groups <%ENDLOOP%>").groups.empty());
    EXPECT_EQ(parseTemplate("<%LOOP(A").error, "RTFTPL_ERROR");
    EXPECT_EQ(parseTemplate("<%LOOP(A)%>x").error, "RTFTPL_ERROR");
    EXPECT_EQ(parseTemplate("<%LOOP(" + std::string(90, 'N') + ")%><%ENDLOOP%>").groups[1].name,
              std::string(79, 'N'));
}

TEST(RtfText, EscapesControlCharactersAndNonAscii) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"Müller & Söhne {GmbH}", "M\\'fcller & S\\'f6hne \\{GmbH\\}"},
        {"C:\\Briefe", "C:\\\\Briefe"},
        {"5 € – „Zitat“", "5 \\'80 \\'96 \\'84Zitat\\'93"},
        {"Łódź", "\\u321?\\'f3d\\u378?"},
        {"😀", "\\u-10179?\\u-8704?"},
        {"a\r\nb\nc\rd\te", "a\\line b\\line c\\line d\\tab e"},
        {std::string("x\x01\x7f"
                     "y"),
         "xy"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtfText(c.in), c.out) << c.in;
}

} // namespace
} // namespace velkora::documents
