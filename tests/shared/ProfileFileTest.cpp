#include "shared/ProfileFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace velkora;
using velkora::test::readFile;
using velkora::test::TempDir;

TEST(ProfileFile, SectionsAndKeysAreCaseInsensitiveAndValuesClipped) {
    TempDir dir;
    const auto ini = dir.write("ORB.INI", "[Setup]\r\nLangID = EN  \r\n\n[DEFAULT]\nToolBarNav=0\n");
    EXPECT_EQ(profile::read(ini, "SETUP", "langid"), "EN");
    EXPECT_EQ(profile::readInt(ini, "default", "TOOLBARNAV", 1), 0);
    EXPECT_EQ(profile::read(ini, "SETUP", "Missing", "fallback"), "fallback");
    EXPECT_EQ(profile::read(dir.file("none.ini"), "SETUP", "LangID", "x"), "x");
}

TEST(ProfileFile, AWriteChangesOnlyItsLine) {
    TempDir dir;
    const std::string original = "; comment\n[SETUP]\nLangID=EN\r\nDataPath=/data\n\n[DEFAULT]\nAdrLd=D\n";
    const auto ini = dir.write("ORB.INI", original);
    ASSERT_TRUE(profile::write(ini, "setup", "LANGID", "FR"));
    EXPECT_EQ(readFile(ini), "; comment\n[SETUP]\nLANGID=FR\r\nDataPath=/data\n\n[DEFAULT]\nAdrLd=D\n");
    ASSERT_TRUE(profile::write(ini, "SETUP", "WorkPath", "/work"));
    EXPECT_EQ(profile::read(ini, "SETUP", "WorkPath"), "/work");
    EXPECT_EQ(profile::read(ini, "DEFAULT", "AdrLd"), "D");
    ASSERT_TRUE(profile::write(ini, "NEW", "Key", "line\nbreak"));
    EXPECT_EQ(profile::read(ini, "NEW", "Key"), "line break");
    EXPECT_EQ(profile::read(ini, "SETUP", "DataPath"), "/data");
}

TEST(ProfileFile, DamagedFilesStillReadTheirGoodKeys) {
    TempDir dir;
    std::string junk = "[SETUP]\nLangID=DE\n";
    for (int i = 0; i < 256; ++i)
        junk += static_cast<char>(i);
    junk += "\n=novalue\n[broken\nkey without equals\n[DEFAULT]\nShowAlarm=0"; // no final newline
    const auto ini = dir.write("ORB.INI", junk);
    EXPECT_EQ(profile::read(ini, "SETUP", "LangID"), "DE");
    EXPECT_EQ(profile::readInt(ini, "DEFAULT", "ShowAlarm", 1), 0);
    ASSERT_TRUE(profile::write(ini, "DEFAULT", "ShowAlarm", "1"));
    EXPECT_EQ(profile::readInt(ini, "DEFAULT", "ShowAlarm", 0), 1);
}

TEST(ProfileFile, TenMegabytesReadAndWrite) {
    TempDir dir;
    std::string big = "[BIG]\n";
    while (big.size() < 10 * 1024 * 1024)
        big += "Key" + std::to_string(big.size()) + "=" + std::string(100, 'x') + "\n";
    big += "[SETUP]\nLangID=EN\n";
    const auto ini = dir.write("ORB.INI", big);
    EXPECT_EQ(profile::read(ini, "SETUP", "LangID"), "EN");
    ASSERT_TRUE(profile::write(ini, "SETUP", "LangID", "DE"));
    EXPECT_EQ(profile::read(ini, "SETUP", "LangID"), "DE");
}

TEST(ProfileFile, TwoProcessesWritingDifferentKeysBothKeepTheirValues) {
    TempDir dir;
    const auto ini = dir.write("ORB.INI", "[SHARED]\n");
    constexpr int kWrites = 150;
    auto writer = [&](const char* prefix) {
        for (int i = 0; i < kWrites; ++i)
            if (!profile::write(ini, "SHARED", prefix + std::to_string(i), std::to_string(i)))
                _exit(2);
        _exit(0);
    };
    const pid_t first = fork();
    if (first == 0)
        writer("A");
    const pid_t second = fork();
    if (second == 0)
        writer("B");
    int status = 0;
    waitpid(first, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    waitpid(second, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_EQ(profile::read(ini, "SHARED", "A" + std::to_string(i)), std::to_string(i));
        EXPECT_EQ(profile::read(ini, "SHARED", "B" + std::to_string(i)), std::to_string(i));
    }
}
