// What the address form fills in for a postal code.

#include "addresses/PostalLookup.h"

#include "DataFixture.h"

namespace velkora::addresses {
namespace {

class PostalLookupTest : public test::DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        auto& f = data::files();
        ASSERT_TRUE(data::OpenRecordFile(f.QXADRORT));
        ASSERT_TRUE(data::OpenRecordFile(f.QXADRSTR));
        f.QXADRORT.clear();
        f.QXADRORT.rec = {"D", "50667", "", "Köln", "0221", "K1"};
        ASSERT_EQ(f.QXADRORT.add(), data::NoError);
        f.QXADRSTR.clear();
        // A large customer's own code: one street of Köln.
        f.QXADRSTR.rec = {"D", "50600", "Domkloster", "1", "9", "K1"};
        ASSERT_EQ(f.QXADRSTR.add(), data::NoError);
        f.QXADRSTR.clear();
        f.QXADRSTR.rec = {"D", "99999", "Nirgendwo", "", "", "K9"}; // its place has gone
        ASSERT_EQ(f.QXADRSTR.add(), data::NoError);
    }
    void TearDown() override {
        data::CloseRecordFile(data::files().QXADRORT);
        data::CloseRecordFile(data::files().QXADRSTR);
        DataFixture::TearDown();
    }
};

TEST_F(PostalLookupTest, PlaceStreetOrNothing) {
    const PostalPlace place = lookUpPostalCode("D", "50667");
    EXPECT_EQ(place.place, "Köln");
    EXPECT_EQ(place.street, "");
    const PostalPlace street = lookUpPostalCode("D", "50600");
    EXPECT_EQ(street.place, "Köln");
    EXPECT_EQ(street.street, "Domkloster");
    for (const char* plz : {"99999", "12345"}) {
        const PostalPlace none = lookUpPostalCode("D", plz);
        EXPECT_EQ(none.place, "") << plz;
        EXPECT_EQ(none.street, "") << plz;
    }
    EXPECT_EQ(lookUpPostalCode("A", "50667").place, "");
}

} // namespace
} // namespace velkora::addresses
