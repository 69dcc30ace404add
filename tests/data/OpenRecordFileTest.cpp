#include "DataFixture.h"

#include <fstream>

namespace velkora::data {
namespace {

using test::DataFixture;

class OpenRecordFileTest : public DataFixture {};

TEST_F(OpenRecordFileTest, CountersOpenOnceAndCloseAtZero) {
    auto& adr = files().QXADRESS;
    ASSERT_TRUE(OpenRecordFile(adr)); // created empty on first open
    EXPECT_TRUE(fileExists(dir.file("QXADRESS.TPS")));
    ASSERT_TRUE(OpenRecordFile(adr));
    EXPECT_EQ(adr.openCount(), 2);
    CloseRecordFile(adr);
    EXPECT_TRUE(adr.isOpen());
    CloseRecordFile(adr);
    EXPECT_FALSE(adr.isOpen());
    CloseRecordFile(adr);
    EXPECT_EQ(adr.openCount(), 0);
    EXPECT_TRUE(prompts.prompts().empty());
}

TEST_F(OpenRecordFileTest, FilesLieWhereStartUpPutThem) {
    appState().DATAPATH = dir.str() + "/data";
    std::filesystem::create_directories(appState().DATAPATH);
    appState().TRLFILE = dir.file("ORBEN");
    ASSERT_TRUE(OpenRecordFile(files().QXADRTKP));
    ASSERT_TRUE(OpenRecordFile(files().QXACKUSR));
    ASSERT_TRUE(OpenRecordFile(files().qxTRL));
    EXPECT_TRUE(fileExists(dir.file("data/QXADRTKP.TPS")));
    EXPECT_TRUE(fileExists(dir.file("QXACKUSR.TPS")));
    EXPECT_TRUE(fileExists(dir.file("ORBEN.TPS")));
}

TEST_F(OpenRecordFileTest, AMissingFileThatMayNotBeCreatedEndsTheApplication) {
    EXPECT_FALSE(OpenRecordFile(files().QXADRLND, false));
    EXPECT_EQ(prompts.last().caption, "File Creation Error");
    EXPECT_EQ(prompts.last().text, dir.file("QXADRLND") +
                                       ": File Not Found (2)|Error creating File.|Press OK to "
                                       "end this application.");
    EXPECT_EQ(applicationEndReason(), "File Creation Error!");
    EXPECT_FALSE(fileExists(dir.file("QXADRLND.TPS")));
}

TEST_F(OpenRecordFileTest, ACreateFailureEndsTheApplication) {
    appState().DATAPATH = dir.file("no/such/folder");
    EXPECT_FALSE(OpenRecordFile(files().QXADRBRA));
    EXPECT_EQ(prompts.last().caption, "File Creation Error");
    EXPECT_EQ(applicationEndReason(), "File Creation Error!");
}

TEST_F(OpenRecordFileTest, ACreateFailureNamesItsReason) {
    appState().DATAPATH = dir.file("no/such/folder");
    EXPECT_FALSE(OpenRecordFile(files().QXADRBRA));
    EXPECT_EQ(prompts.last().text, dir.file("no/such/folder/QXADRBRA") +
                                       ": unable to open database file: No such file or directory (14)|"
                                       "Error creating File.|Press OK to end this application.");
}

// An interrupted creation leaves the file empty: it holds no record to keep.
TEST_F(OpenRecordFileTest, AnEmptyFileIsCreatedAsIfItWereMissing) {
    std::ofstream(dir.file("QXADRLND.TPS")).flush();
    ASSERT_TRUE(OpenRecordFile(files().QXADRLND));
    EXPECT_TRUE(prompts.prompts().empty()) << prompts.last().text;
    EXPECT_EQ(files().QXADRLND.check(), NoError);
    EXPECT_FALSE(applicationEnded());
}

// A creation killed before its commit leaves a journal; undone, it leaves a file with nothing in it.
TEST_F(OpenRecordFileTest, AFileHoldingNothingIsCreatedAsIfItWereMissing) {
    sql("QXADRLND", "CREATE TABLE unfinished (a); DROP TABLE unfinished");
    ASSERT_TRUE(OpenRecordFile(files().QXADRLND));
    EXPECT_TRUE(prompts.prompts().empty()) << prompts.last().text;
    EXPECT_EQ(files().QXADRLND.check(), NoError);
}

// What another station created meanwhile stands: creating it again keeps its records.
TEST_F(OpenRecordFileTest, CreatingAFileAnotherStationJustMadeKeepsItsRecords) {
    auto& lnd = files().QXADRLND;
    ASSERT_TRUE(OpenRecordFile(lnd));
    lnd.rec.LD = "D";
    ASSERT_EQ(lnd.add(), NoError);
    CloseRecordFile(lnd);
    ASSERT_EQ(lnd.create(), NoError) << errorText();
    ASSERT_TRUE(OpenRecordFile(lnd));
    EXPECT_EQ(lnd.records(), 1);
}

TEST_F(OpenRecordFileTest, CreationNeverReplacesAFileThatHoldsSomethingElse) {
    const std::string foreign = "some other program's data";
    dir.write("QXADRBRA.TPS", foreign);
    EXPECT_NE(files().QXADRBRA.create(), NoError);
    EXPECT_EQ(test::readFile(dir.file("QXADRBRA.TPS")), foreign);

    sql("QXADRLND", "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('keep')");
    EXPECT_EQ(files().QXADRLND.create(), InvalidRecordDeclaration);
    EXPECT_EQ(sql("QXADRLND", "SELECT text FROM notes"), std::vector<std::string>{"keep"});

    sql("QXADRORT", "CREATE TABLE QXADRORT (OKEY TEXT)");
    EXPECT_EQ(files().QXADRORT.create(), InvalidRecordDeclaration);
}

TEST_F(OpenRecordFileTest, AFileOfAnotherLayoutEndsWithInvalidFile) {
    std::ofstream(dir.file("QXADRBRA.TPS")) << "some other program's data";
    EXPECT_FALSE(OpenRecordFile(files().QXADRBRA));
    EXPECT_EQ(prompts.last().caption, "Invalid File");
    EXPECT_TRUE(prompts.last().text.starts_with(dir.file("QXADRBRA") + ": "));
    EXPECT_EQ(applicationEndReason(), "Invalid File!");
    EXPECT_EQ(files().QXADRBRA.openCount(), 0);
}

TEST_F(OpenRecordFileTest, ADamagedKeyIsRebuiltWhenTheUserSaysYes) {
    auto& adr = files().QXADRESS;
    ASSERT_TRUE(OpenRecordFile(adr));
    adr.rec.ADRNR = 1;
    adr.rec.NAME1 = "Becker";
    ASSERT_EQ(adr.add(), NoError);
    CloseRecordFile(adr);
    sql("QXADRESS", "DROP INDEX QXADRES2");

    prompts.setNextAnswer(ButtonYes);
    ASSERT_TRUE(OpenRecordFile(adr));
    EXPECT_EQ(prompts.last().text,
              dir.file("QXADRESS") + " key file is invalid.|Do you want to rebuild the key?");
    EXPECT_EQ(prompts.last().buttons, unsigned{ButtonYes | ButtonNo});
    EXPECT_EQ(adr.check(), NoError);
    adr.set(*Address::table().key("QXADRES2"));
    ASSERT_EQ(adr.next(), NoError);
    EXPECT_EQ(adr.rec.NAME1, "Becker");
    EXPECT_FALSE(applicationEnded());
}

TEST_F(OpenRecordFileTest, ADamagedKeyEndsTheApplicationWhenTheUserSaysNo) {
    ASSERT_TRUE(OpenRecordFile(files().QXADRESS));
    CloseRecordFile(files().QXADRESS);
    sql("QXADRESS", "DROP INDEX QXADRES5");
    prompts.setNextAnswer(ButtonNo);
    EXPECT_FALSE(OpenRecordFile(files().QXADRESS));
    EXPECT_EQ(applicationEndReason(), "Invalid Key!");
}

TEST_F(OpenRecordFileTest, AFailedRebuildEndsTheApplication) {
    auto& adr = files().QXADRESS;
    ASSERT_TRUE(OpenRecordFile(adr));
    for (int i = 0; i < 2; ++i) {
        adr.clear();
        adr.rec.ADRNR = i + 1;
        ASSERT_EQ(adr.add(), NoError);
    }
    CloseRecordFile(adr);
    // Two records with one number: the unique key cannot be rebuilt.
    sql("QXADRESS", "DROP INDEX QXADRES1; UPDATE QXADRESS SET ADRNR = 1");
    prompts.setNextAnswer(ButtonYes);
    EXPECT_FALSE(OpenRecordFile(adr));
    EXPECT_EQ(prompts.last().caption, "Key Rebuild Error");
    EXPECT_EQ(applicationEndReason(), "Error Rebuilding Key!");
}

} // namespace
} // namespace velkora::data
