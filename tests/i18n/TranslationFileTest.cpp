// TranslateText and the window translator's writes on the record file qxTRL.

#include "TempDir.h"
#include "data/FileServices.h"
#include "i18n/ControlTexts.h"
#include "i18n/Translation.h"
#include "shared/AppState.h"

#include <gtest/gtest.h>

namespace velkora {
namespace {

class TranslationFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        appState().INITPATH = dir.str();
        appState().TRLFILE = dir.file("ORBEN");
    }
    void TearDown() override { resetAppState(); }
    test::TempDir dir;
};

TEST_F(TranslationFileTest, MissingFileIsCreatedEmptyAndRecordedKeysAreFoundLater) {
    EXPECT_EQ(i18n::TranslateText("P.10_Datum"), "");
    EXPECT_TRUE(fileExists(dir.file("ORBEN.TPS")));
    {
        auto table = i18n::openTranslationTable();
        ASSERT_NE(table, nullptr);
        i18n::translateControl(table.get(), i18n::PromptControl, {"Datum"}, true);
        // A second station's add of the same key fails on the unique key and is ignored.
        i18n::TranslationRecord again;
        again.TRLID = "P.10_DATUM";
        EXPECT_FALSE(table->add(again));
    }
    EXPECT_EQ(i18n::TranslateText("p.10_datum"), "Datum:");
    EXPECT_EQ(data::files().qxTRL.openCount(), 0); // released after every use
}

TEST_F(TranslationFileTest, NoTranslationFileNamedGivesNoTable) {
    appState().TRLFILE.clear();
    EXPECT_EQ(i18n::openTranslationTable(), nullptr);
    EXPECT_EQ(i18n::TranslateText("P.20_Kontakte"), "");
}

} // namespace
} // namespace velkora
