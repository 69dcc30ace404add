// Which materials the catalogue offers on a given day.

#include "reference/Materials.h"

#include <gtest/gtest.h>

namespace velkora::reference {
namespace {

data::Material material(std::uint8_t obsolete, std::int32_t validUntil) {
    data::Material m;
    m.PRID = "PROSPEKT";
    m.OBSLT = obsolete;
    m.VDATE = validUntil;
    return m;
}

TEST(MaterialsTest, OffersCurrentMaterialOnly) {
    const std::int32_t today = 80000;
    EXPECT_TRUE(materialOffered(material(0, 0), today));          // no date: always
    EXPECT_TRUE(materialOffered(material(0, today), today));      // its last day
    EXPECT_FALSE(materialOffered(material(0, today - 1), today)); // ran out yesterday
    EXPECT_FALSE(materialOffered(material(1, 0), today));
    EXPECT_FALSE(materialOffered(material(1, today + 10), today));
}

} // namespace
} // namespace velkora::reference
