#pragma once
// SQL run on a record file through a connection of its own: what another
// station does to the file while a window holds it open.

#include <QtTest>
#include <sqlite3.h>
#include <string>

namespace velkora::test {

inline void sqlOfOtherStation(const std::string& file, const std::string& statement) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, statement.c_str(), nullptr, nullptr, &message);
    const std::string error = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, error.c_str());
}

} // namespace velkora::test
