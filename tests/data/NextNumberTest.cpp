#include "DataFixture.h"

namespace velkora::data {
namespace {

using test::DataFixture;

class NextNumberTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        for (const char* t : {"QXADRESS", "QXADRTKP", "QXADRAKT", "QXAKTATM"})
            ASSERT_TRUE(OpenRecordFile(*files().byName(t)));
    }
    void addAddresses(std::initializer_list<std::int32_t> numbers) {
        auto& adr = files().QXADRESS;
        for (std::int32_t n : numbers) {
            adr.clear();
            adr.rec.ADRNR = n;
            ASSERT_EQ(adr.add(), NoError);
        }
    }
    std::int32_t nextAddress() { return NextNumber(files().QXADRESS, "ADR:QXADRES1", "ADR:ADRNR", ""); }
    std::int32_t nextContact(std::int32_t adr) {
        files().QXADRTKP.rec.ADRNR = adr;
        return NextNumber(files().QXADRTKP, "TKP:QXADRTK1", "TKP:TKPNR",
                          "TKP:ADRNR = " + std::to_string(adr));
    }
};

using NextNumberOnEachStore = test::OnEachStore<NextNumberTest>;
VELKORA_ON_EACH_STORE(NextNumberOnEachStore);

TEST_P(NextNumberOnEachStore, FirstNumbersAreOne) {
    EXPECT_EQ(nextAddress(), 1);
    EXPECT_EQ(NextNumber(files().QXADRAKT, "AKT:QXADRAK6", "AKT:AKTID", ""), 1);
    EXPECT_EQ(NextNumber(files().QXAKTATM, "ATA:QXAKTAT1", "ATA:RECID", ""), 1);
    EXPECT_EQ(nextContact(1), 1);
    addAddresses({1, 2, 7});
    EXPECT_EQ(nextAddress(), 8); // the highest plus one, gaps below 9999 stay
}

TEST_P(NextNumberOnEachStore, ContactsAreNumberedWithinTheirAddress) {
    auto& tkp = files().QXADRTKP;
    for (auto [adr, nr] : {std::pair{5, 1}, {5, 2}, {4, 7}, {9, 1}}) {
        tkp.clear();
        tkp.rec.ADRNR = adr;
        tkp.rec.TKPNR = nr;
        ASSERT_EQ(tkp.add(), NoError);
    }
    EXPECT_EQ(nextContact(5), 3);
    EXPECT_EQ(nextContact(4), 8);
    EXPECT_EQ(nextContact(6), 1); // the record found belongs to address 5
    EXPECT_EQ(nextContact(1), 1); // nothing before it at all
    EXPECT_EQ(nextContact(10), 1);
}

TEST_P(NextNumberOnEachStore, FromNineThousandNineHundredNinetyNineTheSmallestFreeNumberIsTaken) {
    addAddresses({1, 2, 3, 5, 9998});
    EXPECT_EQ(nextAddress(), 4);
    addAddresses({4});
    EXPECT_EQ(nextAddress(), 6);
}

TEST_P(NextNumberOnEachStore, WithoutAFreeNumberBelowTheHighestPlusOneIsTaken) {
    auto& adr = files().QXADRESS;
    ASSERT_EQ(adr.beginBulkLoad(), NoError);
    for (std::int32_t n = 0; n <= 10000; ++n) { // 0 is no number; it never counts as one
        adr.clear();
        adr.rec.ADRNR = n;
        ASSERT_EQ(adr.add(), NoError);
    }
    ASSERT_EQ(adr.endBulkLoad(), NoError);
    EXPECT_EQ(nextAddress(), 10001);
    adr.rec.ADRNR = 700;
    ASSERT_EQ(adr.get(*Address::table().key("QXADRES1")), NoError);
    ASSERT_EQ(adr.erase(), NoError);
    EXPECT_EQ(nextAddress(), 700);
}

TEST_P(NextNumberOnEachStore, TheCallersBufferIsLeftAsItWas) {
    addAddresses({3});
    auto& adr = files().QXADRESS;
    adr.clear();
    adr.rec.NAME1 = "typed by the user";
    adr.rec.ADRNR = 99;
    EXPECT_EQ(nextAddress(), 4);
    EXPECT_EQ(adr.rec.NAME1, "typed by the user");
    EXPECT_EQ(adr.rec.ADRNR, 99);
}

} // namespace
} // namespace velkora::data
