#include "documents/MailingFiller.h"

#include "MailingFixture.h"
#include "data/RecordFile.h"
#include "shared/Dates.h"
#include "shared/Text.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velkora::documents::test {
namespace {

class MailingFiller : public MailingFixture {
protected:
    void SetUp() override {
        MailingFixture::SetUp();
        appState().DATAPATH = dir.str();
        appState().WORKINI = dir.write("ORB.INI", "[ADRART]\nAdrArt0=1\nAdrArt2=Firma\n"
                                                  "[ADRTKP]\nAdrKArt0=1\nAdrKArt3=Einkauf\n");
        data::File<data::ContactPerson> tkp;
        ASSERT_EQ(tkp.create(), data::NoError);
        ASSERT_EQ(tkp.open(), data::NoError);
        tkp.rec.ADRNR = 17;
        tkp.rec.TKPNR = 2;
        tkp.rec.KTART = 3;
        tkp.rec.NAME0 = "Frau";
        tkp.rec.NAME1 = "Anna Weiß";
        tkp.rec.ABTPOS = "Einkauf";
        tkp.rec.TEL = "089 123";
        tkp.rec.EMAIL = "anna@example.de";
        tkp.rec.ZUSATZ = "Zimmer 4";
        tkp.rec.BRANR = "Sehr geehrte Frau Weiß,";
        tkp.rec.BEMERK = "Kontaktbemerkung";
        ASSERT_EQ(tkp.add(), data::NoError);
        tkp.close();

        adr.ADRNR = 17;
        adr.ADATUM = dayNumber({2026, 1, 2});
        adr.AUHR = "09:15";
        adr.STATUS = 2;
        adr.ADRART = 2;
        adr.NAME1 = "Müller GmbH";
        adr.BRANR = "Sehr geehrte Damen und Herren,";
        adr.ORT = "München";
        adr.BEMERK = "Adressbemerkung";
        adr.EKONT = dayNumber({2025, 3, 4});
        adr.LKONT = dayNumber({2026, 11, 30});
        adr.ANZDRUCK = 2;
        adr.MEMO = "Memo der Adresse";
    }

    MailingRecord readRow() {
        MailingFile& mailing = mailingFile();
        EXPECT_FALSE(mailing.isOpen()); // the filler closes it
        EXPECT_FALSE(mailing.open(files::DbfTable::Access::Read));
        EXPECT_EQ(mailing.count(), 1u);
        mailing.clear();
        EXPECT_FALSE(mailing.next());
        MailingRecord row = mailing.rec;
        mailing.close();
        return row;
    }

    data::Address adr;
};

TEST_F(MailingFiller, FillsOneRowWithAddressAndContact) {
    mailingFile().setName(mailingFilePath(kDocumentMailingName));
    ASSERT_TRUE(FillMailingFileForAddress(adr, 2, "Angebot"));
    EXPECT_TRUE(fileExists(dir.file("_MAIL1.DBF")));
    const MailingRecord m = readRow();
    EXPECT_EQ(clip(m.ADRNR), "17");
    EXPECT_EQ(clip(m.ADATUM), std::to_string(dayNumber({2026, 1, 2})));
    EXPECT_EQ(clip(m.AUHR), "09:15");
    EXPECT_EQ(clip(m.STATUS), "2");
    EXPECT_EQ(clip(m.ADRART), "Firma");
    EXPECT_EQ(clip(m.NAME1), "Müller GmbH");
    EXPECT_EQ(clip(m.ORT), "München");
    EXPECT_EQ(clip(m.EKONT), "04.03.2025");
    EXPECT_EQ(clip(m.LKONT), "30.11.2026");
    EXPECT_EQ(clip(m.ANZDRUCK), "2");
    EXPECT_EQ(clip(m.DOCTITLE), "Angebot");
    EXPECT_EQ(m.MEMO, "Memo der Adresse");
    EXPECT_EQ(clip(m.IUSR), "");
    // The contact person's data, and what it replaces.
    EXPECT_EQ(clip(m.BRANR), "Sehr geehrte Frau Weiß,");
    EXPECT_EQ(clip(m.BEMERKUNG), "Kontaktbemerkung");
    EXPECT_EQ(clip(m.KNAME0), "Frau");
    EXPECT_EQ(clip(m.KNAME1), "Anna Weiß");
    EXPECT_EQ(clip(m.KTART), "Einkauf");
    EXPECT_EQ(clip(m.ABTPOS), "Einkauf");
    EXPECT_EQ(clip(m.TEL), "089 123");
    EXPECT_EQ(clip(m.EMAIL), "anna@example.de");
    EXPECT_EQ(clip(m.KZUSATZ), "Zimmer 4");
    EXPECT_TRUE(prompter.prompts().empty());
}

TEST_F(MailingFiller, ContactThatCannotBeReadLeavesTheContactFieldsEmpty) {
    adr.EKONT = 0;
    adr.LKONT = 0;
    adr.ADRART = 0;   // no kind chosen: no text (AdrArt0 holds the preselection, not a name)
    writeThreeRows(); // an old file is replaced, not appended to
    ASSERT_TRUE(FillMailingFileForAddress(adr, 99, "Brief"));
    const MailingRecord m = readRow();
    EXPECT_EQ(clip(m.NAME1), "Müller GmbH");
    EXPECT_EQ(clip(m.BRANR), "Sehr geehrte Damen und Herren,");
    EXPECT_EQ(clip(m.BEMERKUNG), "Adressbemerkung");
    EXPECT_EQ(m.EKONT, std::string(10, ' '));
    EXPECT_EQ(m.LKONT, std::string(10, ' '));
    EXPECT_EQ(clip(m.ADRART), "");
    for (const std::string* field :
         {&m.KNAME0, &m.KNAME1, &m.KNAME2, &m.KTART, &m.ABTPOS, &m.TEL, &m.FAX, &m.EMAIL, &m.KZUSATZ})
        EXPECT_EQ(clip(*field), "");
    EXPECT_TRUE(prompter.prompts().empty());

    ASSERT_TRUE(FillMailingFileForAddress(adr, std::nullopt, "Ohne Kontakt"));
    EXPECT_EQ(clip(readRow().KNAME1), "");
}

TEST_F(MailingFiller, FailuresAreToldWithTheirCaption) {
    std::filesystem::create_directory(dir.file("QXAILADR.DBF")); // cannot be deleted as a file
    EXPECT_FALSE(FillMailingFileForAddress(adr, std::nullopt, "x"));
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.last().caption, "REMOVE(QXAILADR):2");

    prompter.clear();
    appState().MAILPATH = dir.file("missing-folder");
    EXPECT_FALSE(FillMailingFileForAddress(adr, std::nullopt, "x"));
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.last().caption, "CREATE(QXAILADR):2");
    EXPECT_TRUE(prompter.last().text.starts_with("2 ")) << prompter.last().text;
}

} // namespace
} // namespace velkora::documents::test
