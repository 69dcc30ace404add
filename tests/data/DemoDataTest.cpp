#include "data/DemoData.h"

#include "DataFixture.h"
#include "shared/Clock.h"

#include <cstdlib>

namespace velkora::data {
namespace {

using test::DataFixture;

class DemoDataTest : public DataFixture {};

using DemoDataOnEachStore = test::OnEachStore<DemoDataTest>;
VELKORA_ON_EACH_STORE(DemoDataOnEachStore);

TEST_P(DemoDataOnEachStore, TheSampleWorkspaceLoadsEveryTableAndPassesItsChecks) {
    std::string error;
    ASSERT_TRUE(seedDemoData(test::sourceDir() + "/resources/demo/seed", error)) << error;
    for (const TableDef* t : allTables()) {
        RecordFile& f = *files().byName(t->name);
        ASSERT_TRUE(OpenRecordFile(f)) << t->name;
        EXPECT_EQ(f.check(), NoError) << t->name << ": " << errorText();
    }
    EXPECT_GE(files().QXADRESS.records(), 25);
    EXPECT_GE(files().QXADRLND.records(), 40);
    EXPECT_TRUE(fileExists(dir.file("ORBEN.TPS")));

    auto& bra = files().QXADRBRA;
    bra.rec.BRANCHE = " -";
    ASSERT_EQ(bra.get(*Industry::table().key("QXADRBR1")), NoError);
    EXPECT_EQ(bra.rec.BEZEICHNG, " no Info");

    // Every contact, activity and material row belongs to an address.
    auto& adr = files().QXADRESS;
    for (RecordFile* dependant :
         {static_cast<RecordFile*>(&files().QXADRTKP), static_cast<RecordFile*>(&files().QXADRAKT),
          static_cast<RecordFile*>(&files().QXAKTATM)}) {
        dependant->set();
        while (dependant->next() == NoError) {
            adr.rec.ADRNR = std::stoi(dependant->text(std::string(dependant->table().prefix) + ":ADRNR"));
            EXPECT_EQ(adr.get(*Address::table().key("QXADRES1")), NoError) << dependant->table().name;
        }
    }
    adr.rec.ADRNR = 5;
    ASSERT_EQ(adr.get(*Address::table().key("QXADRES1")), NoError);
    EXPECT_EQ(adr.rec.MEMO, "Notizen zum Kunden:\nErstgespräch auf der Messe.");
}

TEST_F(DemoDataTest, ActivitiesToDosAndBirthdaysLieAroundTheDayTheDemoIsMade) {
    const FixedClock clock({{2027, 1, 1}, {9, 0, 0, 0}});
    const std::int32_t day = today();
    std::string error;
    ASSERT_TRUE(seedDemoData(test::sourceDir() + "/resources/demo/seed", error)) << error;
    auto& akt = files().QXADRAKT;
    ASSERT_TRUE(OpenRecordFile(akt));
    akt.rec.AKTID = 2;
    ASSERT_EQ(akt.get(*Activity::table().key("QXADRAK6")), NoError);
    EXPECT_EQ(akt.rec.DATUM, day - 25);
    EXPECT_EQ(akt.rec.EDATUM, day + 1);
    auto& tkp = files().QXADRTKP;
    ASSERT_TRUE(OpenRecordFile(tkp));
    tkp.rec.ADRNR = 1;
    tkp.rec.TKPNR = 1;
    ASSERT_EQ(tkp.get(*ContactPerson::table().key("QXADRTK1")), NoError);
    EXPECT_EQ(tkp.rec.BDD, 1);
    EXPECT_EQ(tkp.rec.BMM, 1);
}

TEST_F(DemoDataTest, TheSqliteShellChecksEveryFileWeWrite) {
    if (std::system("command -v sqlite3 >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no sqlite3 shell";
    std::string error;
    ASSERT_TRUE(seedDemoData(test::sourceDir() + "/resources/demo/seed", error)) << error;
    for (const char* file : {"QXADRESS", "QXADRTKP", "QXADRAKT", "QXADRLND", "QXADRORT", "QXADRSTR",
                             "QXADRBRA", "QXATTMAT", "QXAKTATM", "QXACKUSR", "ORB", "ORBEN"}) {
        const std::string out = dir.file("shell.txt");
        const std::string cmd =
            "sqlite3 " + dir.file(std::string(file) + ".TPS") + " 'PRAGMA integrity_check' > " + out;
        ASSERT_EQ(std::system(cmd.c_str()), 0) << file;
        EXPECT_EQ(test::readFile(out), "ok\n") << file;
    }
}

TEST_F(DemoDataTest, ASeedNamingAnUnknownFieldIsReported) {
    dir.write("seed/QXADRBRA.tsv", "BRANCHE\tNOPE\nEDV\tx\n");
    std::string error;
    EXPECT_FALSE(seedDemoData(dir.file("seed"), error));
    EXPECT_NE(error.find("unknown field NOPE"), std::string::npos) << error;
}

} // namespace
} // namespace velkora::data
