#include "i18n/Messages.h"

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "shared/AppState.h"

#include <gtest/gtest.h>

namespace velkora {
namespace {

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        appState().WORKPATH = dir.str();
        appState().ENVFILE = "ORBEN.ENV";
    }
    void writeEnv(const std::string& appwarn) { dir.write("ORBEN.ENV", "[APPWARN]\n" + appwarn); }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
};

TEST_F(MessagesTest, IdWithoutPrefixIsInvalidAndReadsNothing) {
    writeEnv("Warn:ADR_NODATA=never shown\n");
    prompter.setNextAnswer(ButtonCancel);
    const unsigned pressed =
        i18n::ShowMessage("ADR_NODATA  ", Icon::Question, "x", ButtonOk | ButtonCancel, ButtonCancel);
    EXPECT_EQ(pressed, unsigned(ButtonCancel));
    const Prompt& p = prompter.last();
    EXPECT_EQ(p.caption, "Translator");
    EXPECT_EQ(p.text, "Invalid Message ID: ADR_NODATA");
    EXPECT_EQ(p.icon, Icon::Question);
    EXPECT_EQ(p.buttons, unsigned(ButtonOk | ButtonCancel));
    EXPECT_EQ(p.defaultButton, unsigned(ButtonCancel));
}

TEST_F(MessagesTest, TextAndCaptionComeFromTheEnvironmentFile) {
    writeEnv("Warn:ADR_NODATA=Keine Adressdaten|Bitte Namen eingeben\nCapt:ADR_NODATA=Adresse\n");
    i18n::ShowMessage("M.ADR_NODATA", Icon::Information, "No Adress-Data");
    EXPECT_EQ(prompter.last().text, "Keine Adressdaten|Bitte Namen eingeben");
    EXPECT_EQ(prompter.last().caption, "Adresse");
    EXPECT_EQ(prompter.last().buttons, unsigned(ButtonOk)); // the empty set shows OK
}

TEST_F(MessagesTest, MissingKeyShowsTheNoticeAboveTheDefaultAndTheNameAsCaption) {
    writeEnv("Warn:OTHER=x\n");
    prompter.setNextAnswer(ButtonNo);
    const unsigned pressed =
        i18n::ShowMessage("M.IMP_Start", Icon::Exclamation, "start import?", ButtonYes | ButtonNo);
    EXPECT_EQ(pressed, unsigned(ButtonNo));
    EXPECT_EQ(pressed, 4u);
    EXPECT_EQ(prompter.last().text, "Message \"Warn:IMP_Start\" not found.||start import?");
    EXPECT_EQ(prompter.last().caption, "IMP_Start");
    EXPECT_EQ(prompter.last().buttons, unsigned(ButtonYes | ButtonNo));
}

TEST_F(MessagesTest, EmptyDefaultLeavesAnEmptyLineAndAMissingFileActsLikeMissingKeys) {
    // No environment file at all.
    i18n::ShowMessage("M.FIL_NOFILE", Icon::Information, "");
    EXPECT_EQ(prompter.last().text, "Message \"Warn:FIL_NOFILE\" not found.||");
    EXPECT_EQ(displayText(prompter.last().text), "Message \"Warn:FIL_NOFILE\" not found.\n\n");
}

TEST_F(MessagesTest, AnEmptyValueIsATextNotAMissingKey) {
    writeEnv("Warn:APP_Restart=\nCapt:APP_Restart=\n");
    i18n::ShowMessage("M.APP_Restart", Icon::Information, "Restart");
    EXPECT_EQ(prompter.last().text, "");
    EXPECT_EQ(prompter.last().caption, "");
}

TEST_F(MessagesTest, LongTextsAndCaptionsAreCutAtTheirWidths) {
    const std::string longText(300, 'a');
    const std::string longCaption = std::string(70, 'c');
    writeEnv("Warn:DOC_RTFERROR=" + longText + "\nCapt:DOC_RTFERROR=" + longCaption + "\n");
    i18n::ShowMessage("M.DOC_RTFERROR", Icon::Information);
    EXPECT_EQ(prompter.last().text, std::string(254, 'a'));
    EXPECT_EQ(prompter.last().caption, std::string(63, 'c'));
}

TEST_F(MessagesTest, CutsCountCharactersNotBytes) {
    std::string umlauts;
    for (int i = 0; i < 300; ++i)
        umlauts += "ä";
    writeEnv("Warn:X=" + umlauts + "\n");
    i18n::ShowMessage("M.X", Icon::Information);
    std::string expected;
    for (int i = 0; i < 254; ++i)
        expected += "ä";
    EXPECT_EQ(prompter.last().text, expected);
}

TEST_F(MessagesTest, EnvironmentIsReadAtEveryMessage) {
    writeEnv("Warn:TOOMANYDOCS=first\n");
    i18n::ShowMessage("M.TOOMANYDOCS", Icon::Information);
    writeEnv("Warn:TOOMANYDOCS=second\n");
    i18n::ShowMessage("M.TOOMANYDOCS", Icon::Information);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"first", "second"}));
}

TEST_F(MessagesTest, KeysAreCaseInsensitive) {
    writeEnv("warn:adr_nodata=gefunden\n");
    i18n::ShowMessage("M.ADR_NODATA", Icon::Information);
    EXPECT_EQ(prompter.last().text, "gefunden");
}

TEST(MapiErrorId, ResultCodeAsTwoDigits) {
    EXPECT_EQ(i18n::mapiErrorId(2), "M.MAPI_Error02");
    EXPECT_EQ(i18n::mapiErrorId(26), "M.MAPI_Error26");
}

} // namespace
} // namespace velkora
