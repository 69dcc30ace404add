// Sending through a mail server: the header texts, the connection's TLS
// options, and real sessions with a test server on 127.0.0.1.

#include "SmtpTestServer.h"
#include "TempDir.h"
#include "mail/MailHeaders.h"
#include "mail/SmtpSender.h"
#include "shared/Text.h"

#include <gtest/gtest.h>

namespace velkora::mail {
namespace {

TEST(MailHeaderText, PlainAsciiStaysAndUmlautsGoAsEncodedWordsOfAtMost75Characters) {
    EXPECT_EQ(encodeHeaderText("Angebot 17"), "Angebot 17");
    EXPECT_EQ(encodeHeaderText("Grüße"), "=?UTF-8?B?R3LDvMOfZQ==?=");
    const std::string longText = "Änderungen " + std::string(60, 'x') + " für Müller";
    const std::string encoded = encodeHeaderText(longText);
    std::size_t start = 0;
    for (std::size_t end; (end = encoded.find("\r\n ", start)) != std::string::npos; start = end + 3)
        EXPECT_LE(end - start, 75u);
    EXPECT_LE(encoded.size() - start, 75u);
    EXPECT_EQ(test::decodeHeaderWords(replaceAll(encoded, "\r\n", "")), longText);
}

TEST(MailHeaderText, NamesBesideTheAddressAreEncodedOrQuoted) {
    EXPECT_EQ(mailbox("", "a@b.de"), "a@b.de");
    EXPECT_EQ(mailbox("Anna Berg", "a@b.de"), "Anna Berg <a@b.de>");
    EXPECT_EQ(mailbox("Berg, Anna \"AB\"", "a@b.de"), "\"Berg, Anna \\\"AB\\\"\" <a@b.de>");
    EXPECT_EQ(mailbox("Jürgen", "j@b.de"), "=?UTF-8?B?SsO8cmdlbg==?= <j@b.de>");
}

TEST(MailHeaderText, TheDateIsInTheMailFormatWithTheOffset) {
    EXPECT_EQ(mailDate({{2026, 12, 6}, {9, 5, 7, 0}}, 60), "Sun, 06 Dec 2026 09:05:07 +0100");
    EXPECT_EQ(mailDate({{2027, 3, 1}, {23, 59, 0, 0}}, -270), "Mon, 01 Mar 2027 23:59:00 -0430");
}

TEST(SmtpSettings, NoHostMeansTheMailClientAndTheSecurityGivesPortAndTls) {
    test::TempDir dir;
    const std::string ini = dir.write("ORB.INI", "[SMTP]\nUser=anna\n");
    EXPECT_FALSE(readSmtpSettings(ini));
    dir.write("ORB.INI", "[SMTP]\nHost=mail.example.com\nFrom=anna@example.com\nName=Anna Berg\n");
    const SmtpSettings startTls = *readSmtpSettings(ini);
    EXPECT_EQ(startTls.security, SmtpSecurity::StartTls);
    EXPECT_EQ(startTls.port, 587);
    EXPECT_EQ(startTls.fromName, "Anna Berg");
    const SmtpConnection c = smtpConnection(startTls);
    EXPECT_EQ(c.url, "smtp://mail.example.com:587");
    EXPECT_TRUE(c.requireTls);
    EXPECT_TRUE(c.verifyPeer);
    EXPECT_TRUE(c.verifyHost);

    dir.write("ORB.INI", "[SMTP]\nHost=mail.example.com\nSecurity=TLS\n");
    const SmtpConnection tls = smtpConnection(*readSmtpSettings(ini));
    EXPECT_EQ(tls.url, "smtps://mail.example.com:465");
    EXPECT_TRUE(tls.verifyPeer && tls.verifyHost);

    dir.write("ORB.INI", "[SMTP]\nHost=::1\nSecurity=none\nPort=2525\n");
    const SmtpConnection plain = smtpConnection(*readSmtpSettings(ini));
    EXPECT_EQ(plain.url, "smtp://[::1]:2525");
    EXPECT_FALSE(plain.requireTls);

    dir.write("ORB.INI", "[SMTP]\nHost=mail.example.com\nSecurity=tsl\n");
    EXPECT_TRUE(smtpConnection(*readSmtpSettings(ini)).requireTls);
}

class SmtpSendTest : public ::testing::Test {
protected:
    SmtpSettings settingsFor(const test::SmtpTestServer& server) {
        return {.host = "127.0.0.1",
                .port = server.port(),
                .security = SmtpSecurity::None,
                .from = "vertrieb@velkora.test",
                .fromName = "Vertrieb Müller"};
    }
    test::TempDir dir;
};

TEST_F(SmtpSendTest, TheServerReceivesTheUmlautSubjectTheUtf8TextAndTheAttachment) {
    test::SmtpTestServer server(1);
    const std::string attachment = dir.write("Angebot.pdf", std::string("%PDF-1.4\n\x01\x02\xff\0 binary", 20));
    const MailMessage m{.to = "anna@example.com",
                        .toName = "Anna Bärg",
                        .subject = "Grüße zum Angebot",
                        .body = "Hallo Anna,\r\nanbei das Angebot für Köln.\n.\nEnde",
                        .attachment = attachment};
    const SmtpResult result = sendBySmtp(settingsFor(server), "", m);
    EXPECT_TRUE(result.sent()) << result.code << " " << result.error;

    const auto& mails = server.received();
    ASSERT_EQ(mails.size(), 1u);
    const std::string& data = mails[0].data;
    EXPECT_EQ(mails[0].from, "vertrieb@velkora.test");
    EXPECT_EQ(mails[0].to, std::vector<std::string>{"anna@example.com"});
    EXPECT_EQ(test::decodeHeaderWords(test::headerValue(data, "Subject")), "Grüße zum Angebot");
    EXPECT_EQ(test::decodeHeaderWords(test::headerValue(data, "To")), "Anna Bärg <anna@example.com>");
    EXPECT_EQ(test::decodeHeaderWords(test::headerValue(data, "From")),
              "Vertrieb Müller <vertrieb@velkora.test>");
    EXPECT_TRUE(test::headerValue(data, "Content-Type").starts_with("multipart/mixed"));
    EXPECT_NE(data.find("Content-Type: text/plain; charset=UTF-8"), std::string::npos);
    EXPECT_NE(data.find("Content-Transfer-Encoding: quoted-printable"), std::string::npos);
    EXPECT_NE(data.find("f=C3=BCr K=C3=B6ln"), std::string::npos) << data;

    // The attachment part, decoded as received.
    const std::size_t part = data.find("filename=\"Angebot.pdf\"");
    ASSERT_NE(part, std::string::npos) << data;
    const std::size_t content = data.find("\r\n\r\n", part) + 4;
    const std::string encoded = data.substr(content, data.find("\r\n--", content) - content);
    EXPECT_EQ(test::fromBase64(encoded), test::readFile(attachment));
}

TEST_F(SmtpSendTest, ARefusedRecipientIsAFailureWithTheServersAnswer) {
    test::SmtpTestServer server(1, "niemand@example.com");
    const SmtpResult result =
        sendBySmtp(settingsFor(server), "", {.to = "niemand@example.com", .subject = "x"});
    EXPECT_FALSE(result.sent());
    EXPECT_NE(result.error.find("550"), std::string::npos) << result.error;
    EXPECT_TRUE(server.received().empty());
}

TEST_F(SmtpSendTest, AMissingAttachmentSendsNothing) {
    const SmtpResult result = sendBySmtp({.host = "127.0.0.1", .port = 1}, "",
                                         {.to = "a@b.de", .attachment = dir.file("fehlt.pdf")});
    EXPECT_FALSE(result.sent());
    EXPECT_NE(result.error.find("fehlt.pdf"), std::string::npos);
}

TEST(SmtpPassword, AskedOnceARunOnlyForAServerWithAUserAndNotKeptWhenNoneWasGiven) {
    forgetSessionPassword();
    int asked = 0;
    const PasswordQuestion ask = [&asked](const SmtpSettings&) -> std::optional<std::string> {
        return ++asked == 1 ? std::nullopt : std::optional<std::string>("geheim");
    };
    SmtpSettings noLogin{.host = "h"};
    EXPECT_EQ(sessionPassword(noLogin, ask), "");
    EXPECT_EQ(asked, 0);
    SmtpSettings login{.host = "h", .user = "anna"};
    EXPECT_EQ(sessionPassword(login, ask), std::nullopt);
    EXPECT_EQ(sessionPassword(login, ask), "geheim");
    EXPECT_EQ(sessionPassword(login, ask), "geheim");
    EXPECT_EQ(asked, 2);
    forgetSessionPassword();
    EXPECT_EQ(sessionPassword(login, ask), "geheim");
    EXPECT_EQ(asked, 3);
    forgetSessionPassword();
}

} // namespace
} // namespace velkora::mail
