// Where the place lists start for an address, and what a selected place or
// street hands over, on real record files.

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "data/FileServices.h"
#include "reference/PlacePositions.h"
#include "reference/PostalPick.h"
#include "shared/AppState.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::reference;

namespace {

class PlaceData : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        std::filesystem::create_directories(dir.file("DATA"));
        appState().DATAPATH = dir.file("DATA");
        ASSERT_TRUE(data::OpenRecordFile(places()));
        ASSERT_TRUE(data::OpenRecordFile(streets()));
        place("D", "10115", "Berlin", "B001");
        place("D", "80331", "München", "M001");
        place("D", "80331", "München-Altstadt", "");
        place("D", "99998", "Ohnekey", "");
        place("DK", "1050", "København", "K001");
        street("D", "10117", "Friedrichstraße", "B001");
        street("D", "12345", "Verwaiste Gasse", "X999");
    }
    void TearDown() override {
        data::CloseRecordFile(streets());
        data::CloseRecordFile(places());
    }
    static data::File<data::Place>& places() { return data::files().QXADRORT; }
    static data::File<data::Street>& streets() { return data::files().QXADRSTR; }
    void place(const char* ld, const char* plz, const char* ort, const char* okey) {
        places().clear();
        places().rec = {ld, plz, "", ort, "", okey};
        ASSERT_EQ(places().add(), 0);
    }
    void street(const char* ld, const char* plz, const char* name, const char* okey) {
        streets().clear();
        streets().rec = {ld, plz, name, "", "", okey};
        ASSERT_EQ(streets().add(), 0);
    }
    // The place name stored at a position.
    static std::string placeAt(data::RecordPosition position) {
        if (position == 0 || places().reget(position) != 0)
            return "(none)";
        return places().rec.ORT;
    }
    static std::string streetAt(data::RecordPosition position) {
        if (position == 0 || streets().reget(position) != 0)
            return "(none)";
        return streets().rec.STRASSE;
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
};

TEST_F(PlaceData, PostalCodeFindsTheFirstPlaceAtOrAfterIt) {
    EXPECT_EQ(placeAt(placeAtPostalCode("D", "80331")), "München");
    EXPECT_EQ(placeAt(placeAtPostalCode("d", "8")), "München"); // keys ignore case
    EXPECT_EQ(placeAt(placeAtPostalCode("D", "99999")), "København");
    EXPECT_EQ(placeAt(placeAtPostalCode("ZZ", "1")), "(none)");
}

TEST_F(PlaceData, NameFindsTheFirstPlaceAtOrAfterItIgnoringCase) {
    EXPECT_EQ(placeAt(placeAtName("münchen")), "München");
    EXPECT_EQ(placeAt(placeAtName("Mü")), "München");
    EXPECT_EQ(placeAt(placeAtName("o")), "Ohnekey");
    EXPECT_EQ(placeAt(placeAtName("zz")), "(none)");
}

TEST_F(PlaceData, WithStreetsAStreetsOwnPostalCodeLeadsToItsPlace) {
    const PlaceStart start = placeWithStreetsAt("D", "10117");
    EXPECT_EQ(placeAt(start.place), "Berlin");
    EXPECT_EQ(streetAt(start.street), "Friedrichstraße");
}

TEST_F(PlaceData, WithStreetsWithoutSuchAStreetThePostalCodeFindsThePlace) {
    const PlaceStart start = placeWithStreetsAt("D", "80331");
    EXPECT_EQ(placeAt(start.place), "München");
    EXPECT_EQ(start.street, 0);
    // A street whose place key names no place: the postal code decides.
    const PlaceStart orphan = placeWithStreetsAt("D", "12345");
    EXPECT_EQ(placeAt(orphan.place), "München");
    EXPECT_EQ(orphan.street, 0);
}

TEST(PostalPick, AStreetWithItsOwnPostalCodeHandsCodeAndName) {
    const data::Place berlin{"D", "10115", "", "Berlin", "030", "B001"};
    const data::Street own{"D", "10117", "Friedrichstraße", "1", "99", "B001"};
    const PostalPick pick = pickPlaceWithStreet(berlin, &own);
    EXPECT_EQ(pick.LD, "D");
    EXPECT_EQ(pick.PLZ, "10117");
    EXPECT_EQ(pick.ORT, "Berlin");
    EXPECT_EQ(pick.STRASSE, "Friedrichstraße");
}

TEST(PostalPick, AStreetWithAShortCodeOrNoStreetHandsThePlace) {
    const data::Place place{"D", "80331", "", "München", "089", "M001"};
    for (const char* shortCode : {"", "2", "12", "12  "}) {
        const data::Street section{"D", shortCode, "Kaufingerstraße", "", "", "M001"};
        const PostalPick pick = pickPlaceWithStreet(place, &section);
        EXPECT_EQ(pick.PLZ, "80331") << shortCode;
        EXPECT_EQ(pick.STRASSE, "") << shortCode;
    }
    const PostalPick none = pickPlaceWithStreet(place, nullptr);
    EXPECT_EQ(none.PLZ, "80331");
    EXPECT_EQ(none.ORT, "München");
    EXPECT_EQ(pickPlace(place).STRASSE, "");
}

} // namespace
