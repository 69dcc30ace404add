// velkora-cli init makes workspaces the other commands work in.

#include "RunProgram.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velkora::test;

namespace {

// The record count `check` printed for a table.
std::string recordsOf(const std::string& checkOutput, const std::string& table) {
    const auto line = checkOutput.find('\n' + table + '\t');
    if (line == std::string::npos)
        return {};
    const auto from = line + table.size() + 2;
    return checkOutput.substr(from, checkOutput.find('\t', from) - from);
}

TEST(InitCommand, MakesWorkspacesThatPassTheirCheck) {
    TempDir dir;
    for (const bool demo : {false, true}) {
        SCOPED_TRACE(demo ? "demo" : "empty");
        const std::string workspace = dir.file(demo ? "demo" : "empty");
        std::vector<std::string> args{"init", workspace};
        if (demo)
            args.push_back("--demo");
        const ProgramResult init = runProgram(VELKORA_CLI_PROGRAM, args, dir.str());
        ASSERT_EQ(init.status, 0) << init.err;
        EXPECT_EQ(init.err, "");

        const ProgramResult check = runProgram(VELKORA_CLI_PROGRAM, {"-w", workspace, "check"}, dir.str());
        EXPECT_EQ(check.status, 0) << check.out << check.err;
        EXPECT_EQ(check.err, "");
        EXPECT_EQ(check.out.find("leer angelegt"), std::string::npos) << "every file was made by init";
        EXPECT_EQ(recordsOf(check.out, "QXADRESS"), demo ? "26" : "0");
        EXPECT_NE(recordsOf(check.out, "qxTRL"), "0") << "the translations come with either";
        EXPECT_EQ(std::filesystem::exists(workspace + "/TMPL/Brief.RTF"), demo);
    }
}

TEST(InitCommand, LeavesAFolderWithAStartFileAsItIs) {
    TempDir dir;
    const std::string ini = dir.write("ORB.INI", "[SETUP]\nLangID=EN\n");
    const ProgramResult result = runProgram(VELKORA_CLI_PROGRAM, {"init", dir.str(), "--demo"}, dir.str());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "velkora-cli init: " + dir.str() + " already holds a start file (ORB.INI); nothing changed\n");
    EXPECT_EQ(readFile(ini), "[SETUP]\nLangID=EN\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("DATA")));
}

} // namespace
