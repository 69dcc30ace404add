// Every form of expression the program builds, with the runtime's results.

#include "TestRecord.h"
#include "data/expr/Evaluator.h"

#include <gtest/gtest.h>

namespace velkora::expr {
namespace {

class FormsTest : public ::testing::Test {
protected:
    FormsTest() {
        address.text("ADR:STATUS", "2")
            .text("ADR:MERKM", "01001000")
            .text("ADR:NAME1", "Müller GmbH                             ")
            .text("ADR:PLZ", "80331")
            .number("ADR:ADRNR", 17);
        contact.number("TKP:ADRNR", 7)
            .text("TKP:EMAIL", "                    ")
            .text("TKP:ABTPOS", "Leiter Verkauf")
            .number("TKP:KTART", 2);
        evaluator.bindRecord(address);
        evaluator.bindRecord(contact);
    }

    // The value, failing the test when the evaluator reports an error.
    std::string eval(std::string_view text) {
        const std::string value = evaluator.evaluate(text);
        EXPECT_EQ(evaluator.errorCode(), ErrorCode::None) << text << ": " << evaluator.errorText();
        return value;
    }

    test::TestRecord address, contact;
    Evaluator evaluator;
};

TEST_F(FormsTest, ConditionsThatTheMailingSelectionBuilds) {
    EXPECT_EQ(eval("ADR:STATUS >= '1' AND ADR:STATUS <= '3'"), "1");
    EXPECT_EQ(eval("ADR:MERKM[2] = '1'"), "1");
    EXPECT_EQ(eval("ADR:MERKM[3] = '1'"), "0");
    EXPECT_EQ(eval("ADR:STATUS >= '1' AND ADR:STATUS <= '3' AND (ADR:MERKM[2] = '1' AND ADR:MERKM[5] = '1')"),
              "1");
    EXPECT_EQ(eval("ADR:STATUS >= '1' AND ADR:STATUS <= '3' AND (ADR:MERKM[1] = '1' OR ADR:MERKM[3] = '1')"),
              "0");
    EXPECT_EQ(eval("LEN(CLIP(TKP:EMAIL)) > 0"), "0");
    EXPECT_EQ(eval("INSTRING( 'Verkauf', TKP:ABTPOS, 1, 1 ) > 0"), "1");
    EXPECT_EQ(eval("0 = 0 AND TKP:KTART = 2 AND INSTRING( 'Einkauf', TKP:ABTPOS, 1, 1 ) > 0"), "0");
    EXPECT_EQ(eval("TKP:ADRNR = 7"), "1");
    EXPECT_EQ(eval("TKP:ADRNR = 8"), "0");
    EXPECT_EQ(eval("1 = 1"), "1");
    EXPECT_EQ(eval("0 = 0"), "1");
    EXPECT_EQ(eval("ADR:PLZ >= '80000' AND ADR:PLZ <= '89999'"), "1");
    EXPECT_EQ(eval("ADR:NAME1 >= 'M' AND ADR:NAME1 <= 'N'"), "1");

    contact.text("TKP:EMAIL", "info@example.com    ");
    EXPECT_EQ(eval("LEN(CLIP(TKP:EMAIL)) > 0"), "1") << "fields are read at evaluation time";
}

TEST_F(FormsTest, LiteralsConcatenationAndPlaceholders) {
    EXPECT_EQ(eval("'Sehr geehrte(r) '&ADR:PLZ&','"), "Sehr geehrte(r) 80331,");
    EXPECT_EQ(eval("'O''Brien'"), "O'Brien");
    EXPECT_EQ(eval("''''"), "'");
    EXPECT_EQ(eval("''"), "");
    EXPECT_EQ(eval("ADR:NAME1"), "Müller GmbH                             ")
        << "a bare field keeps its blanks";
    EXPECT_EQ(eval("'Nr. ' & ADR:ADRNR"), "Nr. 17");
    EXPECT_EQ(eval("1 & 2"), "12");
    EXPECT_EQ(eval("'a' & 1 + 2"), "a3") << "& binds looser than +";
}

TEST_F(FormsTest, Arithmetic) {
    EXPECT_EQ(eval("1 + 2 * 3"), "7");
    EXPECT_EQ(eval("(1 + 2) * 3"), "9");
    EXPECT_EQ(eval("10 - 4 - 3"), "3");
    EXPECT_EQ(eval("7 / 2"), "3.5");
    EXPECT_EQ(eval("-ADR:ADRNR + 1"), "-16");
    EXPECT_EQ(eval("- -3"), "3");
    EXPECT_EQ(eval("'12' + '0.5'"), "12.5") << "texts in arithmetic are read as numbers";
    EXPECT_EQ(eval("'abc' + 1"), "1");
    EXPECT_EQ(eval(".25 * 4"), "1");
    EXPECT_EQ(eval("0.1 + 0.2"), "0.30000000000000004");
    EXPECT_EQ(eval("3 - 3 * 1"), "0");
}

TEST_F(FormsTest, ComparisonsOfTextsAndNumbers) {
    // Texts compare as texts, anything with a number as numbers.
    EXPECT_EQ(eval("'10' < '9'"), "1");
    EXPECT_EQ(eval("10 < '9'"), "0");
    EXPECT_EQ(eval("ADR:ADRNR > '9'"), "1");
    // Trailing blanks never count, leading ones do.
    EXPECT_EQ(eval("'abc   ' = 'abc'"), "1");
    EXPECT_EQ(eval("' abc' = 'abc'"), "0");
    EXPECT_EQ(eval("ADR:NAME1 = 'Müller GmbH'"), "1");
    EXPECT_EQ(eval("'' = '   '"), "1");
    // Plain texts compare by case and by character code.
    EXPECT_EQ(eval("'Abc' = 'ABC'"), "0");
    EXPECT_EQ(eval("'a' > 'Z'"), "1");
    for (const char* op : {"=", "<>", "<", ">", "<=", ">="}) {
        const std::string less = std::string("1 ") + op + " 2", same = std::string("2 ") + op + " 2";
        const bool lessTrue = std::string(op) == "<>" || std::string(op) == "<" || std::string(op) == "<=";
        const bool sameTrue = std::string(op) == "=" || std::string(op) == "<=" || std::string(op) == ">=";
        EXPECT_EQ(eval(less), lessTrue ? "1" : "0") << less;
        EXPECT_EQ(eval(same), sameTrue ? "1" : "0") << same;
    }
}

TEST_F(FormsTest, UpperComparesWithTheCollationOfCaseInsensitiveKeys) {
    EXPECT_EQ(eval("UPPER(ADR:NAME1)"), "MÜLLER GMBH                             ")
        << "shown with its umlaut";
    EXPECT_EQ(eval("UPPER('Straße')"), "STRAßE");
    EXPECT_EQ(eval("UPPER(ADR:NAME1) = UPPER('müller gmbh')"), "1");
    EXPECT_EQ(eval("UPPER(ADR:NAME1) = 'MULLER GMBH'"), "1") << "umlauts fold onto their base letter";
    EXPECT_EQ(eval("UPPER('Straße') = UPPER('STRASSE')"), "1");
    EXPECT_EQ(eval("UPPER('Ärger') < UPPER('b')"), "1") << "Ä sorts with A, not after Z";
    EXPECT_EQ(eval("'Ärger' < 'b'"), "0") << "without UPPER the character codes decide";
    EXPECT_EQ(eval("LOWER('ABC') = 'abc'"), "1");
    EXPECT_EQ(eval("CLIP(UPPER(ADR:NAME1)) = 'müller gmbh'"), "1") << "the fold survives CLIP";
}

TEST_F(FormsTest, LogicalOperators) {
    EXPECT_EQ(eval("NOT 1 = 2"), "1") << "NOT applies to the whole comparison";
    EXPECT_EQ(eval("NOT (1 = 1)"), "0");
    EXPECT_EQ(eval("not 0 = 0 or 1 = 1"), "1") << "keywords in any case";
    EXPECT_EQ(eval("1 = 1 OR 1 = 2 AND 1 = 2"), "1") << "AND binds tighter than OR";
    EXPECT_EQ(eval("(1 = 1 OR 1 = 2) AND 1 = 2"), "0");
    EXPECT_EQ(eval("1 = 2 AND 1 / 0"), "0") << "the right side is skipped when the left decides";
    EXPECT_EQ(eval("1 = 1 OR 1 / 0"), "1");
    EXPECT_EQ(eval("'x' AND 5"), "1") << "non-blank texts and non-zero numbers are true";
    EXPECT_EQ(eval("'  ' OR 0"), "0");
    EXPECT_EQ(eval("NOT NOT 7"), "1");
}

TEST_F(FormsTest, CharacterAccess) {
    EXPECT_EQ(eval("ADR:NAME1[2]"), "ü") << "positions count characters";
    EXPECT_EQ(eval("ADR:MERKM[0]"), "");
    EXPECT_EQ(eval("ADR:MERKM[99]"), "");
    EXPECT_EQ(eval("ADR:MERKM[1 + 1]"), "1");
    EXPECT_EQ(eval("ADR:ADRNR[2]"), "7") << "a number is indexed as it reads";
    EXPECT_EQ(eval("('ab' & 'cd')[3]"), "c");
}

} // namespace
} // namespace velkora::expr
