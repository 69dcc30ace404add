// The kind of text a translation key stands for, as the translation form shows it.

#include "i18n/TranslationKinds.h"

#include <gtest/gtest.h>

namespace velkora::i18n {
namespace {

TEST(TranslationKindsTest, NamesTheControlTypeOfAKey) {
    EXPECT_EQ(translationKind("P.10_DATUM"), "Prompt");
    EXPECT_EQ(translationKind("p.09_cancel"), "Button");
    EXPECT_EQ(translationKind("P.34_X"), "DropCombo");
    EXPECT_EQ(translationKind("L.DATUHR"), "ListHeader");
}

TEST(TranslationKindsTest, UnknownTypesShowDotsAndOtherKeysNothing) {
    EXPECT_EQ(translationKind("P.99_X"), "...");
    EXPECT_EQ(translationKind("P.08_ENTRY"), "..."); // an entry is never translated
    EXPECT_EQ(translationKind("P.1"), "...");
    EXPECT_EQ(translationKind("P.ab_X"), "...");
    EXPECT_EQ(translationKind("M.ADR_NODATA"), "");
    EXPECT_EQ(translationKind(""), "");
}

} // namespace
} // namespace velkora::i18n
