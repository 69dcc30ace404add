// Prints the record layer's figures for address files of the given sizes:
//   velkora_data_bench [--load-only] [--server CONNINFO] [folder] [sizes...]
// (default: a temporary folder, 10000 1000000; --load-only stops after the bulk load;
// --server: each size again on that database server, beside the files' figures)
// Each size gets a fresh set of files; every address has two contact persons.
#include "SampleAddresses.h"
#include "data/Backend.h"
#include "data/FileServices.h"
#include "data/View.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <libpq-fe.h>
#include <random>
#include <string>
#include <vector>

using namespace velkora;
using namespace velkora::data;
using namespace velkora::bench;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::size_t kPage = 30;
constexpr int kRuns = 101;

double millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

template <class F> double median(F run) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        run(i);
        times.push_back(millis(Clock::now() - start));
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

struct LoadFigures {
    double wall = 0;      // addresses per second, by the wall clock
    double cpu = 0;       // by the process's own CPU time (what counts on a machine shared with other work)
    double rowsShare = 0; // of the wall time: writing the rows (the rest builds the keys)
};

LoadFigures bulkLoad(int count, std::mt19937& random) {
    auto& adr = files().QXADRESS;
    auto& tkp = files().QXADRTKP;
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    adr.beginBulkLoad();
    tkp.beginBulkLoad();
    for (int n = 1; n <= count; ++n) {
        adr.clear();
        adr.rec.ADRNR = n;
        adr.rec.NAME1 = std::string(pick(kNames, random)) + " " + pick(kKinds, random);
        adr.rec.NAME2 = pick(kNames, random);
        adr.rec.LD = random() % 10 ? "D" : "A";
        adr.rec.PLZ = std::to_string(10000 + random() % 89999);
        adr.rec.ORT = pick(kPlaces, random);
        adr.rec.STRASSE = std::string(pick(kStreets, random)) + " " + std::to_string(1 + random() % 200);
        adr.rec.BRANCHE = pick(kIndustries, random);
        adr.rec.STATUS = static_cast<std::uint8_t>(1 + random() % 5);
        adr.rec.ADRART = static_cast<std::uint8_t>(1 + random() % 3);
        adr.rec.EKONT = static_cast<std::int32_t>(80000 + random() % 3000);
        adr.add();
        for (int k = 1; k <= 2; ++k) {
            tkp.clear();
            tkp.rec.ADRNR = n;
            tkp.rec.TKPNR = k;
            tkp.rec.KTART = static_cast<std::uint8_t>(k);
            tkp.rec.NAME1 = pick(kNames, random);
            tkp.rec.TEL = "030 " + std::to_string(random() % 10000000);
            tkp.rec.TFX = "030" + std::to_string(random() % 10000000);
            tkp.add();
        }
    }
    const auto rowsWritten = Clock::now();
    if (adr.endBulkLoad() != NoError || tkp.endBulkLoad() != NoError)
        std::fprintf(stderr, "bulk load failed: %s\n", errorText().c_str());
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const auto wall = Clock::now() - start;
    return {count / std::chrono::duration<double>(wall).count(), count / cpu,
            millis(rowsWritten - start) / millis(wall)};
}

// Two activities of the address, each with a brochure sent (what a cascade delete removes too).
void addActivities(int address, int run) {
    auto& akt = files().QXADRAKT;
    auto& ata = files().QXAKTATM;
    for (int k = 0; k < 2; ++k) {
        const int id = 2 * run + k + 1;
        akt.clear();
        akt.rec.AKTID = id;
        akt.rec.ADRNR = address;
        akt.rec.AKTART = 1;
        akt.rec.TITLE = "Angebot";
        akt.add();
        ata.clear();
        ata.rec.RECID = id;
        ata.rec.AKTID = id;
        ata.rec.ADRNR = address;
        ata.rec.PRID = "PROSPEKT";
        ata.add();
    }
}

// The orders the address list offers (its columns both ways and its keys) and
// those of the contact-person list.
const char* kAddressOrders[] = {
    "UPPER(ADR:STATUS)",
    "UPPER(ADR:NAME1)",
    "-UPPER(ADR:NAME1)",
    "UPPER(ADR:NAME2)",
    "UPPER(ADR:NAME0)",
    "UPPER(ADR:ADRART)",
    "UPPER(ADR:LD), UPPER(ADR:PLZ)",
    "-UPPER(ADR:LD), -UPPER(ADR:PLZ)",
    "UPPER(ADR:ORT)",
    "-UPPER(ADR:ORT)",
    "UPPER(ADR:STRASSE)",
    "UPPER(ADR:BRANCHE)",
    "UPPER(ADR:ADRGRP)",
    "UPPER(ADR:ZUSATZ)",
    "ADR:ADRNR",
    "-ADR:ADRNR",
    "ADR:EKONT",
    "-ADR:LKONT",
    "UPPER(ADR:POSTFACH)",
    "UPPER(ADR:URL)",
    "UPPER(ADR:USTID)",
    "UPPER(ADR:ALARM)",
    "-UPPER(ADR:BEMERK)",
};
const char* kContactOrders[] = {"TKP:QXADRTK2",      "TKP:QXADRTK3",   "UPPER(TKP:KTART)",
                                "-UPPER(TKP:NAME1)", "UPPER(TKP:TFX)", "-UPPER(TKP:TFX)"};

// Prints the time to set the order (which finds the index serving it), to
// read the first page, and to locate a value and read the page from there.
void measureOrder(RecordFile& file, const char* order) {
    View view(file);
    const auto start = Clock::now();
    if (!view.setOrder(order)) {
        std::printf("  %-34s cannot be served\n", order);
        return;
    }
    const double set = millis(Clock::now() - start);
    const double first = median([&](int) { view.first(kPage); });
    // Locate at the leading value of records spread over the whole file.
    const FieldDef& lead = file.table().fields[static_cast<std::size_t>(view.order().front().field)];
    std::vector<Value> targets;
    for (int i = 0; i < kRuns; ++i)
        if (file.reget(1 + (static_cast<std::int64_t>(i) * 7919) % file.records()) == NoError)
            targets.push_back(lead.get(file.buffer()));
    const double locate =
        median([&](int i) { view.from({targets[static_cast<std::size_t>(i) % targets.size()]}, kPage); });
    std::printf("  %-34s %12.3f %12.3f %12.3f\n", order, set, first, locate);
}

void measureReadsAndWrites(int count) {
    std::printf("  %-34s %12s %12s %12s\n", "order", "set (ms)", "first (ms)", "locate (ms)");
    for (const char* order : kAddressOrders)
        measureOrder(files().QXADRESS, order);
    for (const char* order : kContactOrders)
        measureOrder(files().QXADRTKP, order);
    const double next = median([&](int) { NextNumber(files().QXADRESS, "ADR:QXADRES1", "ADR:ADRNR", ""); });
    std::printf("  NextNumber ADR:ADRNR      %10.3f ms\n", next);
    const double nextTkp = median([&](int i) {
        files().QXADRTKP.rec.ADRNR = 1 + (i * 7919) % count;
        NextNumber(files().QXADRTKP, "TKP:QXADRTK1", "TKP:TKPNR",
                   "TKP:ADRNR = " + std::to_string(files().QXADRTKP.rec.ADRNR));
    });
    std::printf("  NextNumber TKP:TKPNR      %10.3f ms\n", nextTkp);
    const double put = median([&](int i) {
        auto& adr = files().QXADRESS;
        adr.rec.ADRNR = 1 + (i * 7919) % count;
        if (adr.get(*Address::table().key("QXADRES1")) == NoError) {
            adr.rec.NAME2 = "geändert " + std::to_string(i);
            adr.put();
        }
    });
    std::printf("  get and put               %10.3f ms (one field changed)\n", put);
    auto cascadeVictim = [count](int i) { return 1 + (i * 104729) % count; };
    for (int i = 0; i < kRuns; ++i)
        addActivities(cascadeVictim(i), i);
    const double cascade = median([&](int i) {
        auto& adr = files().QXADRESS;
        adr.rec.ADRNR = cascadeVictim(i);
        if (adr.get(*Address::table().key("QXADRES1")) == NoError)
            DeleteWithIntegrity(adr);
    });
    std::printf("  cascade delete            %10.3f ms (address with 2 contact persons, 2 activities, "
                "2 material rows)\n",
                cascade);
}

constexpr const char* kTables[] = {"QXADRESS", "QXADRTKP", "QXADRAKT", "QXAKTATM"};

// Empties the data path: a folder made anew, or the tables dropped on the server.
void freshStore(const std::string& dataPath) {
    if (!isServerAddress(dataPath)) {
        std::filesystem::remove_all(dataPath);
        std::filesystem::create_directories(dataPath);
        return;
    }
    PGconn* conn = PQconnectdb(dataPath.c_str());
    for (const char* t : kTables)
        PQclear(PQexec(conn, (std::string("DROP TABLE IF EXISTS \"") + t + "\"").c_str()));
    PQfinish(conn);
}

void run(const std::string& dataPath, int count, bool loadOnly) {
    freshStore(dataPath);
    appState().DATAPATH = dataPath;
    for (const char* t : kTables)
        OpenRecordFile(*files().byName(t));
    std::mt19937 random(42);
    std::printf("\n%d addresses, %d contact persons, %s\n", count, 2 * count,
                isServerAddress(dataPath) ? "PostgreSQL server" : "SQLite files");
    const LoadFigures load = bulkLoad(count, random);
    std::printf(
        "  bulk load                 %10.0f addresses/s (%.0f by CPU time; %.0f%% rows, %.0f%% keys)\n",
        load.wall, load.cpu, 100 * load.rowsShare, 100 * (1 - load.rowsShare));

    if (!loadOnly)
        measureReadsAndWrites(count);
    for (const char* t : kTables)
        CloseRecordFile(*files().byName(t));
    freshStore(dataPath);
}

} // namespace

int main(int argc, char** argv) {
    setApplicationEndHandler([](std::string_view reason) {
        std::fprintf(stderr, "ended: %s\n", std::string(reason).c_str());
        std::exit(1);
    });
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool loadOnly = !args.empty() && args.front() == "--load-only";
    if (loadOnly)
        args.erase(args.begin());
    std::string server;
    if (args.size() >= 2 && args.front() == "--server") {
        server = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    const std::string folder =
        !args.empty() ? args[0] : (std::filesystem::temp_directory_path() / "velkora-data-bench").string();
    std::vector<int> sizes;
    for (std::size_t i = 1; i < args.size(); ++i)
        sizes.push_back(std::atoi(args[i].c_str()));
    if (sizes.empty())
        sizes = {10000, 1000000};
    for (int size : sizes) {
        run(folder, size, loadOnly);
        if (!server.empty())
            run(server, size, loadOnly);
    }
    std::filesystem::remove_all(folder);
}
