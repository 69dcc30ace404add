// The built-in functions with the runtime's meanings; positions count characters.

#include "data/expr/Evaluator.h"

#include <gtest/gtest.h>

namespace velkora::expr {
namespace {

std::string eval(std::string_view text) {
    Evaluator evaluator;
    const std::string value = evaluator.evaluate(text);
    EXPECT_EQ(evaluator.errorCode(), ErrorCode::None) << text << ": " << evaluator.errorText();
    return value;
}

TEST(FunctionsTest, Instring) {
    EXPECT_EQ(eval("INSTRING('Verkauf', 'Leiter Verkauf', 1, 1)"), "8");
    EXPECT_EQ(eval("INSTRING('verkauf', 'Leiter Verkauf', 1, 1)"), "0") << "the search respects case";
    EXPECT_EQ(eval("INSTRING('e', 'Leiter')"), "2") << "step and start default to 1";
    EXPECT_EQ(eval("INSTRING('e', 'Leiter', 1, 3)"), "5");
    EXPECT_EQ(eval("INSTRING('r', 'Müller')"), "6") << "ü is one character";
    // With a step, only every step-th position counts and the step number is returned.
    EXPECT_EQ(eval("INSTRING('DEF', 'ABCDEFGHI', 3, 1)"), "2");
    EXPECT_EQ(eval("INSTRING('EFG', 'ABCDEFGHI', 3, 1)"), "0");
    EXPECT_EQ(eval("INSTRING('ab', 'xabab', 2, 2)"), "1");
    // A negative step searches backwards from the start (by default the end).
    EXPECT_EQ(eval("INSTRING('a', 'banana', -1)"), "6");
    EXPECT_EQ(eval("INSTRING('a', 'banana', -1, 5)"), "4");
    EXPECT_EQ(eval("INSTRING('', 'abc')"), "0");
    EXPECT_EQ(eval("INSTRING('abc', 'ab')"), "0");
    EXPECT_EQ(eval("INSTRING('a', 'abc', 0, 1)"), "0") << "a zero step finds nothing instead of looping";
    EXPECT_EQ(eval("INSTRING('aab', 'aaab')"), "2") << "partial matches are taken up again";
}

TEST(FunctionsTest, LengthAndClip) {
    EXPECT_EQ(eval("LEN('abc  ')"), "5") << "trailing blanks count until clipped";
    EXPECT_EQ(eval("LEN(CLIP('abc  '))"), "3");
    EXPECT_EQ(eval("LEN('Straße')"), "6");
    EXPECT_EQ(eval("LEN(1234)"), "4");
    EXPECT_EQ(eval("CLIP('  a b  ') & '|'"), "  a b|") << "leading blanks stay";
    EXPECT_EQ(eval("len(clip(''))"), "0") << "function names in any case";
}

TEST(FunctionsTest, UpperAndLower) {
    EXPECT_EQ(eval("UPPER('Müller-Lüdenscheidt')"), "MÜLLER-LÜDENSCHEIDT");
    EXPECT_EQ(eval("LOWER('ÄRGER')"), "ärger");
    EXPECT_EQ(eval("UPPER(12)"), "12");
}

TEST(FunctionsTest, Sub) {
    EXPECT_EQ(eval("SUB('ABCDEFGHI', 1, 1)"), "A");
    EXPECT_EQ(eval("SUB('ABCDEFGHI', 4, 3)"), "DEF");
    EXPECT_EQ(eval("SUB('ABCDEFGHI', -3, 3)"), "GHI") << "a negative start counts from the end";
    EXPECT_EQ(eval("SUB('ABC', 2, 10)"), "BC");
    EXPECT_EQ(eval("SUB('ABC', 0, 2)"), "A") << "positions before the first character are empty";
    EXPECT_EQ(eval("SUB('ABC', 5, 1)"), "");
    EXPECT_EQ(eval("SUB('ABC', 2, -1)"), "");
    EXPECT_EQ(eval("SUB('Größe', 3, 2)"), "öß");
}

TEST(FunctionsTest, LeftAndRightJustify) {
    EXPECT_EQ(eval("LEFT('  ab') & '|'"), "ab  |") << "leading blanks move to the end";
    EXPECT_EQ(eval("LEFT('  ab', 5) & '|'"), "ab   |");
    EXPECT_EQ(eval("LEFT('abcdef', 3)"), "abc");
    EXPECT_EQ(eval("RIGHT('ab  ') & '|'"), "  ab|") << "trailing blanks move to the front";
    EXPECT_EQ(eval("RIGHT('ab', 4) & '|'"), "  ab|");
    EXPECT_EQ(eval("RIGHT('abcdef', 3)"), "abc");
    EXPECT_EQ(eval("LEFT('ä', 2) & '|'"), "ä |") << "widths count characters";
    EXPECT_EQ(eval("LEFT('ab', -4)"), "");
}

} // namespace
} // namespace velkora::expr
