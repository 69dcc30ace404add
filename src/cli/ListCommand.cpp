// list: records of a table in the order of a key, from a position, the way
// the lists read them (the same view, page by page).

#include "cli/ArgumentValues.h"
#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "data/FileServices.h"
#include "data/View.h"
#include "shared/Text.h"

#include <charconv>

namespace velkora::cli {
namespace {

using data::RecordFile;
using data::View;
using data::ViewRow;

constexpr std::string_view kKey = "--key";
constexpr std::string_view kFrom = "--from";
constexpr std::string_view kBack = "--back";
constexpr std::string_view kCount = "--count";
constexpr std::string_view kFields = "--fields";
// Rows read at a time: a page of a list, large enough to keep reads few.
constexpr std::size_t kPage = 200;

struct ListRequest {
    RecordFile* file = nullptr;
    std::string order;
    std::vector<data::Value> from;
    bool back = false;
    std::size_t count = static_cast<std::size_t>(-1);
    std::vector<int> fields;
};

// A position value for a component of the order, typed as its field.
std::optional<data::Value> positionValue(const data::FieldDef& field, const std::string& text) {
    if (field.isText())
        return data::Value(text);
    if (field.type == data::FieldType::Real) {
        double number = 0;
        if (parseWhole(text, number))
            return data::Value(number);
        return std::nullopt;
    }
    std::int64_t number = 0;
    if (parseWhole(text, number))
        return data::Value(number);
    return std::nullopt;
}

std::optional<UsageProblem> readRequest(const ParsedArguments& args, ListRequest& request) {
    const std::string& tableName = args.positional.front();
    request.file = data::files().byName(tableName);
    if (!request.file)
        return UsageProblem{Msg::UnknownTable, tableName};
    const data::TableDef& table = request.file->table();

    request.order = args.value(kKey, table.primaryKey().name);
    std::vector<data::OrderPart> order;
    if (!data::parseOrder(table, request.order, order))
        return UsageProblem{Msg::UnknownOrder, request.order};

    if (args.has(kFrom)) {
        const auto values = splitAtCommas(args.value(kFrom));
        if (values.size() > order.size())
            return UsageProblem{Msg::TooManyValues, args.value(kFrom)};
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto value =
                positionValue(table.fields[static_cast<std::size_t>(order[i].field)], values[i]);
            if (!value)
                return UsageProblem{Msg::NotANumber, values[i]};
            request.from.push_back(*value);
        }
    }
    request.back = args.has(kBack);
    if (args.has(kCount) && !parseWhole(args.value(kCount), request.count))
        return UsageProblem{Msg::NotANumber, args.value(kCount)};

    if (args.has(kFields)) {
        for (const std::string& name : splitAtCommas(args.value(kFields))) {
            const int field = table.fieldIndex(trim(name));
            if (field < 0)
                return UsageProblem{Msg::UnknownField, name};
            request.fields.push_back(field);
        }
    } else {
        for (std::size_t i = 0; i < table.fields.size(); ++i)
            request.fields.push_back(static_cast<int>(i));
    }
    return std::nullopt;
}

std::optional<UsageProblem> checkRequest(const ParsedArguments& args) {
    ListRequest request;
    return readRequest(args, request);
}

// The first rows read backwards: from the last row at the position (or
// before it when no row has those values), or from the end.
std::vector<ViewRow> firstRowsBack(View& view, const ListRequest& request, std::size_t n) {
    if (request.from.empty())
        return view.last(n);
    View same(*request.file);
    same.setOrder(request.order);
    same.setRange(request.from);
    std::vector<ViewRow> rows = same.last(1);
    if (!rows.empty()) {
        if (n > 1)
            for (ViewRow& row : view.before(rows.front(), n - 1))
                rows.push_back(std::move(row));
        return rows;
    }
    const std::vector<ViewRow> after = view.from(request.from, 1);
    return after.empty() ? view.last(n) : view.before(after.front(), n);
}

void writeRows(const Invocation& call, const ListRequest& request, const std::vector<ViewRow>& rows,
               std::size_t limit) {
    const data::TableDef& table = request.file->table();
    std::vector<std::string> line(request.fields.size());
    for (std::size_t r = 0; r < rows.size() && r < limit; ++r) {
        for (std::size_t i = 0; i < request.fields.size(); ++i)
            line[i] = data::fieldText(table, rows[r].record.data(), request.fields[i]);
        writeTabRow(call.out, line);
    }
}

int list(const Invocation& call) {
    ListRequest request;
    readRequest(call.arguments, request);
    RecordFile& file = *request.file;
    const data::TableDef& table = file.table();
    if (!data::OpenRecordFile(file))
        return kFailed;
    std::vector<std::string> header;
    for (int field : request.fields)
        header.push_back(table.prefixedName(field));
    writeTabRow(call.out, header);

    View view(file);
    view.setOrder(request.order);
    std::size_t left = request.count;
    std::vector<ViewRow> rows = request.back           ? firstRowsBack(view, request, std::min(left, kPage))
                                : request.from.empty() ? view.first(std::min(left, kPage))
                                                       : view.from(request.from, std::min(left, kPage));
    while (!rows.empty() && left > 0) {
        writeRows(call, request, rows, left);
        left -= std::min(left, rows.size());
        if (left == 0)
            break;
        rows = request.back ? view.before(rows.back(), std::min(left, kPage))
                            : view.after(rows.back(), std::min(left, kPage));
    }
    const int error = view.error();
    const std::string problem = error ? data::errorText() : std::string();
    data::CloseRecordFile(file);
    if (error)
        return call.failed(problem + " (" + std::to_string(error) + ")");
    return kSuccess;
}

} // namespace

CommandSpec listCommand() {
    using Kind = OptionSpec::Kind;
    return {"list",
            Msg::ListSummary,
            Msg::ListHelp,
            {{kKey, Kind::Value},
             {kFrom, Kind::Value},
             {kBack, Kind::Flag},
             {kCount, Kind::Value},
             {kFields, Kind::Value}},
            1,
            1,
            list,
            checkRequest};
}

} // namespace velkora::cli
