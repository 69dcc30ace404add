#include "DataFixture.h"
#include "shared/ProfileFile.h"

namespace velkora::data {
namespace {

using test::DataFixture;

class StandardWarningsTest : public DataFixture {};

TEST_F(StandardWarningsTest, EnglishDefaultsWithTargetOtherAndDescription) {
    setCurrentError({FileLocked, {}, 0, {}, {}, {}});
    RecordErrorState();
    clearCurrentError();
    ShowStandardWarning(Warn::LogoutError, "Delete  ", "QXADRESS");
    const Prompt& p = prompts.last();
    EXPECT_EQ(p.text, "Delete : QXADRESS|File Is Already Locked (32)|Error attempting to frame the "
                      "transaction.|Transaction cancelled.");
    EXPECT_EQ(p.caption, "Transaction Framing Error");
    EXPECT_EQ(p.icon, Icon::Information);
    EXPECT_EQ(p.buttons, unsigned{ButtonOk});
    EXPECT_EQ(savedErrorState().code, 0); // used once, then cleared
}

TEST_F(StandardWarningsTest, ButtonsDefaultsAndIconsFollowTheTable) {
    const struct {
        Warn id;
        unsigned buttons;
        unsigned defaultButton;
        Icon icon;
        const char* text;
    } cases[] = {
        {Warn::UpdateError, ButtonYes | ButtonNo | ButtonCancel, ButtonCancel, Icon::Information,
         "An error was experienced changing this record.|Do you want to try to save again?"},
        {Warn::ConfirmCancel, ButtonYes | ButtonNo, ButtonNo, Icon::Exclamation,
         "Are you sure you want to cancel?"},
        {Warn::StandardDelete, ButtonOk | ButtonCancel, ButtonCancel, Icon::Exclamation,
         "You've selected to delete the highlighted record.|Press OK to confirm deletion of this record."},
        {Warn::AutoIncError, ButtonRetry | ButtonCancel, ButtonCancel, Icon::Information,
         " (0)|Attempts to automatically number this record have failed."},
        {Warn::NewRecordAdded, ButtonYes | ButtonNo, ButtonYes, Icon::Exclamation,
         "This record has been added to the file.|Do you want to add another record?"},
    };
    for (const auto& c : cases) {
        prompts.setNextAnswer(c.defaultButton);
        EXPECT_EQ(ShowStandardWarning(c.id), c.defaultButton);
        EXPECT_EQ(prompts.last().buttons, c.buttons);
        EXPECT_EQ(prompts.last().defaultButton, c.defaultButton);
        EXPECT_EQ(prompts.last().icon, c.icon);
        EXPECT_EQ(prompts.last().text, c.text);
    }
    EXPECT_FALSE(applicationEnded());
}

TEST_F(StandardWarningsTest, TextsAndCaptionsComeFromTheEnvironmentFile) {
    appState().ENVFILE = "ORB.ENV";
    dir.write("ORB.ENV",
              "[STDWARN]\nWarn:RestrictDelete=Die Datei hat Verweise.\nCapt:RestrictDelete=Löschfehler\n"
              "Capt:InvalidFile=Ungültige Datei\n");
    ShowStandardWarning(Warn::RestrictDelete, "QXADRESS");
    EXPECT_EQ(prompts.last().text, "QXADRESS|Die Datei hat Verweise.");
    EXPECT_EQ(prompts.last().caption, "Löschfehler");
    ShowStandardWarning(Warn::InvalidFile, "/data/QXADRESS");
    EXPECT_TRUE(applicationEnded());
    EXPECT_EQ(applicationEndReason(), "Ungültige Datei"); // stop texts use the caption key
}

TEST_F(StandardWarningsTest, ChangedByAnotherStationReplacesTheUpdateErrorText) {
    setCurrentError({RecordChanged, {}, 0, {}, {}, {}});
    RecordErrorState();
    ShowStandardWarning(Warn::RIUpdateError, "Record Changed by Another Station");
    EXPECT_EQ(prompts.last().text, "This record was changed by another station.");
    EXPECT_EQ(prompts.last().caption, "Update Operation Error");

    setCurrentError({FileSystemError, {}, 14, "unable to open database file", {}, {}});
    RecordErrorState();
    ShowStandardWarning(Warn::RIUpdateError, "QXADRTKP");
    EXPECT_EQ(prompts.last().text,
              "QXADRTKP: unable to open database file (14)|An error was experienced when "
              "attempting to update this record.");
}

TEST_F(StandardWarningsTest, FatalWarningsEndTheApplicationWithTheirStopText) {
    const struct {
        Warn id;
        const char* stop;
    } cases[] = {{Warn::InvalidFile, "Invalid File!"},
                 {Warn::RebuildError, "Error Rebuilding Key!"},
                 {Warn::CreateError, "File Creation Error!"},
                 {Warn::CreateOpenError, "File Creation Error!"}};
    for (const auto& c : cases) {
        resetApplicationEnded();
        ShowStandardWarning(c.id, "F");
        EXPECT_TRUE(applicationEnded());
        EXPECT_EQ(applicationEndReason(), c.stop);
    }
    resetApplicationEnded();
    prompts.setNextAnswer(ButtonYes);
    ShowStandardWarning(Warn::InvalidKey, "/d/QXADRESS");
    EXPECT_EQ(prompts.last().text, "/d/QXADRESS key file is invalid.|Do you want to rebuild the key?");
    EXPECT_FALSE(applicationEnded());
    prompts.setNextAnswer(ButtonNo);
    ShowStandardWarning(Warn::InvalidKey, "/d/QXADRESS");
    EXPECT_EQ(applicationEndReason(), "Invalid Key!");
}

} // namespace
} // namespace velkora::data
