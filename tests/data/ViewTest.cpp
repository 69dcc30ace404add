#include "data/View.h"

#include "DataFixture.h"
#include "shared/Text.h"

#include <random>
#include <set>

namespace velkora::data {
namespace {

using test::DataFixture;

class ViewTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        ASSERT_TRUE(OpenRecordFile(files().QXADRESS));
        std::mt19937 random(7);
        const char* names[] = {"Müller", "mueller", "Özdemir", "Zimmermann",
                               "Straße", "strasse", "Abel",    "äbel"};
        const char* places[] = {"Köln", "koeln", "Berlin", "Aachen", "Zwickau"};
        auto& adr = files().QXADRESS;
        for (int i = 1; i <= 120; ++i) {
            adr.clear();
            adr.rec.ADRNR = i;
            adr.rec.NAME1 = std::string(names[random() % 8]) + " " + std::to_string(random() % 5);
            adr.rec.NAME2 = names[random() % 8];
            adr.rec.ORT = places[random() % 5];
            adr.rec.LD = random() % 3 ? "D" : "a";
            adr.rec.PLZ = std::to_string(10000 + random() % 7);
            adr.rec.ADRART = static_cast<std::uint8_t>(random() % 4);
            adr.rec.EKONT = static_cast<std::int32_t>(random() % 4);
            ASSERT_EQ(adr.add(), NoError);
        }
    }

    // Compares two rows by an order the way the lists mean it.
    static int compare(const std::vector<OrderPart>& order, const RecordCopy& a, const RecordCopy& b) {
        for (const OrderPart& p : order) {
            const TableDef& t = *a.table();
            const FieldDef& f = t.fields[static_cast<std::size_t>(p.field)];
            int c = 0;
            if (f.isText()) {
                const std::string x = fieldText(t, a.data(), p.field), y = fieldText(t, b.data(), p.field);
                c = p.upper ? compareFolded(x, y) : x.compare(y);
            } else {
                const double x = std::stod(fieldText(t, a.data(), p.field)),
                             y = std::stod(fieldText(t, b.data(), p.field));
                c = x < y ? -1 : x > y ? 1 : 0;
            }
            c = c < 0 ? -1 : c > 0 ? 1 : 0;
            if (c != 0)
                return p.descending ? -c : c;
        }
        return 0;
    }

    // Reads the whole view page by page, forwards and backwards, and checks order and completeness.
    void checkOrder(const std::string& order) {
        SCOPED_TRACE(order);
        View view(files().QXADRESS);
        ASSERT_TRUE(view.setOrder(order));
        std::vector<ViewRow> rows = view.first(7);
        while (!rows.empty()) {
            auto more = view.after(rows.back(), 7);
            if (more.empty())
                break;
            for (auto& r : more)
                rows.push_back(std::move(r));
        }
        ASSERT_EQ(rows.size(), 120u);
        std::set<RecordPosition> seen;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            seen.insert(rows[i].position);
            if (i > 0) {
                ASSERT_LE(compare(view.order(), rows[i - 1].record, rows[i].record), 0) << i;
            }
        }
        EXPECT_EQ(seen.size(), 120u);
        // Backwards from the end gives the same rows in reverse.
        std::vector<ViewRow> back = view.last(5);
        while (back.size() < rows.size()) {
            auto more = view.before(back.back(), 9);
            if (more.empty())
                break;
            for (auto& r : more)
                back.push_back(std::move(r));
        }
        ASSERT_EQ(back.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(back[i].position, rows[rows.size() - 1 - i].position);
    }
};

using ViewOnEachStore = test::OnEachStore<ViewTest>;
VELKORA_ON_EACH_STORE(ViewOnEachStore);

TEST_P(ViewOnEachStore, EveryListOrderReadsCompletelyAndInOrder) {
    for (const char* order :
         {"UPPER(ADR:NAME1)", "-UPPER(ADR:NAME1)", "UPPER(ADR:LD), UPPER(ADR:PLZ)",
          "-UPPER(ADR:LD), -UPPER(ADR:PLZ)", "UPPER(ADR:ORT)", "-UPPER(ADR:ORT)", "UPPER(ADR:ADRART)",
          "-UPPER(ADR:ADRART)", "UPPER(ADR:NAME2)", "-UPPER(ADR:NAME2)", "ADR:EKONT", "-ADR:EKONT",
          "ADR:ADRNR", "ADR:NAME2", "UPPER(ADR:ORT), -ADR:ADRNR", "ADR:QXADRES2"})
        checkOrder(order);
}

TEST_F(ViewTest, AnOrderNoKeyServesGetsAnIndexOfItsOwnKeptInTheFile) {
    View view(files().QXADRESS);
    ASSERT_TRUE(view.setOrder("-UPPER(ADR:NAME2)"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file("QXADRESS.TPS").c_str(), &db), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master WHERE name = 'ORD__u_NAME2'", -1, &s, nullptr);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(s, 0), 1);
    sqlite3_finalize(s);
    sqlite3_close(db);
    // Such indexes are not part of the layout: the file still opens and checks.
    CloseRecordFile(files().QXADRESS);
    ASSERT_TRUE(OpenRecordFile(files().QXADRESS));
    EXPECT_EQ(files().QXADRESS.check(), NoError);
    // A rebuild by another station keeps them: this list goes on reading.
    File<Address> other;
    ASSERT_EQ(other.open(), NoError);
    ASSERT_EQ(other.rebuildKeys(), NoError);
    EXPECT_EQ(view.first(5).size(), 5u);
    EXPECT_EQ(view.error(), 0);
}

TEST_P(ViewOnEachStore, LocatingPositionsAtOrAfterTheGivenValues) {
    View view(files().QXADRESS);
    ASSERT_TRUE(view.setOrder("UPPER(ADR:NAME1)"));
    auto rows = view.from({std::string("n")}, 3);
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(startsWith(foldText(rows[0].record.text("ADR:NAME1")), "O"))
        << rows[0].record.text("ADR:NAME1");
    auto before = view.before(rows[0], 1);
    ASSERT_EQ(before.size(), 1u);
    EXPECT_TRUE(startsWith(foldText(before[0].record.text("ADR:NAME1")), "MULLER")); // ü sorts with u

    ASSERT_TRUE(view.setOrder("-UPPER(ADR:LD), -UPPER(ADR:PLZ)"));
    rows = view.from({std::string("D"), std::string("10003")}, 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].record.text("ADR:LD"), "D");
    EXPECT_LE(std::stoi(rows[0].record.text("ADR:PLZ")), 10003);

    ASSERT_TRUE(view.setOrder("-ADR:EKONT")); // no key serves it; equal values tie from the highest position
    rows = view.from({std::int64_t{2}}, 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].record.as<Address>().EKONT, 2);
    EXPECT_GT(rows[0].position, rows[1].position);
    EXPECT_EQ(view.before(rows[0], 1).at(0).record.as<Address>().EKONT, 3);

    ASSERT_TRUE(view.setOrder("-UPPER(ADR:LD), -UPPER(ADR:PLZ)"));
    rows = view.from({std::string("Z")}, 1); // beyond the end of a descending order: the first row
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].position, view.first(1)[0].position);
}

TEST_P(ViewOnEachStore, RangesFiltersAndRereadingARow) {
    View view(files().QXADRESS);
    ASSERT_TRUE(view.setOrder("UPPER(ADR:ORT)"));
    view.setRange({std::string("Kölner")});
    EXPECT_TRUE(view.first(10).empty());
    view.setRange({std::string("KOLN")}); // Köln, not koeln
    const auto cologne = view.first(200);
    ASSERT_FALSE(cologne.empty());
    for (const auto& r : cologne)
        EXPECT_EQ(foldText(r.record.text("ADR:ORT")), "KOLN");
    EXPECT_TRUE(view.after(cologne.back(), 5).empty());

    view.clearLimits();
    view.setFilter([](const RecordCopy& r) { return r.as<Address>().ADRNR % 10 == 0; });
    const auto tens = view.first(5);
    ASSERT_EQ(tens.size(), 5u);
    for (const auto& r : tens)
        EXPECT_EQ(r.record.as<Address>().ADRNR % 10, 0);
    const auto at = view.at(tens[2].position, 2);
    ASSERT_EQ(at.size(), 2u);
    EXPECT_EQ(at[1].position, tens[3].position);

    auto& adr = files().QXADRESS;
    ASSERT_EQ(adr.reget(tens[4].position), NoError);
    EXPECT_EQ(adr.rec.ADRNR, tens[4].record.as<Address>().ADRNR);
}

} // namespace
} // namespace velkora::data
