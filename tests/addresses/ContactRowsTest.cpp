// The contact persons of the address form: read, changed in memory and
// written with the address, while another station may change the file.

#include "addresses/ContactRows.h"

#include "DataFixture.h"

namespace velkora::addresses {
namespace {

data::ContactPerson person(std::int32_t adrnr, std::int32_t tkpnr, const std::string& name) {
    data::ContactPerson c;
    c.ADRNR = adrnr;
    c.TKPNR = tkpnr;
    c.NAME1 = name;
    c.KTART = 1;
    return c;
}

class ContactRowsTest : public test::DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        ASSERT_TRUE(data::OpenRecordFile(tkp));
        store(person(1, 1, "Erste"));
        store(person(1, 2, "Zweite"));
        store(person(2, 1, "Andere"));
    }
    void TearDown() override {
        data::CloseRecordFile(tkp);
        DataFixture::TearDown();
    }
    void store(const data::ContactPerson& c) {
        tkp.clear();
        tkp.rec = c;
        ASSERT_EQ(tkp.add(), data::NoError);
    }
    // "NAME1/TKPNR" of the stored contacts of an address, in number order.
    std::vector<std::string> storedOf(std::int32_t adrnr) {
        return sql("QXADRTKP", "SELECT NAME1 || '/' || TKPNR FROM QXADRTKP WHERE ADRNR = " +
                                   std::to_string(adrnr) + " ORDER BY TKPNR");
    }

    data::File<data::ContactPerson>& tkp = data::files().QXADRTKP;
    ContactRows rows{{"Chef", "Technik"}};
};

TEST_F(ContactRowsTest, LoadsOneAddressInNumberOrderWithItsColumns) {
    data::ContactPerson shown = person(3, 1, "Abel");
    shown.NAME2 = "Anna";
    shown.ABTPOS = "Einkauf";
    shown.BEMERK = "ruft zurück";
    shown.KTART = 2;
    shown.EMAIL = std::string(70, 'e');
    store(shown);
    ASSERT_TRUE(rows.load(tkp, 3));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.rows()[0].kindText, "Technik");
    EXPECT_EQ(rows.rows()[0].text, "Einkauf, Abel Anna ruft zurück");
    EXPECT_EQ(rows.rows()[0].emailText.size(), 60u);
    // Edited in the form the parts are listed with single blanks.
    rows.change(0, shown);
    EXPECT_EQ(rows.rows()[0].text, "Einkauf Abel Anna ruft zurück");

    ASSERT_TRUE(rows.load(tkp, 1));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows.rows()[1].person.NAME1, "Zweite");
    ASSERT_TRUE(rows.load(tkp, 9));
    EXPECT_TRUE(rows.empty());
}

TEST_F(ContactRowsTest, NewRowsAreNumberedAfterTheAddressesContactsAndWrittenOnce) {
    ASSERT_TRUE(rows.load(tkp, 1));
    data::ContactPerson added = person(0, 0, "Dritte");
    added.TEL = "(089) 12 34-56";
    rows.append(added);
    rows.append(person(0, 0, "Vierte"));
    ASSERT_TRUE(rows.write(tkp, 1));
    ASSERT_TRUE(rows.write(tkp, 1)); // saved again: nothing added twice
    EXPECT_EQ(storedOf(1), (std::vector<std::string>{"Erste/1", "Zweite/2", "Dritte/3", "Vierte/4"}));
    EXPECT_EQ(sql("QXADRTKP", "SELECT TFX FROM QXADRTKP WHERE NAME1 = 'Dritte'"),
              std::vector<std::string>{"089123456"});
    EXPECT_FALSE(rows.rows()[2].pending);
    EXPECT_NE(rows.rows()[2].recno, 0);
}

TEST_F(ContactRowsTest, AChangedRowKeepsItsIdentityAndWhatTheFormDoesNotShow) {
    ASSERT_TRUE(rows.load(tkp, 1));
    // Another station gave the contact what the form does not show.
    sql("QXADRTKP", "UPDATE QXADRTKP SET AUXID = 'X7' WHERE NAME1 = 'Zweite'");
    data::ContactPerson changed = rows.rows()[1].person;
    changed.NAME1 = "Geändert";
    changed.TKPNR = 99;
    changed.TEL = "+49 89 1";
    rows.change(1, changed);
    ASSERT_TRUE(rows.write(tkp, 1));
    EXPECT_EQ(storedOf(1), (std::vector<std::string>{"Erste/1", "Geändert/2"}));
    EXPECT_EQ(sql("QXADRTKP", "SELECT TFX || AUXID FROM QXADRTKP WHERE NAME1 = 'Geändert'"),
              std::vector<std::string>{"49891X7"});
}

TEST_F(ContactRowsTest, OnlyTheContactThatWasReadIsDeleted) {
    ASSERT_TRUE(rows.load(tkp, 1));
    rows.remove(1);
    rows.remove(0);
    rows.append(person(0, 0, "Neu"));
    rows.remove(0); // never stored: nothing to delete
    // Another station put a different contact where "Erste" was stored.
    sql("QXADRTKP", "UPDATE QXADRTKP SET TKPNR = 9, NAME1 = 'Fremd' WHERE NAME1 = 'Erste'");
    ASSERT_TRUE(rows.write(tkp, 1));
    EXPECT_EQ(storedOf(1), std::vector<std::string>{"Fremd/9"});
    EXPECT_TRUE(rows.deleted().empty());
    EXPECT_EQ(storedOf(2), std::vector<std::string>{"Andere/1"});
}

TEST_F(ContactRowsTest, ARowKeepsItsKeyWhileRowsAboveItGo) {
    ASSERT_TRUE(rows.load(tkp, 1));
    const std::uint32_t second = rows.rows()[1].key;
    const std::uint32_t added = rows.rows()[rows.append(person(0, 0, "Neu"))].key;
    rows.remove(0);
    EXPECT_EQ(rows.indexOf(second), 0u);
    EXPECT_EQ(rows.indexOf(added), 1u);
    rows.remove(0);
    EXPECT_FALSE(rows.indexOf(second));
    EXPECT_NE(rows.rows()[rows.append(person(0, 0, "Noch eins"))].key, second);
}

TEST_F(ContactRowsTest, ARenumberedAddressTakesItsRowsAlong) {
    ASSERT_TRUE(rows.load(tkp, 1));
    rows.remove(1);
    rows.append(person(1, 0, "Neu"));
    sql("QXADRTKP", "UPDATE QXADRTKP SET ADRNR = 50 WHERE ADRNR = 1");
    ASSERT_TRUE(rows.write(tkp, 50, 1));
    EXPECT_EQ(storedOf(50), (std::vector<std::string>{"Erste/1", "Neu/3"}));
    EXPECT_TRUE(storedOf(1).empty());
}

TEST_F(ContactRowsTest, AFailedWriteIsReportedAndTriedAgainOnTheNextSave) {
    ASSERT_TRUE(rows.load(tkp, 2));
    rows.append(person(0, 0, "Fehler"));
    rows.append(person(0, 0, "Gut"));
    sql("QXADRTKP", "CREATE TRIGGER injected BEFORE INSERT ON QXADRTKP WHEN NEW.NAME1 = 'Fehler' "
                    "BEGIN SELECT RAISE(ABORT, 'injected'); END");
    EXPECT_FALSE(rows.write(tkp, 2));
    EXPECT_TRUE(rows.rows()[1].pending);
    EXPECT_FALSE(rows.rows()[2].pending);
    sql("QXADRTKP", "DROP TRIGGER injected");
    ASSERT_TRUE(rows.write(tkp, 2));
    EXPECT_EQ(storedOf(2), (std::vector<std::string>{"Andere/1", "Gut/2", "Fehler/3"}));
}

} // namespace
} // namespace velkora::addresses
