// The dialler program as the contact list starts it, with a stand-in
// xdg-open first on PATH that records the arguments it was given.

#include "TempDir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

using velkora::test::readFile;
using velkora::test::TempDir;

class DiallerProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string opener = dir.write(
            "bin/xdg-open", "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } > \"" +
                                dir.file("opened") + "\"\nexit ${OPENER_STATUS:-0}\n");
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    }

    // Runs velkora-dial with `args` in the temporary folder; returns its exit
    // status. What it writes to standard error is kept in the file "err".
    int run(const std::vector<std::string>& args, const std::string& openerStatus = "0") {
        std::vector<std::string> words{VELKORA_DIAL_PROGRAM};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        std::string path = "PATH=" + dir.file("bin") + ":/usr/bin:/bin";
        std::string status = "OPENER_STATUS=" + openerStatus;
        char* envp[] = {path.data(), status.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string err = dir.file("err");
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        // In the temporary folder, where a command smuggled through a shell would leave its mark.
        posix_spawn_file_actions_addchdir_np(&actions, dir.str().c_str());
        pid_t child = 0;
        const int started = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp);
        posix_spawn_file_actions_destroy(&actions);
        if (started != 0)
            return -1;
        int result = 0;
        waitpid(child, &result, 0);
        return WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    }

    TempDir dir;
};

TEST_F(DiallerProgram, HandsTheQuotedNumberToTheDesktopAsATelUri) {
    EXPECT_EQ(run({"\"0089 1234\""}), 0);
    EXPECT_EQ(readFile(dir.file("opened")), "1\n[tel:00891234]\n");
}

TEST_F(DiallerProgram, AnInternationalNumberReachesTheDesktopAsTheGlobalNumber) {
    EXPECT_EQ(run({"\"+43 1 8654281\""}), 0);
    EXPECT_EQ(readFile(dir.file("opened")), "1\n[tel:+4318654281]\n");
    // As a caller that puts its outside-line prefix before every number hands it over.
    EXPECT_EQ(run({"\"0+43 1 8654281\""}), 0);
    EXPECT_EQ(readFile(dir.file("opened")), "1\n[tel:+4318654281]\n");
}

TEST_F(DiallerProgram, AHostileNumberIsDialledAsTextAndRunsNothing) {
    EXPECT_EQ(run({"\"0\" ; touch pwned ; \"\""}), 0);
    EXPECT_EQ(readFile(dir.file("opened")), "1\n[tel:0]\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("pwned")));
}

TEST_F(DiallerProgram, RefusesWhatItCannotDial) {
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({"\"1\"", "\"2\""}), 2);
    EXPECT_EQ(readFile(dir.file("err")), "Aufruf: velkora-dial \"Rufnummer\"\n");
    EXPECT_EQ(run({"\"Zentrale\""}), 2);
    EXPECT_EQ(readFile(dir.file("err")), "Keine wählbare Rufnummer: Zentrale\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("opened")));
}

TEST_F(DiallerProgram, ReportsTheHandlersFailureWithItsReason) {
    EXPECT_EQ(run({"\"110\""}, "4"), 4);
    EXPECT_EQ(readFile(dir.file("err")), "Die Rufnummer 110 wurde nicht gewählt (xdg-open: 4).\n"
                                         "Ist für tel:-Verweise ein Telefonieprogramm eingerichtet?\n");
}

} // namespace
