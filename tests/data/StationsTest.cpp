// Several workstations on one data folder: other connections and other processes.
#include "DataFixture.h"
#include "data/View.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace velkora::data {
namespace {

using test::DataFixture;

class StationsTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        ASSERT_TRUE(OpenRecordFile(files().QXADRESS));
        auto& adr = files().QXADRESS;
        adr.clear();
        adr.rec.ADRNR = 1;
        adr.rec.NAME1 = "Original";
        ASSERT_EQ(adr.add(), NoError);
        adr.rec.ADRNR = 1;
        ASSERT_EQ(adr.get(*Address::table().key("QXADRES1")), NoError);
        SnapLinkingFields(adr);
    }

    // Runs `child` in another process and waits for it; true when it exited with 0.
    template <class Child> static bool inOtherProcess(Child child) {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(child() ? 0 : 1);
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    enum class Ending { Exits, Dies };
    // Another program runs `sql` on the address file and holds what it locked
    // for three seconds, then exits or is killed. Returns its process id once
    // the SQL ran (0 when it failed).
    pid_t holdAddressFileElsewhere(const char* sql, Ending ending) {
        int ready[2];
        if (::pipe(ready) != 0)
            return 0;
        const std::string file = dir.file("QXADRESS.TPS");
        const pid_t pid = ::fork();
        if (pid == 0) {
            sqlite3* db = nullptr;
            sqlite3_open(file.c_str(), &db);
            const char signal = sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? '1' : '0';
            (void)!::write(ready[1], &signal, 1);
            ::sleep(3);
            if (ending == Ending::Dies)
                ::raise(SIGKILL);
            ::_exit(0);
        }
        char signal = 0;
        const bool ran = ::read(ready[0], &signal, 1) == 1 && signal == '1';
        ::close(ready[0]);
        ::close(ready[1]);
        return ran ? pid : 0;
    }

    static bool saveElsewhere(const char* name) {
        File<Address> other;
        other.rec.ADRNR = 1;
        if (other.open() != NoError || other.get(*Address::table().key("QXADRES1")) != NoError)
            return false;
        other.rec.NAME1 = name;
        return other.put() == NoError;
    }
};

using StationsOnEachStore = test::OnEachStore<StationsTest>;
VELKORA_ON_EACH_STORE(StationsOnEachStore);

TEST_P(StationsOnEachStore, ASaveAfterAnotherStationSavedGetsResult2AndTheirVersion) {
    ASSERT_TRUE(saveElsewhere("Station B"));
    auto& adr = files().QXADRESS;
    adr.rec.NAME1 = "Station A";
    EXPECT_EQ(UpdateWithIntegrity(adr, true), 2);
    EXPECT_EQ(prompts.last().text, "This record was changed by another station.");
    EXPECT_EQ(prompts.last().caption, "Update Operation Error");
    EXPECT_EQ(adr.rec.NAME1, "Station B");
    // With the other version loaded, the next save goes through.
    adr.rec.NAME1 = "Station A again";
    EXPECT_EQ(UpdateWithIntegrity(adr, false), 0);
}

TEST_P(StationsOnEachStore, AnotherProcessSavingFirstMakesOurSaveReport2) {
    ASSERT_TRUE(inOtherProcess([] { return saveElsewhere("Process B"); }));
    auto& adr = files().QXADRESS;
    adr.rec.NAME1 = "Process A";
    EXPECT_EQ(UpdateWithIntegrity(adr, false), 2);
    EXPECT_EQ(prompts.last().text, "This record was changed by another station.");
    EXPECT_EQ(adr.rec.NAME1, "Process B");
}

TEST_F(StationsTest, ATransactionThatCannotStartIn2SecondsChangesNothing) {
    // Another program holds the file for writing for three seconds.
    const pid_t pid = holdAddressFileElsewhere("BEGIN IMMEDIATE", Ending::Exits);
    ASSERT_GT(pid, 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(DeleteWithIntegrity(files().QXADRESS), 1);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(1900));
    EXPECT_LT(waited, std::chrono::milliseconds(2900));
    EXPECT_TRUE(prompts.last().text.starts_with("Delete : QXADRESS|")) << prompts.last().text;
    EXPECT_EQ(prompts.last().caption, "Transaction Framing Error");
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(files().QXADRESS.records(), 1);
    for (const TableDef* t : allTables())
        EXPECT_EQ(files().byName(t->name)->openCount(), t->name == "QXADRESS" ? 1 : 0) << t->name;
}

TEST_F(StationsTest, OpeningWaitsForAProgramThatDiedHoldingTheFileAndUndoesItsWrites) {
    CloseRecordFile(files().QXADRESS);
    // Another program writes so much in a transaction that it reaches the file
    // itself, keeps everyone out, and dies.
    const pid_t pid = holdAddressFileElsewhere(
        "PRAGMA cache_size = 2; BEGIN EXCLUSIVE; "
        "WITH RECURSIVE n(x) AS (SELECT 100 UNION ALL SELECT x + 1 FROM n WHERE x < 3000) "
        "INSERT INTO QXADRESS (ADRNR, NAME1, _u_NAME1) SELECT x, 'halb', 'HALB' FROM n",
        Ending::Dies);
    ASSERT_GT(pid, 0);
    const auto start = std::chrono::steady_clock::now();
    // The first try gives up after 2 seconds; the second waits up to 10 ("Recover=10").
    EXPECT_TRUE(OpenRecordFile(files().QXADRESS));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2900));
    ::waitpid(pid, nullptr, 0);
    EXPECT_TRUE(prompts.texts().empty());
    auto& adr = files().QXADRESS;
    EXPECT_EQ(adr.records(), 1);
    EXPECT_EQ(adr.check(), NoError) << errorText();
    adr.rec.ADRNR = 1;
    ASSERT_EQ(adr.get(*Address::table().key("QXADRES1")), NoError);
    EXPECT_EQ(adr.rec.NAME1, "Original");
}

TEST_P(StationsOnEachStore, AnOpenListNeverKeepsAnotherStationFromWriting) {
    auto& adr = files().QXADRESS;
    for (int i = 2; i <= 40; ++i) {
        adr.clear();
        adr.rec.ADRNR = i;
        ASSERT_EQ(adr.add(), NoError);
    }
    View list(adr);
    ASSERT_TRUE(list.setOrder("ADR:QXADRES1"));
    const auto page = list.first(10);
    ASSERT_EQ(page.size(), 10u);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(inOtherProcess([] { return saveElsewhere("while listed"); }));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_EQ(list.after(page.back(), 10).size(), 10u);
}

// Stations starting at one moment on a data folder without files: each
// opens every file, so one creates what the others find half-made.
class FirstStartTest : public DataFixture {
protected:
    static constexpr int kRounds = 20;
    static constexpr int kStations = 4;

    // A station: waits for the start, opens every file; exits 0 when all opened.
    [[noreturn]] void station(int start) {
        char ignored;
        while (::read(start, &ignored, 1) > 0) {
        }
        for (const TableDef* table : allTables())
            if (!OpenRecordFile(*files().byName(table->name)) || applicationEnded()) {
                for (const Prompt& prompt : prompts.prompts())
                    std::fprintf(stderr, "%s: %s\n", prompt.caption.c_str(), prompt.text.c_str());
                ::_exit(1);
            }
        ::_exit(0);
    }
};

TEST_F(FirstStartTest, StationsOpeningMissingFilesAtOnceAllGoOn) {
    int failed = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::string folder = dir.file("round" + std::to_string(round));
        std::filesystem::create_directories(folder);
        appState().DATAPATH = folder;
        appState().INITPATH = folder;
        appState().TRLFILE = folder + "/ORB";
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<pid_t> stations;
        for (int i = 0; i < kStations; ++i) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                ::close(start[1]);
                station(start[0]);
            }
            stations.push_back(pid);
        }
        ::close(start[0]);
        ::close(start[1]); // all stations start now
        for (const pid_t pid : stations) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
                ++failed;
        }
    }
    EXPECT_EQ(failed, 0) << "of " << kRounds * kStations << " stations";
}

} // namespace
} // namespace velkora::data
