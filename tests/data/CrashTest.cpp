// A program killed at any moment during cascade deletes and key changes
// leaves every file whole and no dependant record without its address.
#include "DataFixture.h"
#include "data/View.h"

#include <map>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velkora::data {
namespace {

using test::DataFixture;

constexpr int kAddresses = 150;
constexpr int kKills = 40;

class CrashTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        openAll();
        auto& adr = files().QXADRESS;
        auto& akt = files().QXADRAKT;
        auto& tkp = files().QXADRTKP;
        auto& ata = files().QXAKTATM;
        std::int32_t activity = 0, row = 0;
        for (std::int32_t a = 1; a <= kAddresses; ++a) {
            adr.clear();
            adr.rec.ADRNR = a;
            adr.rec.NAME1 = "Adresse " + std::to_string(a);
            ASSERT_EQ(adr.add(), NoError);
            for (std::int32_t k = 1; k <= 2; ++k) {
                tkp.clear();
                tkp.rec.ADRNR = a;
                tkp.rec.TKPNR = k;
                ASSERT_EQ(tkp.add(), NoError);
                akt.clear();
                akt.rec.AKTID = ++activity;
                akt.rec.ADRNR = a;
                ASSERT_EQ(akt.add(), NoError);
                for (std::int32_t m = 0; m < 2; ++m) {
                    ata.clear();
                    ata.rec.RECID = ++row;
                    ata.rec.ADRNR = a;
                    ata.rec.AKTID = m == 0 ? activity : 0; // one row of the activity, one of the address
                    ata.rec.PRID = "PROSPEKT";
                    ASSERT_EQ(ata.add(), NoError);
                }
            }
        }
        test::closeAllFiles();
    }

    static void openAll() {
        for (const char* t : {"QXADRESS", "QXADRAKT", "QXADRTKP", "QXAKTATM"})
            ASSERT_TRUE(OpenRecordFile(*files().byName(t)));
    }

    // The child: deletes and renumbers addresses until it is killed, telling
    // the parent through `progress` after each operation.
    [[noreturn]] static void work(unsigned seed, int progress) {
        std::mt19937 random(seed);
        for (const char* t : {"QXADRESS", "QXADRAKT", "QXADRTKP", "QXAKTATM"})
            if (!OpenRecordFile(*files().byName(t)))
                ::_exit(2);
        auto& adr = files().QXADRESS;
        const KeyDef& key = *Address::table().key("QXADRES1");
        for (int step = 0; step < 5000; ++step) {
            adr.rec.ADRNR = static_cast<std::int32_t>(random() % (kAddresses * 2) + 1);
            adr.set(key, true);
            if (adr.next() != NoError)
                continue;
            if (random() % 2 == 0) {
                DeleteWithIntegrity(adr);
            } else {
                SnapLinkingFields(adr);
                adr.rec.ADRNR = NextNumber(adr, "ADR:QXADRES1", "ADR:ADRNR", "");
                UpdateWithIntegrity(adr, false);
            }
            (void)!::write(progress, "o", 1);
        }
        ::_exit(0);
    }

    // How many records of `file` carry each value of `field`.
    std::map<std::int64_t, int> numbers(RecordFile& file, const char* field) {
        std::map<std::int64_t, int> out;
        View all(file);
        EXPECT_TRUE(all.setOrder(file.table().primaryKey().name));
        for (auto page = all.first(500); !page.empty(); page = all.after(page.back(), 500))
            for (const ViewRow& row : page)
                ++out[std::stoll(row.record.text(field))];
        return out;
    }

    void expectConsistent() {
        openAll();
        for (const char* t : {"QXADRESS", "QXADRAKT", "QXADRTKP", "QXAKTATM"})
            ASSERT_EQ(files().byName(t)->check(), NoError) << t << ": " << errorText();
        // Every address keeps all it was given (2 contacts, 2 activities, 4 material
        // rows, one of them per activity) or is gone with all of it.
        const auto addresses = numbers(files().QXADRESS, "ADR:ADRNR");
        const struct {
            RecordFile& file;
            const char* field;
            int each;
        } dependants[] = {{files().QXADRAKT, "AKT:ADRNR", 2},
                          {files().QXADRTKP, "TKP:ADRNR", 2},
                          {files().QXAKTATM, "ATA:ADRNR", 4}};
        for (const auto& d : dependants) {
            const auto counts = numbers(d.file, d.field);
            for (const auto& [number, count] : counts)
                ASSERT_TRUE(addresses.count(number)) << d.field << " " << number << " has no address";
            for (const auto& [number, one] : addresses)
                ASSERT_EQ(counts.count(number) ? counts.at(number) : 0, d.each) << d.field << " " << number;
        }
        const auto activities = numbers(files().QXADRAKT, "AKT:AKTID");
        for (const auto& [number, count] : numbers(files().QXAKTATM, "ATA:AKTID"))
            ASSERT_TRUE(number == 0 ? count == 2 * static_cast<int>(addresses.size())
                                    : activities.count(number) && count == 1)
                << "ATA:AKTID " << number;
        test::closeAllFiles();
    }
};

using CrashOnEachStore = test::OnEachStore<CrashTest>;
VELKORA_ON_EACH_STORE(CrashOnEachStore);

TEST_P(CrashOnEachStore, KilledAtRandomMomentsTheFilesStayWholeAndLinked) {
    std::mt19937 random(2026);
    for (int kill = 0; kill < kKills; ++kill) {
        const unsigned seed = static_cast<unsigned>(random());
        int progress[2];
        ASSERT_EQ(::pipe(progress), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            work(seed, progress[1]);
        // Let a few operations finish, then strike somewhere inside the next ones.
        char done[8];
        for (std::size_t wanted = 1 + random() % 4; wanted > 0;) {
            const auto got = ::read(progress[0], done, std::min(wanted, sizeof done));
            if (got <= 0)
                break;
            wanted -= static_cast<std::size_t>(got);
        }
        ::usleep(static_cast<useconds_t>(random() % 3000));
        ::kill(pid, SIGKILL);
        ::close(progress[0]);
        ::close(progress[1]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        SCOPED_TRACE("kill " + std::to_string(kill));
        expectConsistent();
        if (HasFatalFailure())
            return;
    }
}

} // namespace
} // namespace velkora::data
