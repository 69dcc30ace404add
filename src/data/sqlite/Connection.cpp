#include "data/sqlite/Connection.h"

#include "shared/Text.h"

#include <cstring>

namespace velkora::data::sqlite {

namespace {

// SQLite's text of a failure, with the system's reason where a file operation failed.
std::string describe(int rc, sqlite3* db) {
    std::string text = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    switch (rc & 0xFF) {
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_FULL:
    case SQLITE_READONLY:
    case SQLITE_PERM:
        if (const int osError = db ? sqlite3_system_errno(db) : 0; osError != 0)
            text += std::string(": ") + std::strerror(osError);
        break;
    default:
        break;
    }
    return text;
}

} // namespace

Connection::~Connection() {
    close();
}

int Connection::open(const std::string& path, bool create) {
    close();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    openFailure_.clear();
    if (rc != SQLITE_OK) {
        openFailure_ = describe(rc, db_);
        sqlite3_close(db_);
        db_ = nullptr;
        return rc;
    }
    sqlite3_extended_result_codes(db_, 1);
    registerFoldFunction(db_);
    return SQLITE_OK;
}

void Connection::close() {
    forgetStatements();
    if (db_)
        sqlite3_close(db_);
    db_ = nullptr;
}

void Connection::setBusyTimeout(int ms) {
    if (db_)
        sqlite3_busy_timeout(db_, ms);
}

int Connection::exec(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

sqlite3_stmt* Connection::statement(const std::string& sql) {
    auto found = statements_.find(sql);
    if (found != statements_.end())
        return found->second;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &s,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        return nullptr;
    }
    statements_.emplace(sql, s);
    return s;
}

void Connection::forgetStatements() {
    for (auto& [sql, s] : statements_)
        sqlite3_finalize(s);
    statements_.clear();
}

int reportSqliteError(int rc, sqlite3* db, const std::string& file, std::string_view text) {
    CurrentError error;
    error.file = file;
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        error.code = FileLocked;
        break;
    case SQLITE_CORRUPT:
        error.code = InvalidKeyFile;
        break;
    case SQLITE_NOTADB:
        error.code = InvalidRecordDeclaration;
        break;
    default:
        error.code = FileSystemError;
        error.fileSystemCode = rc;
        error.fileSystemText = text.empty() ? describe(rc, db) : std::string(text);
        break;
    }
    const int code = error.code;
    setCurrentError(std::move(error));
    return code;
}

void registerFoldFunction(sqlite3* db) {
    sqlite3_create_function(
        db, "fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
        [](sqlite3_context* context, int, sqlite3_value** args) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
            const std::string folded = text ? clip(foldText(text)) : std::string();
            sqlite3_result_text(context, folded.c_str(), static_cast<int>(folded.size()), SQLITE_TRANSIENT);
        },
        nullptr, nullptr);
}

std::string quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

} // namespace velkora::data::sqlite
