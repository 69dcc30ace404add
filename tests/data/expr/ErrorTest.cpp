// Whatever the text, the evaluator answers with a value or an error code
// and text: it never throws, crashes or runs away.

#include "data/expr/Evaluator.h"

#include <gtest/gtest.h>

namespace velkora::expr {
namespace {

struct Failure {
    std::string text;
    ErrorCode code;
    std::string message;
};

TEST(ErrorTest, EachFailureHasItsCodeAndText) {
    const Failure failures[] = {
        {"F:NAME1", ErrorCode::UnknownName, "Unknown name F:NAME1"},
        {"1 +", ErrorCode::Syntax, "Syntax error at position 4: value expected, found end of expression"},
        {"(1 = 1", ErrorCode::Syntax, "Syntax error at position 7: ')' expected, found end of expression"},
        {"1 1", ErrorCode::Syntax, "Syntax error at position 3: unexpected number"},
        {"'abc", ErrorCode::Syntax, "Syntax error at position 1: text literal without closing quote"},
        {"'a' = 'b''", ErrorCode::Syntax, "Syntax error at position 7: text literal without closing quote"},
        {"1 # 2", ErrorCode::Syntax, "Syntax error at position 3: unexpected character '#'"},
        {"1 =\x01 2", ErrorCode::Syntax, "Syntax error at position 4: unexpected byte 0x01"},
        {"'a' = \xC3\xA4", ErrorCode::Syntax, "Syntax error at position 7: unexpected byte 0xC3"},
        {"", ErrorCode::Syntax, "Syntax error at position 1: value expected, found end of expression"},
        {"A[1", ErrorCode::Syntax, "Syntax error at position 4: ']' expected, found end of expression"},
        {"SYSTEM('rm -rf /')", ErrorCode::UnknownFunction, "Unknown function SYSTEM at position 1"},
        {"LEN()", ErrorCode::ArgumentCount, "LEN takes 1 argument, not 0 (position 1)"},
        {"LEN('a', 'b')", ErrorCode::ArgumentCount, "LEN takes 1 argument, not 2 (position 1)"},
        {"INSTRING('a')", ErrorCode::ArgumentCount, "INSTRING takes 2 to 4 arguments, not 1 (position 1)"},
        {"SUB('abc', 1,)", ErrorCode::Syntax, "Syntax error at position 14: value expected, found ')'"},
        {"1 / (2 - 2)", ErrorCode::DivisionByZero, "Division by zero"},
        {"LEFT('a', 99999999)", ErrorCode::TooLong, "Result of LEFT too long"},
    };
    Evaluator evaluator;
    for (const Failure& failure : failures) {
        EXPECT_EQ(evaluator.evaluate(failure.text), "") << failure.text;
        EXPECT_EQ(evaluator.errorCode(), failure.code) << failure.text;
        EXPECT_GE(number(evaluator.errorCode()), 800) << failure.text;
        EXPECT_EQ(evaluator.errorText(), failure.message) << failure.text;
    }
    evaluator.evaluate("1");
    EXPECT_EQ(evaluator.errorCode(), ErrorCode::None) << "a success clears the last error";
    EXPECT_EQ(evaluator.errorText(), "");
}

TEST(ErrorTest, CompilingReportsSyntaxBeforeAnyEvaluation) {
    const Expression broken("ADR:STATUS >= ");
    EXPECT_FALSE(broken.ok());
    EXPECT_EQ(broken.errorCode(), ErrorCode::Syntax);
    const Expression unbound("ADR:STATUS >= 1");
    EXPECT_TRUE(unbound.ok()) << "names are looked up when evaluated";
}

TEST(ErrorTest, DeepNestingIsRefusedNotFollowed) {
    Evaluator evaluator;
    const std::string fine = std::string(90, '(') + "1" + std::string(90, ')');
    EXPECT_EQ(evaluator.evaluate(fine), "1");
    for (const std::string& deep :
         {std::string(100000, '(') + "1", std::string(50000, '-') + "1",
          "NOT " + std::string(5000, 'N') + "1", std::string(20000, '(') + "1" + std::string(20000, ')'), [] {
              std::string calls;
              for (int i = 0; i < 5000; ++i)
                  calls += "LEN(";
              return calls;
          }()}) {
        evaluator.evaluate(deep);
        EXPECT_NE(evaluator.errorCode(), ErrorCode::None) << deep.substr(0, 20);
    }
    evaluator.evaluate(std::string(200, '-') + "1");
    EXPECT_EQ(evaluator.errorCode(), ErrorCode::TooComplex);
    std::string nots;
    for (int i = 0; i < 200; ++i)
        nots += "NOT ";
    evaluator.evaluate(nots + "1");
    EXPECT_EQ(evaluator.errorCode(), ErrorCode::TooComplex);
}

TEST(ErrorTest, LongFlatExpressionsEvaluate) {
    Evaluator evaluator;
    std::string sum = "0";
    for (int i = 0; i < 25000; ++i)
        sum += "+1";
    EXPECT_EQ(evaluator.evaluate(sum), "25000") << "a long chain needs no deep recursion";
    std::string joined = "''";
    for (int i = 0; i < 20000; ++i)
        joined += "&'ab'";
    EXPECT_EQ(evaluator.evaluate(joined).size(), 40000u);
    std::string conditions = "1 = 1";
    for (int i = 0; i < 10000; ++i)
        conditions += " AND 1 = 1";
    EXPECT_EQ(evaluator.evaluate(conditions), "1");
    EXPECT_EQ(evaluator.evaluate("'" + std::string(100000, 'x') + "'").size(), 100000u);
    evaluator.evaluate(std::string(400, '9'));
    EXPECT_EQ(evaluator.errorText(), "Syntax error at position 1: number out of range");
}

TEST(ErrorTest, TextsStayWithinTheirLimit) {
    Evaluator evaluator;
    std::string text(1000, 'a');
    evaluator.bind("BIG", text);
    std::string many = "BIG";
    for (int i = 0; i < 2000; ++i)
        many += " & BIG";
    evaluator.evaluate(many);
    EXPECT_EQ(evaluator.errorCode(), ErrorCode::TooLong);
    // A search in long texts stays linear: a naive one would compare for hours here.
    const std::string needle = std::string(300000, 'a') + "b", haystack(1000000, 'a'),
                      ending = haystack + "b";
    evaluator.bind("NEEDLE", needle);
    evaluator.bind("HAYSTACK", haystack);
    evaluator.bind("ENDING", ending);
    EXPECT_EQ(evaluator.evaluate("INSTRING(NEEDLE, HAYSTACK)"), "0");
    EXPECT_EQ(evaluator.evaluate("INSTRING(NEEDLE, ENDING, 1, 2)"), "700001");
    EXPECT_EQ(evaluator.evaluate("ENDING[1000001] & LEN(ENDING)"), "b1000001")
        << "the limit is for built texts only";
}

} // namespace
} // namespace velkora::expr
