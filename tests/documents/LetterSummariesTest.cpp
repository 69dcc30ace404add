#include "documents/LetterSummaries.h"

#include <gtest/gtest.h>

namespace velkora::documents {
namespace {

TEST(LetterSummaries, JoinTheAddressAndContactParts) {
    data::Address adr;
    adr.NAME1 = "Lindner Unternehmensberatung  ";
    adr.LD = "D";
    adr.PLZ = "80333";
    adr.ORT = "München";
    adr.STRASSE = "Brienner Straße 12";
    EXPECT_EQ(addressSummary(adr), "Lindner Unternehmensberatung, D 80333 München, Brienner Straße 12");
    adr.NAME2 = "Werk 2";
    adr.NAME0 = "Firma";
    EXPECT_EQ(addressSummary(adr),
              "Lindner Unternehmensberatung Werk 2, Firma, D 80333 München, Brienner Straße 12");

    data::ContactPerson tkp;
    tkp.NAME1 = "Schulz";
    tkp.NAME2 = "Jürgen";
    EXPECT_EQ(contactSummary(tkp), "Schulz Jürgen");
    tkp.NAME0 = "Herr";
    EXPECT_EQ(contactSummary(tkp), "Herr, Schulz Jürgen");
}

} // namespace
} // namespace velkora::documents
