// What a sent e-mail leaves in the address and activity files.

#include "mail/MailRecording.h"

#include "DataFixture.h"
#include "shared/Clock.h"

namespace velkora::mail {
namespace {

class MailRecordingTest : public test::DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        for (data::RecordFile* f :
             {static_cast<data::RecordFile*>(&adr), static_cast<data::RecordFile*>(&akt)})
            ASSERT_TRUE(data::OpenRecordFile(*f));
        adr.clear();
        adr.rec.ADRNR = 7;
        adr.rec.NAME1 = "Berger GmbH";
        adr.rec.EKONT = firstContact;
        ASSERT_EQ(adr.add(), data::NoError);
        akt.clear();
        akt.rec.AKTID = 41;
        akt.rec.ADRNR = 3;
        akt.rec.TITLE = "älter";
        ASSERT_EQ(akt.add(), data::NoError);
    }

    // The activity added last.
    data::Activity lastActivity() {
        akt.clear();
        akt.set(*data::Activity::table().key("QXADRAK6"));
        EXPECT_EQ(akt.previous(), data::NoError);
        return akt.rec;
    }

    data::File<data::Address>& adr = data::files().QXADRESS;
    data::File<data::Activity>& akt = data::files().QXADRAKT;
    const std::int32_t firstContact = dayNumber({2020, 1, 2});
    FixedClock clock{{{2026, 12, 6}, {14, 5, 30, 0}}};
    const MailMessage message{.to = "anna.berg@example.com",
                              .toName = "Anna Berg",
                              .subject = std::string(90, 's'),
                              .body = std::string(8500, 'b'),
                              .attachment = "/home/anna/Angebot.pdf"};
};

TEST_F(MailRecordingTest, AnActivityOfKindTwoWithTheMailAndTheContactDatesOfTheAddress) {
    EXPECT_TRUE(recordSentMail({7, 2}, message));
    EXPECT_TRUE(prompts.prompts().empty());

    const data::Activity a = lastActivity();
    EXPECT_EQ(a.AKTID, 42);
    EXPECT_EQ(a.ADRNR, 7);
    EXPECT_EQ(a.TKPNR, 2);
    EXPECT_EQ(a.AKTART, 2);
    EXPECT_EQ(a.AKTPRI, 254);
    EXPECT_EQ(a.DATUM, today());
    EXPECT_EQ(a.ADATUM, today());
    EXPECT_EQ(a.UHR, clockValue({14, 5, 30, 0}));
    EXPECT_EQ(a.AUHR, "14:05");
    EXPECT_EQ(a.TITLE, std::string(80, 's'));
    EXPECT_EQ(a.DOCNAME, "/home/anna/Angebot.pdf");
    EXPECT_EQ(a.AKTDEV, "anna.berg@example.com");
    EXPECT_EQ(a.MEMO, std::string(7999, 'b'));

    adr.rec.ADRNR = 7;
    ASSERT_EQ(adr.get(*data::Address::table().key("QXADRES1")), data::NoError);
    EXPECT_EQ(adr.rec.EKONT, firstContact);
    EXPECT_EQ(adr.rec.LKONT, today());
}

TEST_F(MailRecordingTest, TheRecipientIsCutToItsFieldAndAFirstContactIsSetWhenThereWasNone) {
    adr.rec.ADRNR = 7;
    ASSERT_EQ(adr.get(*data::Address::table().key("QXADRES1")), data::NoError);
    adr.rec.EKONT = 0;
    ASSERT_EQ(adr.put(), data::NoError);
    MailMessage longTo = message;
    longTo.to = std::string(45, 'x') + "@example.com";
    EXPECT_TRUE(recordSentMail({7, 2}, longTo));
    EXPECT_EQ(lastActivity().AKTDEV, std::string(39, 'x'));
    ASSERT_EQ(adr.get(*data::Address::table().key("QXADRES1")), data::NoError);
    EXPECT_EQ(adr.rec.EKONT, today());
}

TEST_F(MailRecordingTest, AFailedAddressWriteIsShownAndTheActivityIsStillAdded) {
    data::CloseRecordFile(adr);
    EXPECT_FALSE(recordSentMail({7, 2}, message));
    ASSERT_EQ(prompts.prompts().size(), 1u);
    EXPECT_EQ(prompts.last().caption, "PUT(QXADRESS)");
    EXPECT_TRUE(prompts.last().text.starts_with("[37] ")) << prompts.last().text;
    EXPECT_EQ(lastActivity().AKTID, 42);
}

TEST_F(MailRecordingTest, AFailedActivityAddIsShownWithCodeAndText) {
    data::CloseRecordFile(akt);
    EXPECT_FALSE(recordSentMail({7, 2}, message));
    ASSERT_EQ(prompts.prompts().size(), 1u);
    EXPECT_EQ(prompts.last().caption, "ADD(QXADRAKT)");
    EXPECT_TRUE(prompts.last().text.starts_with("[37] ")) << prompts.last().text;
}

} // namespace
} // namespace velkora::mail
