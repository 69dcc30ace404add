#pragma once
// A SQLite connection with its prepared statements (kept for reuse, always
// reset after use so that no read holds a lock between calls).

#include "data/Errors.h"

#include <map>
#include <sqlite3.h>
#include <string>

namespace velkora::data::sqlite {

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing file read-write (SQLite codes).
    int open(const std::string& path, bool create);
    // Why the last open failed, with the system's reason ("... : No such file or directory").
    const std::string& openFailure() const { return openFailure_; }
    void close();
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_; }

    void setBusyTimeout(int ms);
    int exec(const std::string& sql);
    // The cached statement for `sql`, reset and with bindings cleared; nullptr on a prepare error.
    sqlite3_stmt* statement(const std::string& sql);
    // Drops cached statements (after a schema change).
    void forgetStatements();

private:
    sqlite3* db_ = nullptr;
    std::string openFailure_;
    std::map<std::string, sqlite3_stmt*> statements_;
};

// Resets a statement when it goes out of scope, so its lock is released at once.
class StatementUse {
public:
    explicit StatementUse(sqlite3_stmt* s) : s_(s) {}
    ~StatementUse() {
        if (s_) {
            sqlite3_reset(s_);
            sqlite3_clear_bindings(s_);
        }
    }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

private:
    sqlite3_stmt* s_;
};

// A statement prepared for one use and finalized when it goes out of scope,
// for texts too varied to keep (an update of just the columns that changed).
class OneOffStatement {
public:
    OneOffStatement(sqlite3* db, const std::string& sql) {
        sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &s_, nullptr);
    }
    ~OneOffStatement() { sqlite3_finalize(s_); }
    OneOffStatement(const OneOffStatement&) = delete;
    OneOffStatement& operator=(const OneOffStatement&) = delete;
    sqlite3_stmt* get() const { return s_; }

private:
    sqlite3_stmt* s_ = nullptr;
};

// The record layer's error for a SQLite result code on `db` (sets the current
// error); `text` describes it when there is no connection to ask.
int reportSqliteError(int rc, sqlite3* db, const std::string& file, std::string_view text = {});

// "fold" registered on a connection: the case-insensitive key of a text.
void registerFoldFunction(sqlite3* db);

std::string quoted(std::string_view name);

} // namespace velkora::data::sqlite
