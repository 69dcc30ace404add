#pragma once
// A connection to the database server, with the record layer's reading of
// its failures. Statements are sent with text parameters and read as text.

#include <libpq-fe.h>
#include <memory>
#include <string>
#include <vector>

namespace velkora::data::postgres {

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

class Session {
public:
    Session() = default;
    ~Session() { close(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Connects with libpq's own rules (service file, password file); false
    // with the server's reason in failure().
    bool connect(const std::string& conninfo);
    void close();
    bool isOpen() const { return conn_ != nullptr; }
    const std::string& failure() const { return failure_; }
    const std::string& conninfo() const { return conninfo_; }

    Result run(const std::string& sql, const std::vector<std::string>& params = {});
    // Several statements without parameters; true when all ran.
    bool runAll(const std::string& sql);
    // Inside a transaction a failed statement must not end it: it is undone alone.
    Result runGuarded(const std::string& sql, const std::vector<std::string>& params, bool inTransaction);
    PGconn* handle() const { return conn_; }

private:
    PGconn* conn_ = nullptr;
    std::string conninfo_;
    std::string failure_;
};

bool succeeded(const PGresult* r);
// The record layer's error for a failed statement (sets the current error).
int reportServerError(const PGresult* r, PGconn* conn, const std::string& file, std::string key = {});
std::string quoted(std::string_view name);
// The connection part of a server address "postgresql://...#TABLE".
std::string conninfoOf(const std::string& address);

} // namespace velkora::data::postgres
