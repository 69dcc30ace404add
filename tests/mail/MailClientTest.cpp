// Handing a message to the mail client: a stand-in xdg-email first on PATH
// notes each argument on a line of its own and ends with the status it is told.

#include "mail/MailClient.h"

#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace velkora::mail {
namespace {

class MailClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string script = dir.write(
            "bin/xdg-email", "#!/bin/sh\n"
                             "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"" +
                                 dir.file("args.txt") + "\"\nexit $(cat \"" + dir.file("status") + "\")\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        dir.write("status", "0");
        savedPath = std::getenv("PATH");
        ::setenv("PATH", (dir.file("bin") + ":" + savedPath).c_str(), 1);
    }
    void TearDown() override { ::setenv("PATH", savedPath.c_str(), 1); }

    test::TempDir dir;
    std::string savedPath;
};

TEST_F(MailClientTest, EachPartArrivesAsOneArgumentHostileTextsIncluded) {
    const MailMessage m{.to = "anna@example.com",
                        .subject = "Angebot\"; touch /tmp/velkora-pwned; echo '$(id)' `id`",
                        .body = "Hallo Anna,\r\nanbei das Angebot.",
                        .attachment = "/tmp/Angebot mit Blank.pdf"};
    EXPECT_EQ(sendThroughMailClient(m), 0);
    EXPECT_EQ(test::readFile(dir.file("args.txt")),
              "[--utf8]\n[--subject]\n[Angebot\"; touch /tmp/velkora-pwned; echo '$(id)' `id`]\n[--body]\n"
              "[Hallo Anna,\r\nanbei das Angebot.]\n[--attach]\n[/tmp/Angebot mit "
              "Blank.pdf]\n[anna@example.com]\n");
    EXPECT_FALSE(std::filesystem::exists("/tmp/velkora-pwned"));
}

TEST_F(MailClientTest, EmptyPartsAreLeftOutAndTheExitStatusIsTheResult) {
    dir.write("status", "3");
    EXPECT_EQ(sendThroughMailClient({}), 3);
    EXPECT_EQ(test::readFile(dir.file("args.txt")), "[--utf8]\n");
}

TEST_F(MailClientTest, AMissingMailClientCannotBeStarted) {
    ::setenv("PATH", dir.file("leer").c_str(), 1);
    EXPECT_EQ(sendThroughMailClient({.to = "anna@example.com"}), kNotStarted);
}

} // namespace
} // namespace velkora::mail
