#pragma once
// A fresh data store for each test: paths in a temporary folder, the
// process-wide files closed, a scripted prompter and an observable end.

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "data/FileServices.h"
#include "data/StandardWarnings.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <string>
#include <unistd.h>
#include <vector>

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

class DataFixture : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        appState().DATAPATH = dir.str();
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

    TempDir dir;
    ScriptedPrompter prompts;
};

} // namespace velkora::test
