#include "documents/SelectionRun.h"

#include "MailingFixture.h"
#include "data/RecordFile.h"
#include "documents/MailingListCreate.h"
#include "documents/MailingSelection.h"
#include "shared/Dates.h"
#include "shared/Text.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velkora::documents::test {
namespace {

class SelectionRunTest : public MailingFixture {
protected:
    void SetUp() override {
        MailingFixture::SetUp();
        appState().DATAPATH = dir.str();
        appState().WORKINI = dir.write("ORB.INI", "[ADRART]\nAdrArt1=Kunde\nAdrArt2=Lieferant\n"
                                                  "[ADRTKP]\nAdrKArt2=Einkauf\n");
        ASSERT_EQ(adr.create(), data::NoError);
        ASSERT_EQ(adr.open(), data::NoError);
        ASSERT_EQ(tkp.create(), data::NoError);
        ASSERT_EQ(tkp.open(), data::NoError);
    }
    void TearDown() override {
        adr.close();
        tkp.close();
        MailingFixture::TearDown();
    }

    void address(std::int32_t adrnr, std::uint8_t status, std::string name, std::uint8_t type = 0) {
        adr.clear();
        adr.rec.ADRNR = adrnr;
        adr.rec.STATUS = status;
        adr.rec.NAME1 = std::move(name);
        adr.rec.ADRART = type;
        adr.rec.AUSER = "anna";
        adr.rec.ADATUM = 80000;
        adr.rec.AUHR = "10:00";
        adr.rec.EKONT = dayNumber({2026, 3, 4});
        adr.rec.MEMO = "Notiz";
        ASSERT_EQ(adr.add(), data::NoError);
    }
    void contact(std::int32_t adrnr, std::int32_t tkpnr, std::uint8_t kind, std::string name,
                 std::string email) {
        tkp.clear();
        tkp.rec.ADRNR = adrnr;
        tkp.rec.TKPNR = tkpnr;
        tkp.rec.KTART = kind;
        tkp.rec.NAME1 = std::move(name);
        tkp.rec.EMAIL = std::move(email);
        tkp.rec.ZUSATZ = "Haus " + std::to_string(tkpnr);
        ASSERT_EQ(tkp.add(), data::NoError);
    }

    // Runs the selection into MAIL/LISTE in batches of `batch` and returns the rows.
    std::vector<MailingRecord> run(const MailingSelection& s, std::size_t batch = kSelectionBatch) {
        EXPECT_EQ(openMailingList("LISTE", ExistingList::Replace), ListOpening::Ready);
        SelectionRun selection(addressCondition(s), contactCondition(s), "Brief");
        if (selection.start())
            while (selection.step(batch)) {
            }
        written = selection.rowsWritten();
        failed = selection.failed();
        return rows();
    }
    std::vector<MailingRecord> rows() {
        MailingFile& mailing = mailingFile();
        mailing.close();
        std::vector<MailingRecord> out;
        if (mailing.open(files::DbfTable::Access::Read))
            return out;
        while (!mailing.next())
            out.push_back(mailing.rec);
        mailing.close();
        return out;
    }
    static std::vector<std::string> names(const std::vector<MailingRecord>& rows, bool contacts = false) {
        std::vector<std::string> out;
        for (const auto& r : rows)
            out.push_back(clip(r.NAME1) + (contacts ? "/" + clip(r.KNAME1) : ""));
        return out;
    }

    data::File<data::Address> adr;
    data::File<data::ContactPerson> tkp;
    velkora::test::ScriptedPrompter prompter;
    std::uint32_t written = 0;
    bool failed = false;
};

TEST_F(SelectionRunTest, OneRowPerSelectedAddressInNumberOrder) {
    address(3, 2, "Dritte", 2);
    address(1, 1, "Erste", 1);
    address(2, 5, "Zweite");
    MailingSelection s;
    s.statusFrom = 1;
    s.statusTo = 3;
    const auto out = run(s);
    EXPECT_EQ(names(out), (std::vector<std::string>{"Erste", "Dritte"}));
    EXPECT_EQ(written, 2u);
    EXPECT_FALSE(failed);
    const MailingRecord& row = out[1];
    EXPECT_EQ(clip(row.ADRNR), "3");
    EXPECT_EQ(clip(row.ADRART), "Lieferant");
    EXPECT_EQ(clip(row.EKONT), "04.03.2026");
    EXPECT_EQ(clip(row.DOCTITLE), "Brief");
    EXPECT_EQ(row.MEMO, "Notiz");
    // A mailing list holds no creation stamps.
    EXPECT_EQ(clip(row.AUSER) + clip(row.ADATUM) + clip(row.AUHR), "");
    EXPECT_TRUE(prompter.prompts().empty());
}

TEST_F(SelectionRunTest, OneRowPerMatchingContactAndNoneWithout) {
    address(1, 1, "Mit zwei");
    contact(1, 1, 2, "Ohne Mail", "");
    contact(1, 2, 1, "Mit Mail", "a@example.de");
    address(2, 1, "Ohne Kontakt");
    address(3, 1, "Kontakt ohne Mail");
    contact(3, 1, 2, "Leer", " ");
    address(4, 1, "Zwei mit Mail");
    contact(4, 1, 1, "B", "b@example.de");
    contact(4, 2, 2, "C", "c@example.de");
    MailingSelection s;
    s.contacts = true;
    s.onlyEmail = true;
    for (std::size_t batch : {std::size_t{1}, std::size_t{3}, kSelectionBatch}) {
        const auto out = run(s, batch);
        EXPECT_EQ(names(out, true),
                  (std::vector<std::string>{"Mit zwei/Mit Mail", "Zwei mit Mail/B", "Zwei mit Mail/C"}))
            << batch;
        ASSERT_EQ(out.size(), 3u);
        EXPECT_EQ(clip(out[2].KTART), "Einkauf");
        EXPECT_EQ(clip(out[1].KTART), "Personal"); // type 1 unconfigured
        EXPECT_EQ(clip(out[2].EMAIL), "c@example.de");
        EXPECT_EQ(clip(out[2].KZUSATZ), "Haus 2");
    }
}

// Few addresses selected among many: their contacts are read address by address.
TEST_F(SelectionRunTest, ContactsOfFewSelectedAddresses) {
    for (std::int32_t n = 1; n <= 12; ++n) {
        address(n, n == 4 || n == 11 ? 1 : 5, "A" + std::to_string(n));
        contact(n, 1, 1, "K" + std::to_string(n) + "a", "x@example.de");
        contact(n, 2, 1, "K" + std::to_string(n) + "b", "");
    }
    MailingSelection s;
    s.statusTo = 2;
    s.contacts = true;
    s.onlyEmail = true;
    EXPECT_EQ(names(run(s), true), (std::vector<std::string>{"A4/K4a", "A11/K11a"}));
    EXPECT_EQ(names(run(s, 5), true), (std::vector<std::string>{"A4/K4a", "A11/K11a"}));
}

TEST_F(SelectionRunTest, ContactRowsWithoutFeatures) {
    address(1, 1, "A");
    contact(1, 1, 2, "Einkauf", "");
    contact(1, 2, 3, "Technik", "");
    MailingSelection s;
    s.contacts = true;
    s.contactType = 2;
    EXPECT_EQ(names(run(s), true), (std::vector<std::string>{"A/Einkauf"}));
}

TEST_F(SelectionRunTest, AConditionThatCannotBeEvaluatedEndsTheRun) {
    address(1, 1, "A");
    address(2, 1, "B");
    ASSERT_EQ(openMailingList("LISTE", ExistingList::Replace), ListOpening::Ready);
    SelectionRun selection("ADR:NOSUCH = 1", "", "");
    ASSERT_TRUE(selection.start());
    EXPECT_FALSE(selection.step(kSelectionBatch));
    EXPECT_TRUE(selection.failed());
    EXPECT_EQ(selection.rowsWritten(), 0u);
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_EQ(prompter.last().text.rfind("[801] ", 0), 0u) << prompter.last().text;

    prompter.clear();
    SelectionRun broken("ADR:STATUS >= ", "", "");
    EXPECT_FALSE(broken.start());
    EXPECT_EQ(prompter.last().text.rfind("[800] ", 0), 0u) << prompter.last().text;
}

TEST_F(SelectionRunTest, CreateRefusesAnEmptyOrInvalidName) {
    EXPECT_EQ(openMailingList("  ", ExistingList::Ask), ListOpening::EmptyName);
    EXPECT_EQ(prompter.last().caption, "FIL_NOFILE");
    EXPECT_EQ(openMailingList("_intern", ExistingList::Ask), ListOpening::InvalidName);
    EXPECT_EQ(prompter.last().caption, "FIL_INVALID");
    EXPECT_NE(prompter.last().text.find(dir.file("_intern.dbf")), std::string::npos);
    EXPECT_FALSE(fileExists(dir.file("_intern.DBF")));
}

TEST_F(SelectionRunTest, AnExistingListIsReplacedAppendedToOrLeft) {
    address(1, 1, "A");
    MailingSelection s;
    run(s);
    auto again = [&](unsigned answer) {
        prompter.clear();
        prompter.setNextAnswer(answer);
        const ListOpening opening = openMailingList("liste.dbf", ExistingList::Ask);
        EXPECT_EQ(prompter.prompts().size(), 1u);
        EXPECT_EQ(prompter.last().caption, "FIL_OVERWRITEYNC");
        EXPECT_EQ(prompter.last().buttons, unsigned(ButtonYes | ButtonNo | ButtonCancel));
        EXPECT_EQ(prompter.last().defaultButton, unsigned(ButtonCancel));
        if (opening == ListOpening::Ready)
            SelectionRun(addressCondition(s), "", "").runToEnd();
        return rows().size();
    };
    // The name as typed ("liste.dbf") is not the file's ("LISTE"): a new list.
    prompter.clear();
    EXPECT_EQ(openMailingList("liste.dbf", ExistingList::Ask), ListOpening::Ready);
    EXPECT_TRUE(prompter.prompts().empty());
    EXPECT_TRUE(SelectionRun(addressCondition(s), "", "").runToEnd());
    EXPECT_EQ(again(ButtonNo), 2u);
    EXPECT_EQ(again(ButtonYes), 1u);
    EXPECT_EQ(again(ButtonCancel), 1u);
}

TEST_F(SelectionRunTest, AppendingToAMissingListAsksFirst) {
    prompter.setNextAnswer(ButtonCancel);
    EXPECT_EQ(openMailingList("Neu", ExistingList::Append), ListOpening::Stopped);
    EXPECT_EQ(prompter.last().caption, "FIL_CREATE");
    EXPECT_EQ(prompter.last().defaultButton, unsigned(ButtonYes));
    EXPECT_FALSE(fileExists(dir.file("Neu.DBF")));
    EXPECT_EQ(openMailingList("Neu", ExistingList::Append), ListOpening::Ready);
    mailingFile().close();
    EXPECT_TRUE(fileExists(dir.file("Neu.DBF")));
}

} // namespace
} // namespace velkora::documents::test
