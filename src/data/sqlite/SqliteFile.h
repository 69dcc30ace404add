#pragma once
// Record files as SQLite files, one per table, in a folder.

#include "data/Backend.h"

namespace velkora::data::sqlite {

std::unique_ptr<FileBackend> makeSqliteFile(const TableDef& table);
int beginSqliteTransaction(const std::vector<FileBackend*>& files, int timeoutMs,
                           std::unique_ptr<TransactionBackend>& out);

} // namespace velkora::data::sqlite
