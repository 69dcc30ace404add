// The mail-merge selection on a large address file: 1,000,000 addresses with
// two contact persons each, selected on status, features and postal code with
// the contacts that have an e-mail address (target: 300,000 addresses per
// second), and the mailing file written for 100,000 rows (target: under 1 s).
//
//   velkora_bench_selection [work-folder] [addresses]
//
// The address files are generated once into the work folder (default
// /var/tmp/velkora-selection-bench) and reused by later runs.

#include "data/RecordFile.h"
#include "data/Tables.h"
#include "documents/MailingFile.h"
#include "documents/MailingListCreate.h"
#include "documents/MailingSelection.h"
#include "documents/SelectionRun.h"
#include "shared/AppState.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>

using namespace velkora;

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of this process: the machine is shared, so wall time alone says little.
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// DATA/QXADRESS.TPS and QXADRTKP.TPS with `count` addresses of two contacts each, unless there.
void ensureAddresses(int count) {
    if (std::filesystem::exists(appState().DATAPATH + "/QXADRTKP.TPS"))
        return;
    std::filesystem::create_directories(appState().DATAPATH);
    std::printf("generating %d addresses with two contact persons each ...\n", count);
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    data::File<data::Address> adr;
    data::File<data::ContactPerson> tkp;
    adr.create();
    tkp.create();
    adr.open();
    tkp.open();
    std::mt19937 random(7);
    adr.beginBulkLoad();
    tkp.beginBulkLoad();
    for (int i = 1; i <= count; ++i) {
        adr.clear();
        adr.rec.ADRNR = i;
        adr.rec.STATUS = static_cast<std::uint8_t>(1 + random() % 5);
        adr.rec.NAME0 = "Firma";
        adr.rec.NAME1 = "Muster " + std::to_string(random() % 100000) + " GmbH";
        adr.rec.LD = "D";
        adr.rec.LAND = "Deutschland";
        adr.rec.PLZ = std::to_string(10000 + random() % 90000);
        adr.rec.ORT = "Ort " + std::to_string(random() % 5000);
        adr.rec.STRASSE = "Straße " + std::to_string(random() % 300);
        adr.rec.MERKM.assign(8, '0');
        for (char& flag : adr.rec.MERKM)
            flag = random() % 2 ? '1' : '0';
        adr.rec.EKONT = 80000 + static_cast<std::int32_t>(random() % 3000);
        adr.add();
        for (int k = 1; k <= 2; ++k) {
            tkp.clear();
            tkp.rec.ADRNR = i;
            tkp.rec.TKPNR = k;
            tkp.rec.KTART = static_cast<std::uint8_t>(1 + random() % 8);
            tkp.rec.NAME0 = k == 1 ? "Frau" : "Herr";
            tkp.rec.NAME1 = "Kontakt " + std::to_string(k);
            tkp.rec.ABTPOS = random() % 2 ? "Verkauf" : "Einkauf";
            tkp.rec.TEL = "089 " + std::to_string(random() % 1000000);
            if (random() % 2)
                tkp.rec.EMAIL = "k" + std::to_string(i) + "@example.de";
            tkp.add();
        }
    }
    adr.endBulkLoad();
    tkp.endBulkLoad();
    std::printf("  generated in %.1f s\n", secondsSince(start));
}

void measureSelection(int count) {
    documents::MailingSelection s;
    s.statusFrom = 1;
    s.statusTo = 3;
    s.features = true;
    s.feature[1] = s.feature[4] = true;
    s.featuresAnd = true;
    s.postalFrom = "10000";
    s.postalTo = "59999";
    s.contacts = true;
    s.onlyEmail = true;
    if (documents::openMailingList("BENCH", documents::ExistingList::Replace) !=
        documents::ListOpening::Ready)
        std::exit(1);
    documents::SelectionRun run(documents::addressCondition(s), documents::contactCondition(s), "Bench");
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds();
    run.runToEnd();
    const double seconds = secondsSince(start);
    const double cpu = cpuSeconds() - cpuStart;
    documents::mailingFile().close();
    std::printf(
        "selection over %d addresses (2 contacts each), status + features + postal code with contacts:\n"
        "  %.2f s, %.0f addresses/s (processor time %.2f s: %.0f addresses/s), %u rows written\n"
        "  (target: >= 300,000 addresses/s)\n",
        count, seconds, count / seconds, cpu, count / cpu, run.rowsWritten());
}

void measureWriting(int rows) {
    documents::MailingFile& mailing = documents::mailingFile();
    if (documents::openMailingList("BENCHWRITE", documents::ExistingList::Replace) !=
        documents::ListOpening::Ready)
        std::exit(1);
    mailing.clear();
    documents::MailingRecord& r = mailing.rec;
    r.STATUS = "2";
    r.ADRNR = "123456";
    r.NAME0 = "Firma";
    r.NAME1 = "Müller & Söhne GmbH";
    r.LD = "D";
    r.LAND = "Deutschland";
    r.PLZ = "80331";
    r.ORT = "München";
    r.STRASSE = "Hauptstraße 1";
    r.MERKM = "01001000";
    r.EKONT = "04.03.2026";
    r.KNAME0 = "Frau";
    r.KNAME1 = "Anna Weiß";
    r.EMAIL = "anna@example.de";
    r.DOCTITLE = "Bench";
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds();
    for (int i = 0; i < rows; ++i)
        if (mailing.add())
            std::exit(1);
    mailing.close();
    const double seconds = secondsSince(start);
    std::printf("mailing file written with %d rows: %.3f s, processor time %.3f s (target: < 1 s)\n", rows,
                seconds, cpuSeconds() - cpuStart);
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "/var/tmp/velkora-selection-bench";
    const int count = argc > 2 ? std::atoi(argv[2]) : 1000000;
    resetAppState();
    appState().DATAPATH = folder + "/DATA-" + std::to_string(count);
    appState().MAILPATH = folder + "/MAIL";
    appState().WORKINI = folder + "/ORB.INI";
    std::filesystem::create_directories(appState().MAILPATH);
    ensureAddresses(count);
    measureSelection(count);
    measureWriting(100000);
    return 0;
}
