#include "data/View.h"

#include "data/Backend.h"
#include "shared/Text.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace velkora::data {

namespace {

// Rows filtered out are read past in batches of at least this many.
constexpr std::size_t kFilterBatch = 64;

bool parsePart(const TableDef& table, std::string_view text, OrderPart& part) {
    std::string t = trim(text);
    part.descending = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        part.descending = t.front() == '-';
        t = trim(t.substr(1));
    }
    part.upper = false;
    if (t.size() > 7 && equalsIgnoreCase(t.substr(0, 6), "UPPER(") && t.back() == ')') {
        part.upper = true;
        t = trim(t.substr(6, t.size() - 7));
    }
    part.field = table.fieldIndex(t);
    return part.field >= 0;
}

struct ScratchRecord {
    explicit ScratchRecord(const TableDef& t) : table(t), data(t.ops.create()) {}
    ~ScratchRecord() { table.ops.destroy(data); }
    ScratchRecord(const ScratchRecord&) = delete;
    ScratchRecord& operator=(const ScratchRecord&) = delete;
    const TableDef& table;
    void* data;
};

} // namespace

bool parseOrder(const TableDef& table, std::string_view order, std::vector<OrderPart>& parts) {
    if (const KeyDef* key = table.key(order)) {
        parts.clear();
        for (const KeyPart& k : key->parts)
            parts.push_back(
                {k.field, table.fields[static_cast<std::size_t>(k.field)].isText(), k.descending});
        return true;
    }
    std::vector<OrderPart> parsed;
    std::size_t start = 0;
    while (start <= order.size()) {
        const auto comma = order.find(',', start);
        const auto piece =
            order.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        OrderPart part;
        if (!parsePart(table, piece, part))
            return false;
        parsed.push_back(part);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (parsed.empty())
        return false;
    parts = std::move(parsed);
    return true;
}

View::View(RecordFile& file) : file_(file) {}
View::~View() = default;

bool View::setOrder(std::string_view order) {
    std::vector<OrderPart> parts;
    if (!parseOrder(file_.table(), order, parts))
        return false;
    const TableDef& table = file_.table();
    key_ = table.key(order);
    std::vector<SortPart> sort;
    bool positionDescending = false;
    if (key_) {
        sort = keySortParts(table, *key_);
    } else {
        for (const OrderPart& p : parts)
            sort.push_back(
                {p.field, p.upper && table.fields[static_cast<std::size_t>(p.field)].isText(), p.descending});
        ServedOrder served = file_.backend()->serveOrder(sort);
        if (served.parts.empty()) {
            error_ = errorCode();
            return false;
        }
        sort = std::move(served.parts);
        positionDescending = served.positionDescending;
    }
    order_ = std::move(parts);
    effective_ = std::move(sort);
    positionDescending_ = positionDescending;
    error_ = 0;
    return true;
}

void View::setRange(std::vector<Value> leadingValues) {
    range_ = std::move(leadingValues);
}

void View::setFilter(std::function<bool(const RecordCopy&)> accept) {
    filter_ = std::move(accept);
}

void View::clearLimits() {
    range_.clear();
    filter_ = nullptr;
}

std::vector<Value> View::stored(const std::vector<Value>& values) const {
    std::vector<Value> out;
    for (std::size_t i = 0; i < values.size() && i < effective_.size(); ++i)
        out.push_back(storedValue(file_.table(), effective_[i], values[i]));
    return out;
}

std::vector<ViewRow> View::read(OrderedRead request, std::size_t n) {
    std::vector<ViewRow> rows;
    error_ = 0;
    if (effective_.empty() || n == 0)
        return rows;
    request.parts = effective_;
    request.positionDescending = positionDescending_;
    request.key = key_;
    request.range = stored(range_);
    ScratchRecord scratch(file_.table());
    while (rows.size() < n) {
        const std::size_t batch = filter_ ? std::max(n - rows.size(), kFilterBatch) : n - rows.size();
        std::size_t fetched = 0;
        ViewKey last;
        const int code = file_.backend()->read(request, batch, scratch.data, [&](const RowInfo& row) {
            ++fetched;
            last = {row.sortValues, row.position};
            RecordCopy copy(file_.table(), scratch.data);
            if (!filter_ || filter_(copy))
                rows.push_back({row.position, std::move(copy), last});
            return rows.size() < n;
        });
        if (code != NoError) {
            error_ = code;
            break;
        }
        if (fetched < batch || rows.size() >= n)
            break;
        request.hasStart = true;
        request.start = last.values;
        request.startRow = last.row;
        request.inclusive = false;
    }
    return rows;
}

std::vector<ViewRow> View::first(std::size_t n) {
    return read({}, n);
}

std::vector<ViewRow> View::last(std::size_t n) {
    OrderedRead request;
    request.forward = false;
    return read(request, n);
}

std::vector<ViewRow> View::from(const std::vector<Value>& leadingValues, std::size_t n) {
    if (leadingValues.size() <= range_.size())
        return first(n);
    OrderedRead request;
    request.hasStart = true;
    request.inclusive = true;
    request.start = stored(leadingValues);
    // With every component given, equal rows begin at the first position in reading order.
    request.startRow = positionDescending_ ? std::numeric_limits<std::int64_t>::max() : 0;
    return read(request, n);
}

std::vector<ViewRow> View::at(RecordPosition position, std::size_t n) {
    error_ = 0;
    if (effective_.empty())
        return {};
    ScratchRecord scratch(file_.table());
    std::int64_t version = 0;
    if (const int code = file_.backend()->readPosition(position, scratch.data, version); code != NoError) {
        if (code != RecordNotFound)
            error_ = code;
        return {};
    }
    OrderedRead request;
    request.hasStart = true;
    request.inclusive = true;
    request.start = sortValuesOf(file_.table(), effective_, scratch.data);
    request.startRow = position;
    auto rows = read(request, n);
    if (!rows.empty() && rows.front().position != position)
        return {}; // outside the view's range or filter
    return rows;
}

std::vector<ViewRow> View::after(const ViewRow& row, std::size_t n) {
    OrderedRead request;
    request.hasStart = true;
    request.start = row.key.values;
    request.startRow = row.key.row;
    return read(request, n);
}

std::vector<ViewRow> View::before(const ViewRow& row, std::size_t n) {
    OrderedRead request;
    request.hasStart = true;
    request.start = row.key.values;
    request.startRow = row.key.row;
    request.forward = false;
    return read(request, n);
}

} // namespace velkora::data
