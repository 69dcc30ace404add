#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "data/files/DbfTable.h"
#include "shared/Text.h"

namespace velkora::cli {
namespace {

using files::DbfField;
using files::DbfTable;
using files::DbfType;

// Values as a spreadsheet shows them: no padding, memo text as written.
std::string shownValue(const DbfField& field, const std::string& stored) {
    switch (field.type) {
    case DbfType::Character:
        return clip(stored);
    case DbfType::Memo:
        return stored;
    default:
        return trim(stored);
    }
}

void printFieldList(const Invocation& call, const DbfTable& table) {
    writeCsvRow(call.out, {"NAME", "TYPE", "WIDTH", "DECIMALS"});
    for (const DbfField& field : table.fields())
        writeCsvRow(call.out, {field.name, std::string(1, static_cast<char>(field.type)),
                               std::to_string(field.width), std::to_string(field.decimals)});
}

int printDbf(const Invocation& call) {
    const std::string name = call.callerPath(call.arguments.positional.front());
    DbfTable table;
    if (const files::FileError error = table.open(name, DbfTable::Access::Read))
        return call.failed(call.tr(Msg::DbfOpenFailed, {error.text, std::to_string(error.code)}));
    if (call.arguments.has("--info")) {
        printFieldList(call, table);
        return kSuccess;
    }
    std::vector<std::string> row;
    for (const DbfField& field : table.fields())
        row.push_back(field.name);
    writeCsvRow(call.out, row);
    files::DbfRecord record;
    files::FileError error;
    while (!(error = table.next(record))) {
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = shownValue(table.fields()[i], record.values[i]);
        writeCsvRow(call.out, row);
    }
    if (error.code != files::kRecordNotAvailable)
        return call.failed(call.tr(Msg::DbfReadFailed, {error.text, std::to_string(error.code)}));
    return kSuccess;
}

} // namespace

CommandSpec dbfCommand() {
    return {"dbf", Msg::DbfSummary, Msg::DbfHelp, {{"--info", OptionSpec::Kind::Flag}}, 1, 1, printDbf};
}

} // namespace velkora::cli
