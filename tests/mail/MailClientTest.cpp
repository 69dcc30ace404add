// Handing a message to the mail client: a stand-in xdg-email first on PATH.

#include "mail/MailClient.h"

#include "StandIns.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace velkora::mail {
namespace {

class MailClientTest : public ::testing::Test {
protected:
    MailClientTest() { programs.record(kMailClientProgram); }

    test::TempDir dir;
    test::StandInPrograms programs;
};

TEST_F(MailClientTest, EachPartArrivesAsOneArgumentHostileTextsIncluded) {
    const MailMessage m{.to = "anna@example.com",
                        .subject = "Angebot\"; touch /tmp/velkora-pwned; echo '$(id)' `id`",
                        .body = "Hallo Anna,\r\nanbei das Angebot.",
                        .attachment = "/tmp/Angebot mit Blank.pdf"};
    EXPECT_EQ(sendThroughMailClient(m), 0);
    EXPECT_EQ(programs.arguments(kMailClientProgram),
              "[--utf8]\n[--subject]\n[Angebot\"; touch /tmp/velkora-pwned; echo '$(id)' `id`]\n[--body]\n"
              "[Hallo Anna,\r\nanbei das Angebot.]\n[--attach]\n[/tmp/Angebot mit "
              "Blank.pdf]\n[anna@example.com]\n");
    EXPECT_FALSE(std::filesystem::exists("/tmp/velkora-pwned"));
}

TEST_F(MailClientTest, EmptyPartsAreLeftOutAndTheExitStatusIsTheResult) {
    programs.record(kMailClientProgram, 3);
    EXPECT_EQ(sendThroughMailClient({}), 3);
    EXPECT_EQ(programs.arguments(kMailClientProgram), "[--utf8]\n");
}

TEST_F(MailClientTest, AMissingMailClientCannotBeStarted) {
    ::setenv("PATH", dir.file("leer").c_str(), 1);
    EXPECT_EQ(sendThroughMailClient({.to = "anna@example.com"}), kNotStarted);
}

} // namespace
} // namespace velkora::mail
