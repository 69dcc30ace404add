#include "data/postgres/Session.h"

#include "data/Errors.h"

#include <cstring>

namespace velkora::data::postgres {

bool Session::connect(const std::string& conninfo) {
    close();
    conninfo_ = conninfo;
    conn_ = PQconnectdb(conninfo.c_str());
    if (PQstatus(conn_) != CONNECTION_OK) {
        failure_ = PQerrorMessage(conn_);
        while (!failure_.empty() && failure_.back() == '\n')
            failure_.pop_back();
        PQfinish(conn_);
        conn_ = nullptr;
        return false;
    }
    failure_.clear();
    // Notices (an index name shortened, a table already there) are not the user's business.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
    return true;
}

void Session::close() {
    if (conn_)
        PQfinish(conn_);
    conn_ = nullptr;
}

Result Session::run(const std::string& sql, const std::vector<std::string>& params) {
    std::vector<const char*> values;
    values.reserve(params.size());
    for (const std::string& p : params)
        values.push_back(p.c_str());
    return Result(PQexecParams(conn_, sql.c_str(), static_cast<int>(values.size()), nullptr, values.data(),
                               nullptr, nullptr, 0),
                  &PQclear);
}

bool Session::runAll(const std::string& sql) {
    const Result r(PQexec(conn_, sql.c_str()), &PQclear);
    return succeeded(r.get());
}

Result Session::runGuarded(const std::string& sql, const std::vector<std::string>& params,
                           bool inTransaction) {
    if (!inTransaction)
        return run(sql, params);
    runAll("SAVEPOINT velkora_write");
    Result r = run(sql, params);
    runAll(succeeded(r.get()) ? "RELEASE SAVEPOINT velkora_write" : "ROLLBACK TO SAVEPOINT velkora_write");
    return r;
}

bool succeeded(const PGresult* r) {
    const auto status = PQresultStatus(r);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_COPY_IN;
}

int reportServerError(const PGresult* r, PGconn* conn, const std::string& file, std::string key) {
    const char* state = r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
    const std::string sqlState = state ? state : "";
    CurrentError error;
    error.file = file;
    if (sqlState == "55P03" || sqlState == "40P01" || sqlState == "57014" || sqlState == "40001") {
        error.code = FileLocked; // lock time-out, deadlock, cancelled wait
    } else if (sqlState == "23505") {
        error.code = DuplicateKeyError;
        error.key = std::move(key);
    } else if (sqlState == "42P01") {
        error.code = FileNotFound;
    } else {
        error.code = FileSystemError;
        std::string text = r ? PQresultErrorMessage(r) : "";
        if (text.empty() && conn)
            text = PQerrorMessage(conn);
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        error.fileSystemText = sqlState.empty() ? text : sqlState + ": " + text;
    }
    const int code = error.code;
    setCurrentError(std::move(error));
    return code;
}

std::string quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

std::string conninfoOf(const std::string& address) {
    const auto hash = address.rfind('#');
    return hash == std::string::npos ? address : address.substr(0, hash);
}

} // namespace velkora::data::postgres
