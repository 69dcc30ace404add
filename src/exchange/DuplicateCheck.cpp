#include "exchange/DuplicateCheck.h"

#include "shared/Text.h"

#include <algorithm>

namespace velkora::exchange {
namespace {

constexpr std::size_t kProgressEvery = 1000;

// The first `chars` characters of the text in capitals, and how many there were.
std::size_t head(std::string_view text, std::size_t chars, DuplicateFinder::Head& out) {
    out = {};
    const std::string upper = upperText(leadingChars(clipped(text), chars));
    std::size_t n = 0;
    for (std::size_t i = 0; i < upper.size() && n < chars; ++n) {
        const auto lead = static_cast<unsigned char>(upper[i]);
        const std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t ch = len == 1 ? lead : lead & (0x3F >> (len - 1));
        for (std::size_t k = 1; k < len && i + k < upper.size(); ++k)
            ch = (ch << 6) | (static_cast<unsigned char>(upper[i + k]) & 0x3F);
        out[n] = ch;
        i += len;
    }
    return n;
}

} // namespace

int DuplicateFinder::load(data::File<data::Address>& adr, const ProgressCallback& progress) {
    entries_.clear();
    const auto total = static_cast<std::size_t>(std::max<std::int64_t>(adr.records(), 0));
    entries_.reserve(total);
    bool cancelled = false;
    const int code = adr.scan([&] {
        add(adr.rec.ADRNR, adr.rec.NAME1, adr.rec.NAME2, adr.rec.ORT, adr.rec.STRASSE);
        if (progress && entries_.size() % (10 * kProgressEvery) == 0)
            cancelled = !progress(total ? double(entries_.size()) / total : 1.0);
        return !cancelled;
    });
    ready();
    return cancelled ? data::RecordNotAvailable : code;
}

void DuplicateFinder::add(std::int32_t adrnr, std::string_view name1, std::string_view name2,
                          std::string_view place, std::string_view street) {
    Entry e;
    e.adrnr = adrnr;
    head(name1, 4, e.name);
    head(name2, 3, e.name2);
    head(place, 3, e.place);
    head(street, 3, e.street);
    entries_.push_back(e);
}

void DuplicateFinder::ready() {
    // Names first, then places: a row that gives its place finds its few
    // candidates by search instead of reading all of its name's.
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        if (a.name != b.name)
            return a.name < b.name;
        if (a.place != b.place)
            return a.place < b.place;
        return a.adrnr < b.adrnr;
    });
}

std::vector<std::int32_t> DuplicateFinder::find(std::string_view name1, std::string_view name2,
                                                std::string_view place, std::string_view street) const {
    Head name{}, n2{}, pl{}, st{};
    const std::size_t n = head(name1, 4, name);
    const bool givesName2 = head(name2, 3, n2) > 0;
    const bool givesPlace = head(place, 3, pl) > 0;
    const bool givesStreet = head(street, 3, st) > 0;
    std::vector<std::int32_t> found;
    if (n == 0)
        return found;
    // Addresses whose first n characters are the row's: from the name padded
    // with the smallest character to the name padded with the largest.
    Head high = name;
    for (std::size_t i = n; i < high.size(); ++i)
        high[i] = U'\U0010FFFF';
    auto begin = std::lower_bound(entries_.begin(), entries_.end(), name,
                                  [](const Entry& e, const Head& h) { return e.name < h; });
    auto end = std::upper_bound(begin, entries_.end(), high,
                                [](const Head& h, const Entry& e) { return h < e.name; });
    if (n == 4 && givesPlace) {
        auto byPlace = [](const Entry& e) { return e.place; };
        begin =
            std::lower_bound(begin, end, pl, [&](const Entry& e, const Head& p) { return byPlace(e) < p; });
        end = std::upper_bound(begin, end, pl, [&](const Head& p, const Entry& e) { return p < byPlace(e); });
    }
    for (auto e = begin; e != end; ++e) {
        if ((givesName2 && e->name2 != n2) || (givesPlace && e->place != pl) ||
            (givesStreet && e->street != st))
            continue;
        found.push_back(e->adrnr);
    }
    std::sort(found.begin(), found.end());
    return found;
}

CheckOutcome checkExchange(files::DbfTable& exchange, const DuplicateFinder& finder,
                           const ProgressCallback& progress) {
    CheckOutcome out;
    const std::vector<int> layout = exchangeLayout(exchange);
    const int markField = exchange.fieldIndex("ADRNR");
    exchange.rewind();
    files::DbfRecord record;
    files::FileError error;
    while (!(error = exchange.next(record))) {
        const std::uint32_t k = exchange.position();
        const ExchangeRow row = exchangeRow(layout, record);
        ++out.rowsChecked;
        const std::vector<std::int32_t> found =
            finder.find(row[ef::NAME1], row[ef::NAME2], row[ef::ORT], row[ef::STRASSE]);
        std::string mark;
        if (!found.empty()) {
            ++out.rowsWithDuplicates;
            for (const std::int32_t adrnr : found)
                out.duplicates.push_back({k, adrnr});
            mark = std::to_string(k);
        } else if (checkMarkOf(row[ef::ADRNR]) == CheckMark::Unchecked) {
            mark = "-1";
        }
        if (!mark.empty() && mark != row[ef::ADRNR]) {
            if (const files::FileError failed = exchange.writeField(k, markField, mark)) {
                out.done = false;
                out.problem = failed.text;
                return out;
            }
        }
        if (progress && out.rowsChecked % kProgressEvery == 0 &&
            !progress(exchange.count() ? double(k) / exchange.count() : 1.0)) {
            out.done = false;
            return out;
        }
    }
    if (error.code != files::kRecordNotAvailable) {
        out.done = false;
        out.problem = error.text;
    }
    return out;
}

} // namespace velkora::exchange
