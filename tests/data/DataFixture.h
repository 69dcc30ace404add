#pragma once
// A fresh data store for each test: paths in a temporary folder, the
// process-wide files closed, a scripted prompter and an observable end.

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "data/FileServices.h"
#include "data/StandardWarnings.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"

#include <functional>
#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <string>
#include <unistd.h>
#include <vector>

#ifndef VELKORA_TEST_SERVER_DIR
#define VELKORA_TEST_SERVER_DIR "" // suites of other programs use files only
#endif

namespace velkora::test {

// Every write commits and flushes the disk; on a memory file system the many
// small commits of these tests cost no flush, so they stay fast.
inline const bool kTempInMemory = [] {
    if (::access("/dev/shm", W_OK) == 0)
        ::setenv("TMPDIR", "/dev/shm", 0);
    return true;
}();

inline void closeAllFiles() {
    for (const data::TableDef* t : data::allTables()) {
        data::RecordFile* f = data::files().byName(t->name);
        f->close();
        f->setOpenCount(0);
        f->clear();
    }
}

// Where the data path of a test lies: a folder, or the test database server
// (started by tests/data/postgres/start-server.sh, each test in a schema of its own).
enum class Store { Files, Server };

inline std::string PrintToString(Store store) {
    return store == Store::Server ? "Server" : "Files";
}

class DataFixture : public ::testing::Test {
protected:
    virtual bool onServer() const { return false; }

    void SetUp() override {
        resetAppState();
        appState().DATAPATH = onServer() ? freshServerSchema() : dir.str();
        appState().INITPATH = dir.str();
        appState().WORKPATH = dir.str();
        appState().TRLFILE = dir.file("ORB");
        resetApplicationEnded();
        setApplicationEndHandler([](std::string_view) {});
        closeAllFiles();
        data::clearCurrentError();
    }
    void TearDown() override {
        closeAllFiles();
        setApplicationEndHandler(nullptr);
    }

    // Runs SQL on a table's file with a connection of its own (a peer, or
    // damage); returns the first column of the rows it gives.
    std::vector<std::string> sql(const std::string& table, const std::string& statement) {
        if (onServer())
            return serverSql(appState().DATAPATH, statement);
        std::vector<std::string> rows;
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(dir.file(table + ".TPS").c_str(), &db), SQLITE_OK);
        char* message = nullptr;
        const int rc = sqlite3_exec(
            db, statement.c_str(),
            [](void* out, int, char** values, char**) {
                static_cast<std::vector<std::string>*>(out)->emplace_back(values[0] ? values[0] : "");
                return 0;
            },
            &rows, &message);
        EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "");
        sqlite3_free(message);
        sqlite3_close(db);
        return rows;
    }

    static std::vector<std::string> serverSql(const std::string& conninfo, const std::string& statement) {
        std::vector<std::string> rows;
        PGconn* conn = PQconnectdb(conninfo.c_str());
        if (PQstatus(conn) != CONNECTION_OK) {
            ADD_FAILURE() << "test database server not reachable (" << VELKORA_TEST_SERVER_DIR
                          << ", started by the ctest fixture): " << PQerrorMessage(conn);
            PQfinish(conn);
            return rows;
        }
        PQsetNoticeProcessor(
            conn, [](void*, const char*) {}, nullptr);
        PGresult* r = PQexec(conn, statement.c_str());
        EXPECT_TRUE(PQresultStatus(r) == PGRES_COMMAND_OK || PQresultStatus(r) == PGRES_TUPLES_OK)
            << PQresultErrorMessage(r);
        for (int i = 0; i < PQntuples(r); ++i)
            rows.emplace_back(PQgetvalue(r, i, 0));
        PQclear(r);
        PQfinish(conn);
        return rows;
    }

    // An empty schema named after the test, and the data path that reaches it.
    static std::string freshServerSchema() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        char name[32];
        std::snprintf(name, sizeof name, "t%016zx",
                      std::hash<std::string>{}(std::string(info->test_suite_name()) + "." + info->name()));
        const std::string server =
            std::string("postgresql://velkora@/velkora?host=") + VELKORA_TEST_SERVER_DIR;
        serverSql(server, std::string("DROP SCHEMA IF EXISTS ") + name + " CASCADE; CREATE SCHEMA " + name);
        return server + "&options=-csearch_path%3D" + name;
    }

    TempDir dir;
    ScriptedPrompter prompts;
};

// A suite run once on files and once on the server.
template <class Fixture> class OnEachStore : public Fixture, public ::testing::WithParamInterface<Store> {
protected:
    bool onServer() const override { return this->GetParam() == Store::Server; }
};

#define VELKORA_ON_EACH_STORE(suite)                                                                         \
    INSTANTIATE_TEST_SUITE_P(Stores, suite, ::testing::Values(test::Store::Files, test::Store::Server),      \
                             [](const auto& info) { return test::PrintToString(info.param); })

} // namespace velkora::test
