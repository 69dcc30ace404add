// The mailing-list selection: one compiled address condition evaluated for
// every address. Target: at least 2 million evaluations per second.

#include "data/expr/Evaluator.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace velkora::expr;

struct Address {
    std::uint8_t status;
    std::string name1;
    std::string merkm; // STRING(16)
    std::string plz;   // STRING(8)
};

// The current row of a table, as the data layer's record buffer offers it.
class AddressBuffer : public FieldSource {
public:
    const Address* row = nullptr;

    std::size_t fieldCount() const override { return 4; }
    std::string_view fieldName(std::size_t index) const override {
        static constexpr std::string_view names[] = {"ADR:STATUS", "ADR:NAME1", "ADR:MERKM", "ADR:PLZ"};
        return names[index];
    }
    FieldValue fieldValue(std::size_t index) const override {
        switch (index) {
        case 0:
            return FieldValue::ofNumber(row->status);
        case 1:
            return FieldValue::ofText(row->name1);
        case 2:
            return FieldValue::ofText(row->merkm);
        default:
            return FieldValue::ofText(row->plz);
        }
    }
};

std::vector<Address> makeAddresses(std::size_t count) {
    std::mt19937 random(7);
    static const char* const names[] = {"Müller GmbH",
                                        "Schmidt & Söhne KG",
                                        "Bäckerei Weber",
                                        "Autohaus Fischer",
                                        "Zahnarztpraxis Dr. Wagner",
                                        "Becker Elektrotechnik",
                                        "Hoffmann",
                                        "Schäfer Gartenbau GmbH & Co. KG"};
    std::vector<Address> addresses(count);
    for (Address& address : addresses) {
        address.status = static_cast<std::uint8_t>(random() % 6);
        address.name1 = names[random() % 8];
        address.merkm.assign(16, '0');
        for (char& flag : address.merkm)
            flag = random() % 2 ? '1' : '0';
        address.plz = std::to_string(10000 + random() % 90000) + "   ";
    }
    return addresses;
}

void BM_AddressCondition(benchmark::State& state) {
    static const std::vector<Address> addresses = makeAddresses(1000000);
    AddressBuffer buffer;
    Evaluator evaluator;
    evaluator.bindRecord(buffer);
    const Expression condition("ADR:STATUS >= '1' AND ADR:STATUS <= '3'"
                               " AND ADR:NAME1 >= 'B' AND ADR:NAME1 <= 'S'"
                               " AND ADR:PLZ >= '20000' AND ADR:PLZ <= '79999'"
                               " AND (ADR:MERKM[2] = '1' AND ADR:MERKM[5] = '1')");
    std::size_t selected = 0;
    for (auto _ : state) {
        for (const Address& address : addresses) {
            buffer.row = &address;
            selected += evaluator.evaluate(condition) == "1";
        }
    }
    benchmark::DoNotOptimize(selected);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * addresses.size()));
    state.counters["selected"] = static_cast<double>(selected) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AddressCondition)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
