#include "ui/browse/BrowseDeclaration.h"

#include "shared/Pictures.h"

namespace velkora::browse {

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
