// Stations sharing one data store, on files and on the server: changes seen
// by the others, waits that end with "locked", and a station killed in the
// middle of a transaction.
#include "DataFixture.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace velkora::data {
namespace {

class StoresTest : public test::OnEachStore<test::DataFixture> {
protected:
    void SetUp() override {
        OnEachStore::SetUp();
        for (RecordFile* f : {static_cast<RecordFile*>(&adr), static_cast<RecordFile*>(&tkp)}) {
            ASSERT_EQ(f->create(), NoError) << errorText() << " " << currentError().fileSystemText;
            ASSERT_EQ(f->open(), NoError) << errorText() << " " << currentError().fileSystemText;
        }
    }

    // Another program begins a transaction over the address and contact
    // files, adds to both and then waits; returns once it has written.
    pid_t writeElsewhereAndWait() {
        if (::pipe(ready_) != 0 || ::pipe(release_) != 0)
            return 0;
        const pid_t pid = ::fork();
        if (pid == 0) {
            File<Address> a;
            File<ContactPerson> t;
            Transaction tx;
            bool ok = a.open() == NoError && t.open() == NoError && tx.begin({&a, &t}) == NoError;
            a.rec.ADRNR = 7;
            t.rec.ADRNR = 7;
            t.rec.TKPNR = 1;
            ok = ok && a.add() == NoError && t.add() == NoError;
            const char signal = ok ? '1' : '0';
            (void)!::write(ready_[1], &signal, 1);
            char ignored = 0;
            (void)!::read(release_[0], &ignored, 1);
            ::_exit(tx.commit() == NoError ? 0 : 1);
        }
        char signal = 0;
        const bool wrote = ::read(ready_[0], &signal, 1) == 1 && signal == '1';
        return wrote ? pid : 0;
    }
    void release(pid_t pid, bool kill) {
        if (kill)
            ::kill(pid, SIGKILL);
        else
            (void)!::write(release_[1], "x", 1);
        int status = 0;
        ::waitpid(pid, &status, 0);
    }

    File<Address> adr;
    File<ContactPerson> tkp;
    int ready_[2] = {-1, -1};
    int release_[2] = {-1, -1};
};
VELKORA_ON_EACH_STORE(StoresTest);

TEST_P(StoresTest, AWriteOfAnotherStationIsSeenAndAnOlderCopyIsRefused) {
    adr.rec.ADRNR = 1;
    adr.rec.NAME1 = "Müller";
    ASSERT_EQ(adr.add(), NoError);
    File<Address> other;
    ASSERT_EQ(other.open(), NoError);
    other.rec.NAME1 = "MUELLER";
    other.rec.ADRNR = 1;
    ASSERT_EQ(other.get(*Address::table().key("QXADRES1")), NoError);
    EXPECT_EQ(other.rec.NAME1, "Müller");
    other.rec.NAME1 = "Meier";
    ASSERT_EQ(other.put(), NoError);
    adr.rec.NAME1 = "Schulz";
    EXPECT_EQ(adr.put(), RecordChanged);
    EXPECT_EQ(errorText(), "Record Changed By Another Station");
    EXPECT_EQ(adr.erase(), RecordChanged);
    ASSERT_EQ(adr.reget(adr.position()), NoError);
    EXPECT_EQ(adr.rec.NAME1, "Meier");
    EXPECT_EQ(adr.erase(), NoError);
    EXPECT_EQ(other.erase(), RecordNotFound);
}

TEST_P(StoresTest, PositionsOfDeletedRecordsAreNotGivenAgain) {
    adr.rec.ADRNR = 1;
    ASSERT_EQ(adr.add(), NoError);
    const RecordPosition first = adr.position();
    ASSERT_EQ(adr.erase(), NoError);
    adr.rec.ADRNR = 2;
    ASSERT_EQ(adr.add(), NoError);
    EXPECT_GT(adr.position(), first);
}

TEST_P(StoresTest, ATransactionOfAnotherStationMakesOursWaitAndGiveUpWith32) {
    const pid_t pid = writeElsewhereAndWait();
    ASSERT_NE(pid, 0);
    Transaction tx;
    EXPECT_EQ(tx.begin({&adr}, 100), FileLocked);
    EXPECT_EQ(errorText(), "File Is Already Locked");
    EXPECT_EQ(adr.records(), 0); // its rows are not seen before its commit
    release(pid, false);
    EXPECT_EQ(adr.records(), 1);
    EXPECT_EQ(tx.begin({&adr, &tkp}, 100), NoError);
}

TEST_P(StoresTest, AStationKilledInATransactionLeavesNothingHalfWritten) {
    const pid_t pid = writeElsewhereAndWait();
    ASSERT_NE(pid, 0);
    release(pid, true);
    adr.close();
    tkp.close();
    ASSERT_EQ(adr.open(), NoError);
    ASSERT_EQ(tkp.open(), NoError);
    EXPECT_EQ(adr.records(), 0);
    EXPECT_EQ(tkp.records(), 0);
    Transaction tx;
    EXPECT_EQ(tx.begin({&adr, &tkp}, 100), NoError);
}

TEST_P(StoresTest, ADuplicateKeyNamesTheKeyAndLeavesTheTransactionUsable) {
    adr.rec.ADRNR = 1;
    ASSERT_EQ(adr.add(), NoError);
    Transaction tx;
    ASSERT_EQ(tx.begin({&adr}), NoError);
    EXPECT_EQ(adr.add(), DuplicateKeyError);
    EXPECT_EQ(errorKey(), "ADR:QXADRES1");
    adr.rec.ADRNR = 2;
    EXPECT_EQ(adr.add(), NoError);
    EXPECT_EQ(tx.commit(), NoError);
    EXPECT_EQ(adr.records(), 2);
}

// Damage only a foreign program can do on the server: found and repaired as with files.
class ServerKeysTest : public test::DataFixture {
protected:
    bool onServer() const override { return true; }
};

TEST_F(ServerKeysTest, AMissingKeyIsReportedAndRebuilt) {
    File<Address> adr;
    ASSERT_EQ(adr.create(), NoError) << currentError().fileSystemText;
    sql("QXADRESS", "DROP INDEX \"QXADRESS_QXADRES2\"");
    EXPECT_EQ(adr.open(), InvalidKeyFile);
    EXPECT_EQ(adr.rebuildKeys(), NoError) << currentError().fileSystemText;
    EXPECT_EQ(adr.open(), NoError);
    EXPECT_EQ(adr.check(), NoError);
}

TEST_F(ServerKeysTest, KeyValuesChangedBehindTheDriverAreFoundAndRebuilt) {
    File<Address> adr;
    ASSERT_EQ(adr.create(), NoError) << currentError().fileSystemText;
    ASSERT_EQ(adr.open(), NoError);
    adr.rec.ADRNR = 1;
    adr.rec.NAME1 = "Müller";
    ASSERT_EQ(adr.add(), NoError);
    sql("QXADRESS", "UPDATE \"QXADRESS\" SET \"NAME1\" = 'Schulz'");
    EXPECT_EQ(adr.check(), InvalidKeyFile);
    EXPECT_EQ(errorText(), "1 records with stale key values\n");
    adr.close();
    ASSERT_EQ(adr.rebuildKeys(), NoError) << currentError().fileSystemText;
    ASSERT_EQ(adr.open(), NoError);
    EXPECT_EQ(adr.check(), NoError);
    adr.clear();
    adr.rec.NAME1 = "SCHULZ";
    adr.set(*Address::table().key("QXADRES2"), true);
    ASSERT_EQ(adr.next(), NoError);
    EXPECT_EQ(adr.rec.NAME1, "Schulz");
}

} // namespace
} // namespace velkora::data
