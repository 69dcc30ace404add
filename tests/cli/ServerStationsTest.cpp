// Two stations on one database server: the program on one lists what the
// other wrote a moment before, with no cache in between.

#include "DataFixture.h"
#include "RunProgram.h"
#include "Workspace.h"

#include <gtest/gtest.h>

namespace velkora::test {
namespace {

class ServerStationsTest : public DataFixture {
protected:
    // What station A lists: the addresses by number.
    std::string listedByStationA() {
        const ProgramResult list = runProgram(
            VELKORA_CLI_PROGRAM, {"-w", workspace, "list", "ADR", "--fields", "ADRNR,NAME1"}, dir.str());
        EXPECT_EQ(list.status, 0) << list.err;
        return list.out;
    }

    const std::string workspace = dir.file("station-a");
};

TEST_F(ServerStationsTest, TheProgramOnOneStationListsWhatTheOtherWroteJustBefore) {
    copyDemoWorkspace(workspace);
    const std::string server = freshServerSchema();
    const ProgramResult moved =
        runProgram(VELKORA_CLI_PROGRAM, {"-w", workspace, "copy-data", "--to", server}, dir.str());
    ASSERT_EQ(moved.status, 0) << moved.err;
    ASSERT_TRUE(runSetupStep(workspace, {"ini", "ORB.INI", "SETUP", "DataPath", server}));
    EXPECT_NE(listedByStationA().find("\n1\tBerger Softwareentwicklung GmbH\n"), std::string::npos);

    // Station B, this process, changes an address and adds one.
    data::File<data::Address> adr;
    adr.setFileName(data::tableFileName(server, "QXADRESS"));
    ASSERT_EQ(adr.open(), data::NoError) << data::errorText();
    adr.rec.ADRNR = 1;
    ASSERT_EQ(adr.get(*data::Address::table().key("QXADRES1")), data::NoError);
    adr.rec.NAME1 = "Berger & Söhne (von Station B)";
    ASSERT_EQ(adr.put(), data::NoError) << data::errorText();
    adr.clear();
    adr.rec.ADRNR = 900;
    adr.rec.NAME1 = "Neu von Station B";
    ASSERT_EQ(adr.add(), data::NoError) << data::errorText();

    const std::string listed = listedByStationA();
    EXPECT_NE(listed.find("\n1\tBerger & Söhne (von Station B)\n"), std::string::npos) << listed;
    EXPECT_EQ(listed.find("Berger Softwareentwicklung"), std::string::npos) << listed;
    EXPECT_TRUE(listed.ends_with("\n900\tNeu von Station B\n")) << listed;

    // And back: what station B deletes is gone from station A's next list.
    ASSERT_EQ(adr.erase(), data::NoError) << data::errorText();
    EXPECT_EQ(listedByStationA().find("Neu von Station B"), std::string::npos);
}

} // namespace
} // namespace velkora::test
