#pragma once
// Checks that sorting a list by any of its columns, either way, reads an index
// its file has had since it was made: a sort that first had to make an index
// would read the whole file and keep other stations from writing meanwhile.

#include "data/FileServices.h"
#include "data/View.h"
#include "ui/browse/BrowseDeclaration.h"

#include <QStringList>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace velkora::test {

// The names of the indexes in a record file, read by a connection of its own.
inline std::vector<std::string> indexNames(const data::RecordFile& file) {
    std::vector<std::string> names;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.diskName().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name", -1, &s,
                           nullptr);
        while (s && sqlite3_step(s) == SQLITE_ROW)
            names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    return names;
}

// The column orders of the list that are not served by an index the file already has.
inline QStringList sortsWithoutIndex(const browse::BrowseDeclaration& list, data::RecordFile& file) {
    QStringList unserved;
    if (!data::OpenRecordFile(file))
        return {"cannot open " + QString::fromStdString(file.diskName())};
    for (const browse::BrowseColumnDef& column : list.columns)
        for (const bool descending : {false, true}) {
            const std::string order = browse::sortOrder(column, descending, list.sortMappings).expression;
            const auto before = indexNames(file);
            data::View view(file);
            if (!view.setOrder(order) || indexNames(file) != before)
                unserved << QString::fromStdString(order);
        }
    data::CloseRecordFile(file);
    return unserved;
}

} // namespace velkora::test
