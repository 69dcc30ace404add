// Prints the address import's figures:
//   velkora_import_bench [folder] [rows] [addresses]
// (default: a temporary folder, 100000 rows, 1000000 addresses): reading a
// CSV of `rows` lines into the exchange file, checking those rows for
// duplicates against `addresses` addresses, and importing them, each with a
// contact person, into that address file.
#include "SampleAddresses.h"
#include "exchange/DuplicateCheck.h"
#include "exchange/ImportRun.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

using namespace velkora;
using namespace velkora::exchange;
using namespace velkora::bench;
using Clock = std::chrono::steady_clock;

namespace {

struct Timer {
    Clock::time_point wall = Clock::now();
    std::clock_t cpu = std::clock();
    double seconds() const { return std::chrono::duration<double>(Clock::now() - wall).count(); }
    double cpuSeconds() const { return double(std::clock() - cpu) / CLOCKS_PER_SEC; }
};

void writeCsv(const std::string& file, int rows, std::mt19937& random) {
    std::ofstream out(file, std::ios::binary);
    out << "Name1;Name2;PLZ;Ort;Straße;Telefon;Fax;E-Mail\r\n";
    for (int i = 0; i < rows; ++i) {
        const std::string name = pick(kNames, random);
        out << name << ' ' << pick(kKinds, random) << ';' << pick(kNames, random) << ';'
            << 10000 + random() % 89999 << ';' << pick(kPlaces, random) << ';' << pick(kStreets, random)
            << ' ' << 1 + random() % 200 << ";030 " << random() % 10000000 << ";030 " << random() % 10000000
            << ";info" << i << "@example.com\r\n";
    }
}

void loadAddresses(int count, std::mt19937& random) {
    auto& adr = data::files().QXADRESS;
    auto& tkp = data::files().QXADRTKP;
    adr.beginBulkLoad();
    tkp.beginBulkLoad();
    for (int n = 1; n <= count; ++n) {
        adr.clear();
        adr.rec.ADRNR = n;
        adr.rec.NAME1 = std::string(pick(kNames, random)) + " " + pick(kKinds, random);
        adr.rec.NAME2 = pick(kNames, random);
        adr.rec.ORT = pick(kPlaces, random);
        adr.rec.STRASSE = std::string(pick(kStreets, random)) + " " + std::to_string(1 + random() % 200);
        adr.add();
        tkp.clear();
        tkp.rec.ADRNR = n;
        tkp.rec.TKPNR = 1;
        tkp.rec.NAME1 = pick(kNames, random);
        tkp.rec.TEL = "030 " + std::to_string(random() % 10000000);
        tkp.add();
    }
    if (adr.endBulkLoad() != data::NoError || tkp.endBulkLoad() != data::NoError)
        std::fprintf(stderr, "bulk load failed: %s\n", data::errorText().c_str());
}

} // namespace

int main(int argc, char** argv) {
    setApplicationEndHandler([](std::string_view reason) {
        std::fprintf(stderr, "ended: %s\n", std::string(reason).c_str());
        std::exit(1);
    });
    const std::string folder =
        argc > 1 ? argv[1] : (std::filesystem::temp_directory_path() / "velkora-import-bench").string();
    const int rows = argc > 2 ? std::atoi(argv[2]) : 100000;
    const int addresses = argc > 3 ? std::atoi(argv[3]) : 1000000;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    appState().DATAPATH = folder;
    std::mt19937 random(42);

    const std::string csv = folder + "/kunden.csv";
    writeCsv(csv, rows, random);
    ImportOptions options;
    options.file = csv;
    options.header = true;
    options.removeQuotes = true;
    const std::string exchangeName = exchangeFileName(folder);
    Timer reading;
    std::string problem;
    auto source = openImportSource(options, problem);
    const ReadOutcome read = readIntoExchange(*source, automaticMapping(source->columns()), exchangeName);
    std::printf("reading %d CSV lines into the exchange file: %.2f s, %.0f lines/s (%.0f by CPU time; target "
                "100000)\n",
                rows, reading.seconds(), read.rowsRead / reading.seconds(),
                read.rowsRead / reading.cpuSeconds());

    auto& adr = data::files().QXADRESS;
    auto& tkp = data::files().QXADRTKP;
    data::OpenRecordFile(adr);
    data::OpenRecordFile(tkp);
    std::printf("loading %d addresses with a contact person each ...\n", addresses);
    std::fflush(stdout);
    loadAddresses(addresses, random);

    files::DbfTable exchange;
    exchange.open(exchangeName, files::DbfTable::Access::Write);
    Timer checking;
    DuplicateFinder finder;
    finder.load(adr);
    const double loaded = checking.seconds();
    const CheckOutcome check = checkExchange(exchange, finder);
    std::printf("check of %zu rows against %zu addresses: %.2f s (%.2f s by CPU time; %.2f s reading the "
                "addresses), %zu rows with duplicates (target under 10 s)\n",
                check.rowsChecked, finder.size(), checking.seconds(), checking.cpuSeconds(), loaded,
                check.rowsWithDuplicates);

    Timer importing;
    const ImportOutcome imported = importExchange(exchange, adr, tkp, 1);
    std::printf(
        "import of %zu rows with a contact person each into %d addresses: %.2f s, %.0f rows/s (%.0f by CPU "
        "time), %zu not imported (target 20000 rows/s)\n",
        imported.imported, addresses, importing.seconds(), imported.imported / importing.seconds(),
        imported.imported / importing.cpuSeconds(), imported.failed.size());
    exchange.close();
    data::CloseRecordFile(adr);
    data::CloseRecordFile(tkp);
    std::filesystem::remove_all(folder);
}
