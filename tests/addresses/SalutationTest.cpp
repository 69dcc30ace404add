#include "addresses/Salutation.h"

#include <gtest/gtest.h>

namespace velkora {
namespace {

constexpr std::string_view kTemplate = "Sehr geehrte(r) <#F:NAME0#> <#F:NAME1#>,";

TEST(SalutationTest, TurnsTheTemplateIntoAnExpression) {
    EXPECT_EQ(salutationExpression(kTemplate), "'Sehr geehrte(r) '&F:NAME0&' '&F:NAME1&','");
    EXPECT_EQ(salutationExpression("<#F:NAME1#>"), "''&F:NAME1&''");
    EXPECT_EQ(salutationExpression("Guten Tag   "), "'Guten Tag'") << "without trailing blanks";
    EXPECT_EQ(salutationExpression("Hallo <#F:NAME1"), "'Hallo '&F:NAME1'") << "an open marker stops there";
    EXPECT_EQ(salutationExpression("Hallo #> <#>"), "'Hallo #> '&>'");
    EXPECT_EQ(salutationExpression("Grüße an <#F:NAME1#>'s Team"), "'Grüße an '&F:NAME1&'''s Team'");
    EXPECT_EQ(salutationExpression("<#F:NAME1 & '!'#>"), "''&F:NAME1 & '!'&''")
        << "apostrophes between the markers belong to the expression";
}

TEST(SalutationTest, ExpandsTheNamesOfTheForm) {
    EXPECT_EQ(FormatName(kTemplate, "Herr", "Meier", "", ""), "Sehr geehrte(r) Herr Meier,");
    EXPECT_EQ(FormatName("Liebe <#F:NAME2#> <#F:NAME1#> <#F:NAMEZ#>", "", "Meier", "Anna", "(Vertrieb)"),
              "Liebe Anna Meier (Vertrieb)");
    EXPECT_EQ(FormatName(kTemplate, "", "Meier", "", ""), "Sehr geehrte(r)  Meier,")
        << "an empty name leaves "
           "two blanks";
    EXPECT_EQ(FormatName(kTemplate, "Herr     ", "Meier   ", "", ""), "Sehr geehrte(r) Herr Meier,")
        << "names are clipped";
    EXPECT_EQ(FormatName("Sehr geehrte Damen und Herren,", "Herr", "Meier", "", ""),
              "Sehr geehrte Damen und Herren,");
    EXPECT_EQ(FormatName("Hallo <#UPPER(F:NAME1)#>!", "", "Müller", "", ""), "Hallo MÜLLER!");
}

TEST(SalutationTest, KeepsTheTemplateWhenItDoesNotEvaluate) {
    EXPECT_EQ(FormatName("Hallo <#ADR:NAME1#>", "", "Meier", "", ""), "Hallo <#ADR:NAME1#>")
        << "only the four names are known";
    EXPECT_EQ(FormatName("Hallo <#F:NAME1", "", "Meier", "", ""), "Hallo <#F:NAME1");
    EXPECT_EQ(FormatName("Hallo <#F:NAME1 & '", "", "Meier", "", ""), "Hallo Meier")
        << "after an open marker the rest is evaluated as it stands";
    EXPECT_EQ(FormatName("Hallo <#F:NAME1 +#>", "", "Meier", "", ""), "Hallo <#F:NAME1 +#>");
}

TEST(SalutationTest, ApostrophesAndQuotesInTextAndNames) {
    EXPECT_EQ(FormatName("Grüße an <#F:NAME1#>'s Team", "", "Meier", "", ""), "Grüße an Meier's Team");
    EXPECT_EQ(FormatName("Dear Mr O'Brien,", "", "", "", ""), "Dear Mr O'Brien,");
    EXPECT_EQ(FormatName("''<#F:NAME1#>''", "", "X", "", ""), "''X''");
    // A name is a value, never expression text.
    EXPECT_EQ(FormatName(kTemplate, "Herr", "O'Brien' & LEN('x') & '", "", ""),
              "Sehr geehrte(r) Herr O'Brien' & LEN('x') & ',");
}

TEST(SalutationTest, CutsToTheStoredWidths) {
    const std::string longName(80, 'x');
    const std::string expanded = FormatName("Hallo <#F:NAME1#>", "", longName, "", "");
    EXPECT_EQ(expanded, "Hallo " + std::string(57, 'x')) << "the result holds 63 characters";
    EXPECT_EQ(FormatName("<#F:NAME1#><#F:NAME2#>", "", longName, "y", ""), std::string(63, 'x'))
        << "each name holds 63 characters";
    std::string umlauts;
    for (int i = 0; i < 70; ++i)
        umlauts += "ä";
    EXPECT_EQ(FormatName(umlauts, "", "", "", ""), umlauts.substr(0, 126)) << "never half a character";
    // The template holds 254 characters: a marker beyond them is gone.
    EXPECT_EQ(FormatName(std::string(250, ' ') + "<#F:NAME1#>", "", "Meier", "", ""), std::string(63, ' '))
        << "the cut leaves an open marker, which fails, and the held template is shown";
}

} // namespace
} // namespace velkora
