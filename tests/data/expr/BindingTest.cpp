// Bindings, scopes and compiled expressions reused across records.

#include "TestRecord.h"
#include "data/expr/Evaluator.h"

#include <gtest/gtest.h>

namespace velkora::expr {
namespace {

TEST(BindingTest, BoundVariablesAreReadWhenEvaluated) {
    Evaluator evaluator;
    std::string name = "Meier";
    std::int32_t number = 3;
    double amount = 2.5;
    evaluator.bind("F:NAME1", name);
    evaluator.bind("LN:ADRNR", number);
    evaluator.bind("LD:BETRAG", amount);
    const Expression expression("f:name1 & ' ' & LN:AdrNr * LD:BETRAG");
    EXPECT_EQ(evaluator.evaluate(expression), "Meier 7.5") << "names are case-insensitive";
    name = "Schulz";
    number = 4;
    EXPECT_EQ(evaluator.evaluate(expression), "Schulz 10");

    std::string other = "Huber";
    evaluator.bind("F:NAME1", other);
    EXPECT_EQ(evaluator.evaluate(expression), "Huber 10") << "binding again replaces the variable";
}

TEST(BindingTest, RecordFieldsAndMemosSeparately) {
    Evaluator evaluator;
    test::TestRecord record;
    record.text("M:ORT", "Berlin").number("M:ADRNR", 12);
    std::string memo = "Notiz";
    evaluator.bindRecord(record);
    evaluator.bind("M:MEMO", memo);
    EXPECT_EQ(evaluator.evaluate("M:ORT & M:ADRNR & M:MEMO"), "Berlin12Notiz");
}

TEST(BindingTest, UnboundAndUnknownNamesFail) {
    Evaluator evaluator;
    std::string value = "x";
    evaluator.bind("F:NAME0", value);
    const Expression expression("F:NAME0 & F:NAME9");
    EXPECT_EQ(evaluator.evaluate(expression), "");
    EXPECT_EQ(evaluator.errorCode(), ErrorCode::UnknownName);
    EXPECT_EQ(evaluator.errorText(), "Unknown name F:NAME9");

    evaluator.bind("F:NAME9", value);
    EXPECT_EQ(evaluator.evaluate(expression), "xx") << "a name bound after compiling is found";
    EXPECT_EQ(evaluator.errorCode(), ErrorCode::None);
    EXPECT_EQ(evaluator.errorText(), "");

    evaluator.unbind("f:name9");
    evaluator.evaluate(expression);
    EXPECT_EQ(evaluator.errorCode(), ErrorCode::UnknownName);
}

TEST(BindingTest, ScopesUndoTheirBindings) {
    Evaluator evaluator;
    std::string outer = "outer", inner = "inner";
    evaluator.bind("A", outer);
    const Expression a("A"), b("B");
    {
        BindingScope scope(evaluator);
        evaluator.bind("A", inner);
        evaluator.bind("B", inner);
        EXPECT_EQ(evaluator.evaluate(a), "inner");
        {
            BindingScope nested(evaluator);
            evaluator.unbind("A");
            evaluator.evaluate(a);
            EXPECT_EQ(evaluator.errorCode(), ErrorCode::UnknownName);
        }
        EXPECT_EQ(evaluator.evaluate(a), "inner") << "the nested scope's unbind is undone";
    }
    EXPECT_EQ(evaluator.evaluate(a), "outer") << "the shadowed binding is back";
    evaluator.evaluate(b);
    EXPECT_EQ(evaluator.errorCode(), ErrorCode::UnknownName) << "bindings of the scope are gone";

    evaluator.popScope(); // without an open scope: nothing happens
    EXPECT_EQ(evaluator.evaluate(a), "outer");
}

TEST(BindingTest, OneCompiledConditionOverManyRecordsAndEvaluators) {
    test::TestRecord record;
    record.text("ADR:STATUS", "").text("ADR:MERKM", "");
    Evaluator first, second;
    first.bindRecord(record);
    const Expression condition("ADR:STATUS >= '1' AND ADR:STATUS <= '3' AND ADR:MERKM[2] = '1'");
    ASSERT_TRUE(condition.ok());
    int selected = 0;
    for (int status = 0; status < 6; ++status) {
        for (const char* features : {"01", "10", "11"}) {
            record.text("ADR:STATUS", std::to_string(status)).text("ADR:MERKM", features);
            selected += first.evaluate(condition) == "1";
        }
    }
    EXPECT_EQ(selected, 6) << "statuses 1 to 3, each with two of three feature sets";

    // The same compiled text in an evaluator that binds a different record.
    test::TestRecord other;
    other.text("ADR:STATUS", "2").text("ADR:MERKM", "11");
    second.bindRecord(other);
    EXPECT_EQ(second.evaluate(condition), "1");
    record.text("ADR:STATUS", "9");
    EXPECT_EQ(first.evaluate(condition), "0");
    EXPECT_EQ(second.evaluate(condition), "1");
}

TEST(BindingTest, TypedFieldsCompareAsNumbers) {
    test::TestRecord record;
    record.number("ADR:STATUS", 10);
    Evaluator evaluator;
    evaluator.bindRecord(record);
    EXPECT_EQ(evaluator.evaluate("ADR:STATUS >= '1' AND ADR:STATUS <= '3'"), "0");
    record.text("ADR:STATUS", "10");
    EXPECT_EQ(evaluator.evaluate("ADR:STATUS >= '1' AND ADR:STATUS <= '3'"), "1")
        << "a text field compares as text, as the runtime does";
}

} // namespace
} // namespace velkora::expr
