#include "shared/ExternalProgram.h"

#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace velkora {
namespace {

using namespace std::chrono_literals;

// A stand-in program that writes each argument on a line of its own.
std::string recorder(const test::TempDir& dir) {
    const std::string script = dir.file("record");
    std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n"
                             "echo said; exit ${EXIT_WITH:-0}\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

TEST(ExternalProgram, ArgumentsArriveOneByOneAndNeverThroughAShell) {
    test::TempDir dir;
    const std::string program = recorder(dir);
    const std::vector<std::string> args = {"a b", "x; rm -rf ~", "$(id)", "\"quoted\"", ""};
    std::string error;
    EXPECT_EQ(runProgram(program, args, 10s, &error, {.outputFile = dir.file("out")}), 0) << error;
    EXPECT_EQ(test::readFile(program + ".args"), "a b\nx; rm -rf ~\n$(id)\n\"quoted\"\n\n");
    EXPECT_EQ(test::readFile(dir.file("out")), "said\n");
}

TEST(ExternalProgram, ReportsExitStatusMissingProgramsAndTimeOuts) {
    test::TempDir dir;
    const std::string failing = dir.file("fail");
    std::ofstream(failing) << "#!/bin/sh\nexit 3\n";
    std::filesystem::permissions(failing, std::filesystem::perms::owner_all);
    EXPECT_EQ(runProgram(failing, {}, 10s), 3);

    std::string error;
    EXPECT_EQ(runProgram("velkora-no-such-program", {}, 10s, &error), std::nullopt);
    EXPECT_NE(error.find("velkora-no-such-program"), std::string::npos);
    EXPECT_EQ(findProgram(dir.file("missing")), "");

    ExternalProgram sleeper;
    ASSERT_TRUE(sleeper.start("sleep", {"30"}));
    EXPECT_TRUE(sleeper.running());
    EXPECT_EQ(sleeper.poll(), std::nullopt);
    EXPECT_EQ(runProgram("sleep", {"30"}, 50ms, &error), std::nullopt);
    EXPECT_NE(error.find("in time"), std::string::npos);
    sleeper.stop();
    EXPECT_FALSE(sleeper.running());
    EXPECT_EQ(sleeper.poll(), 128 + SIGTERM);
}

TEST(ExternalProgram, ADetachedProgramRunsOnWithoutAnyoneWaiting) {
    test::TempDir dir;
    const std::string program = recorder(dir);
    ASSERT_TRUE(startDetached(program, {"document.doc"}));
    for (int i = 0; i < 500 && !std::filesystem::exists(program + ".args"); ++i)
        std::this_thread::sleep_for(10ms);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(test::readFile(program + ".args"), "document.doc\n");
    EXPECT_FALSE(startDetached(dir.file("missing"), {}));
}

} // namespace
} // namespace velkora
