// Which recipients and subjects a message may go out with.

#include "mail/MailMessage.h"

#include <gtest/gtest.h>

namespace velkora::mail {
namespace {

TEST(MailAddress, IsANameAndAHostAroundOneAt) {
    for (const char* good : {"anna@example.com", "a.b+c@host", "jürgen@müller.de", "o'neil@x.org"})
        EXPECT_TRUE(isMailAddress(good)) << good;
    for (const char* bad : {"", "anna", "@example.com", "anna@", "a@b@c", "anna berg@example.com",
                            "anna@exa mple.com", "a..b@host", ".a@host", "a@host.", "Anna <a@host>",
                            "a@host,b@host", "a@host?subject=x", "-a@host", "a&b@host"})
        EXPECT_FALSE(isMailAddress(bad)) << bad;
}

TEST(MailCheck, ARecipientThatIsNoAddressIsRefusedEvenWithTheClientsDialog) {
    MailMessage m{.to = "anna@example.com   ", .subject = "Angebot"};
    EXPECT_EQ(checkMessage(m, false), MessageProblem::None);
    m.to = "";
    EXPECT_EQ(checkMessage(m, false), MessageProblem::NoAddress);
    EXPECT_EQ(checkMessage(m, true), MessageProblem::None); // the client's window asks for it
    m.to = "anna";
    EXPECT_EQ(checkMessage(m, true), MessageProblem::NoAddress);
}

TEST(MailCheck, ALineBreakInRecipientSubjectOrNameCouldAddHeadersAndIsRefused) {
    const MailMessage good{.to = "anna@example.com", .toName = "Anna", .subject = "Angebot"};
    MailMessage m = good;
    m.to = "anna@example.com\r\nBcc: all@example.com";
    EXPECT_EQ(checkMessage(m, true), MessageProblem::NoAddress);
    m = good;
    m.subject = "Angebot\r\nBcc: all@example.com";
    EXPECT_EQ(checkMessage(m, false), MessageProblem::HeaderBreak);
    m.subject = "Angebot\nBcc: all@example.com";
    EXPECT_EQ(checkMessage(m, true), MessageProblem::HeaderBreak);
    m = good;
    m.toName = "Anna\rBcc: x@y";
    EXPECT_EQ(checkMessage(m, false), MessageProblem::HeaderBreak);
    // The text itself has lines.
    m = good;
    m.body = "Hallo\r\nBcc: all@example.com";
    EXPECT_EQ(checkMessage(m, false), MessageProblem::None);
}

} // namespace
} // namespace velkora::mail
