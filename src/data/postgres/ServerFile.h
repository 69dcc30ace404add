#pragma once
// Record files on a database server (PostgreSQL): a data path that is a
// connection string ("postgresql:///velkora?service=office") puts every
// table of the workspace into that database.

#include "data/Backend.h"

namespace velkora::data::postgres {

std::unique_ptr<FileBackend> makeServerFile(const TableDef& table);
int beginServerTransaction(const std::vector<FileBackend*>& files, int timeoutMs,
                           std::unique_ptr<TransactionBackend>& out);

} // namespace velkora::data::postgres
