#include "data/Tables.h"
#include "data/View.h"

#include <gtest/gtest.h>

namespace velkora::data {
namespace {

TEST(Schema, TablesHaveTheirLayoutsAndKeys) {
    const struct {
        const TableDef& table;
        std::size_t fields;
        std::size_t keys;
    } expected[] = {
        {Address::table(), 39, 8}, {ContactPerson::table(), 27, 6}, {Activity::table(), 23, 7},
        {Country::table(), 3, 1},  {Place::table(), 6, 4},          {Street::table(), 6, 2},
        {Industry::table(), 2, 1}, {Material::table(), 12, 2},      {MaterialSent::table(), 8, 4},
        {User::table(), 11, 2},    {Translation::table(), 7, 1},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(e.table.fields.size(), e.fields) << e.table.name;
        EXPECT_EQ(e.table.keys.size(), e.keys) << e.table.name;
    }
    EXPECT_EQ(ContactPerson::table().key("TKP:QXADRTK5"), nullptr);
    EXPECT_TRUE(ContactPerson::table().key("TKP:QXADRTK7")->optional);
    EXPECT_TRUE(Activity::table().key("QXADRAK7")->optional);
    EXPECT_TRUE(Activity::table().key("QXADRAK1")->parts[1].descending);
    EXPECT_EQ(Place::table().primaryKey().name, "QXADROR1");
    EXPECT_EQ(tableByName("ADR"), &Address::table());
    EXPECT_EQ(tableByName("qxtrl"), &Translation::table());
}

TEST(Schema, FieldsByPrefixedNameClipToTheirType) {
    Address adr;
    const TableDef& t = Address::table();
    EXPECT_EQ(t.fieldIndex("ADR:NAME1"), t.fieldIndex("name1"));
    EXPECT_EQ(t.fieldIndex("TKP:NAME1"), -1);
    setFieldText(t, &adr, t.fieldIndex("ADR:NAME1"), std::string(63, 'x') + "yz");
    EXPECT_EQ(adr.NAME1, std::string(63, 'x')); // CSTRING(64) holds 63
    setFieldText(t, &adr, t.fieldIndex("ADR:LD"), "DEUX ");
    EXPECT_EQ(adr.LD, "DEU"); // STRING(3), held without padding
    setFieldText(t, &adr, t.fieldIndex("ADR:ORT"), std::string(38, 'a') + "öü");
    EXPECT_EQ(adr.ORT, std::string(38, 'a') + "ö"); // characters, never half a character
    setFieldText(t, &adr, t.fieldIndex("ADR:ADRNR"), " 42abc");
    EXPECT_EQ(adr.ADRNR, 42);
    setFieldText(t, &adr, t.fieldIndex("ADR:STATUS"), "257");
    EXPECT_EQ(adr.STATUS, 1); // a BYTE keeps its low bits
    setFieldText(t, &adr, t.fieldIndex("ADR:MERKN"), "12.5");
    EXPECT_EQ(fieldText(t, &adr, t.fieldIndex("ADR:MERKN")), "12.5");
    EXPECT_EQ(fieldText(t, &adr, t.fieldIndex("ADR:ADRNR")), "42");
}

TEST(Schema, RecordCopiesOwnTheirRecord) {
    Address adr;
    adr.NAME1 = "Müller";
    RecordCopy copy(Address::table(), &adr);
    adr.NAME1 = "changed";
    RecordCopy moved = std::move(copy);
    RecordCopy assigned;
    assigned = moved;
    EXPECT_EQ(assigned.text("ADR:NAME1"), "Müller");
    EXPECT_EQ(moved.as<Address>().NAME1, "Müller");
}

TEST(Schema, OrdersParseFromListTextsAndKeys) {
    const TableDef& t = Address::table();
    std::vector<OrderPart> parts;
    ASSERT_TRUE(parseOrder(t, "-UPPER(ADR:LD), -UPPER(ADR:PLZ)", parts));
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_TRUE(parts[0].upper && parts[0].descending);
    EXPECT_EQ(parts[1].field, t.fieldIndex("PLZ"));
    ASSERT_TRUE(parseOrder(t, "ADR:EKONT", parts));
    EXPECT_FALSE(parts[0].upper || parts[0].descending);
    ASSERT_TRUE(parseOrder(t, "ADR:QXADRES3", parts));
    EXPECT_EQ(parts.size(), 3u);
    EXPECT_FALSE(parseOrder(t, "UPPER(ADR:NOPE)", parts));
    EXPECT_FALSE(parseOrder(t, "", parts));
}

} // namespace
} // namespace velkora::data
