#pragma once
// A view for lists: one file read in an order, optionally limited to a range
// of its leading components or by a filter, page by page. Each read is
// finished before it returns (no lock is held between pages), and every
// order is served by an index, so a page costs the same at any file size.
//
//   View v(files().QXADRESS);
//   v.setOrder("-UPPER(ADR:LD), -UPPER(ADR:PLZ)");   // or a key: "ADR:QXADRES2"
//   auto page = v.from({std::string("D"), std::string("10115")}, 30);
//   auto more = v.after(page.back(), 30);
//   auto up   = v.before(page.front(), 30);           // nearest first
//   files().QXADRESS.reget(page[3].position);         // the selected row into the buffer
//
// Order text: components separated by ",", each a field name, optionally in
// UPPER( ) (case-insensitive) and optionally preceded by "-" (descending).

#include "data/Backend.h"
#include "data/RecordFile.h"
#include "data/Schema.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::data {

struct OrderPart {
    int field = 0;
    bool upper = false; // case-insensitive (text fields)
    bool descending = false;
};

// Parses an order text or a key name; false for an unknown field or key.
bool parseOrder(const TableDef& table, std::string_view order, std::vector<OrderPart>& parts);

// Where a row stands in the view's order (opaque to callers).
struct ViewKey {
    std::vector<Value> values;
    RecordPosition row = 0;
};

struct ViewRow {
    RecordPosition position = 0;
    RecordCopy record;
    ViewKey key;
};

class View {
public:
    explicit View(RecordFile& file);
    ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // The order; false (order unchanged) when the text names an unknown field.
    bool setOrder(std::string_view order);
    const std::vector<OrderPart>& order() const { return order_; }
    // Only rows whose leading order components equal these values.
    void setRange(std::vector<Value> leadingValues);
    // Only rows the predicate accepts (evaluated on each row read).
    void setFilter(std::function<bool(const RecordCopy&)> accept);
    void clearLimits();

    // Reads at most n rows in view order from the start, or from the end
    // (nearest to the end first).
    std::vector<ViewRow> first(std::size_t n);
    std::vector<ViewRow> last(std::size_t n);
    // Reads from the first row whose leading components are at or after these
    // values in view order (fewer values than components: a partial position).
    std::vector<ViewRow> from(const std::vector<Value>& leadingValues, std::size_t n);
    // Reads from the record at `position` (then onwards); empty when it is gone
    // or outside the view.
    std::vector<ViewRow> at(RecordPosition position, std::size_t n);
    // Reads the rows after / before a row read earlier (before: nearest first).
    std::vector<ViewRow> after(const ViewRow& row, std::size_t n);
    std::vector<ViewRow> before(const ViewRow& row, std::size_t n);

    // 0, or the error of the last read that failed (not end of view).
    int error() const { return error_; }

private:
    std::vector<ViewRow> read(OrderedRead request, std::size_t n);
    std::vector<Value> stored(const std::vector<Value>& values) const;

    RecordFile& file_;
    std::vector<OrderPart> order_;
    const KeyDef* key_ = nullptr;     // the order was given as this key
    std::vector<SortPart> effective_; // the order as read (the serving key's full order)
    bool positionDescending_ = false;
    std::vector<Value> range_;
    std::function<bool(const RecordCopy&)> filter_;
    int error_ = 0;
};

} // namespace velkora::data
