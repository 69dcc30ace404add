#include "data/Backend.h"

#include "data/postgres/ServerFile.h"
#include "data/sqlite/SqliteFile.h"

namespace velkora::data {

bool isServerAddress(std::string_view path) {
    return path.starts_with("postgresql:") || path.starts_with("postgres:");
}

std::unique_ptr<FileBackend> makeBackend(const TableDef& table, bool onServer) {
    return onServer ? postgres::makeServerFile(table) : sqlite::makeSqliteFile(table);
}

int beginTransaction(const std::vector<FileBackend*>& files, int timeoutMs,
                     std::unique_ptr<TransactionBackend>& out) {
    const bool onServer = !files.empty() && files.front()->onServer();
    for (const FileBackend* f : files)
        if (f->onServer() != onServer) {
            setCurrentError({FileSystemError, {}, 0, "a transaction cannot span a server and files", {}, {}});
            return FileSystemError;
        }
    return onServer ? postgres::beginServerTransaction(files, timeoutMs, out)
                    : sqlite::beginSqliteTransaction(files, timeoutMs, out);
}

} // namespace velkora::data
