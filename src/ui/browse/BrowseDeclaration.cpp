#include "ui/browse/BrowseDeclaration.h"

#include "shared/Pictures.h"

namespace velkora::browse {

layout::ListFormat designedFormat(const BrowseDeclaration& declaration) {
    layout::ListFormat designed =
        layout::parseListFormat(declaration.designFormat).value_or(layout::ListFormat{});
    const auto& columns = declaration.columns;
    for (std::size_t i = 0; i < designed.columns.size(); ++i) {
        const int field = designed.fieldOf(i);
        if (field >= 1 && field <= static_cast<int>(columns.size())) {
            const auto& column = columns[static_cast<std::size_t>(field - 1)];
            designed.columns[i].header = column.listHeader.empty() ? column.header : column.listHeader;
        }
    }
    return designed;
}

BrowseRow pictureRow(const std::vector<BrowseColumnDef>& columns, const BrowseSource& source) {
    BrowseRow row;
    row.cells.reserve(columns.size());
    for (const auto& column : columns) {
        BrowseCell cell;
        cell.text = formatValue(column.picture, source.field(column.field));
        row.cells.push_back(std::move(cell));
    }
    return row;
}

} // namespace velkora::browse
