// The reports on large files: the address list of 10,000 mailing rows with
// two contact persons each, and the activity list of 10,000 activities with
// memos. Prints for each the time to generate the bands, to lay them out on
// pages, to draw the first page as the preview does, and to write the PDF
// (median of several runs).
//
//   report_bench [work-folder]
//
// The files are generated once into the work folder (default
// /tmp/velkora-bench-reports) and reused by later runs.

#include "activities/ActivityLists.h"
#include "data/FileServices.h"
#include "documents/MailingFile.h"
#include "reports/ActivityListReport.h"
#include "reports/AddressListReport.h"
#include "reports/pages/PdfFile.h"
#include "reports/pages/ReportPages.h"
#include "reports/pages/ReportPainter.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace velkora;

namespace {

constexpr int kRows = 10000;
constexpr int kRuns = 5;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The processor time the action took: on a machine other programs keep
// busy the clock on the wall says more about them than about the report.
double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Timing {
    double wall = 0;
    double cpu = 0;
};

Timing timed(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuMilliseconds();
    action();
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
            cpuMilliseconds() - cpuStart};
}

void printTiming(const char* what, const std::vector<Timing>& runs) {
    std::vector<double> wall, cpu;
    for (const Timing& t : runs) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    std::printf("  %-28s %9.1f ms processor %9.1f ms wall\n", what, median(cpu), median(wall));
}

void ensureData(const std::string& folder) {
    appState().DATAPATH = folder + "/DATA";
    appState().MAILPATH = folder;
    if (std::filesystem::exists(folder + "/LISTE.DBF"))
        return;
    std::filesystem::create_directories(appState().DATAPATH);
    auto& tkp = data::files().QXADRTKP;
    auto& akt = data::files().QXADRAKT;
    auto& adr = data::files().QXADRESS;
    for (data::RecordFile* file : {static_cast<data::RecordFile*>(&tkp), static_cast<data::RecordFile*>(&akt),
                                   static_cast<data::RecordFile*>(&adr)}) {
        data::OpenRecordFile(*file);
        file->beginBulkLoad();
    }
    documents::MailingFile mailing;
    mailing.setName(folder + "/LISTE");
    documents::MailingFile::create(mailing.name());
    mailing.open(files::DbfTable::Access::Write);
    for (int n = 1; n <= kRows; ++n) {
        const std::string name = "Handelsgesellschaft Nummer " + std::to_string(n);
        mailing.clear();
        mailing.rec.ADRNR = std::to_string(n);
        mailing.rec.NAME1 = name;
        mailing.rec.NAME2 = "Vertrieb und Service";
        mailing.rec.LD = "D";
        mailing.rec.PLZ = std::to_string(10000 + n);
        mailing.rec.ORT = "Musterstadt";
        mailing.rec.STRASSE = "Hauptstraße " + std::to_string(n % 200);
        mailing.rec.ADRART = "Kunde";
        mailing.rec.URL = "www.firma" + std::to_string(n) + ".de";
        mailing.rec.BRANCHE = "EDV";
        mailing.add();
        adr.clear();
        adr.rec.ADRNR = n;
        adr.rec.NAME1 = name;
        adr.rec.ORT = "Musterstadt";
        adr.add();
        for (int c = 1; c <= 2; ++c) {
            tkp.clear();
            tkp.rec.ADRNR = n;
            tkp.rec.TKPNR = c;
            tkp.rec.KTART = static_cast<std::uint8_t>(c);
            tkp.rec.NAME1 = c == 1 ? "Berg" : "Adler";
            tkp.rec.NAME2 = c == 1 ? "Anna" : "Bernd";
            tkp.rec.ABTPOS = "Einkauf";
            tkp.rec.TEL = "030 " + std::to_string(n * 10 + c);
            tkp.rec.EMAIL = "kontakt" + std::to_string(c) + "@firma" + std::to_string(n) + ".de";
            tkp.add();
        }
        akt.clear();
        akt.rec.AKTID = n;
        akt.rec.ADRNR = (n % 2000) + 1;
        akt.rec.DATUM = 80000 + n % 700;
        akt.rec.TITLE = "Angebot " + std::to_string(n);
        akt.rec.AKTART = 1;
        akt.rec.AKTPRI = 2;
        akt.rec.MEMO = std::string(300, 'x') + " Ende";
        akt.add();
    }
    mailing.close();
    for (data::RecordFile* file : {static_cast<data::RecordFile*>(&tkp), static_cast<data::RecordFile*>(&akt),
                                   static_cast<data::RecordFile*>(&adr)}) {
        file->endBulkLoad();
        data::CloseRecordFile(*file);
    }
}

void measure(const char* name, const std::function<std::unique_ptr<reports::ReportGenerator>()>& make,
             const std::string& folder) {
    std::vector<Timing> generate, layout, generatedAndLaidOut, firstPage, pdf;
    std::size_t bands = 0;
    std::size_t pages = 0;
    for (int run = 0; run < kRuns; ++run) {
        auto generator = make();
        generate.push_back(timed([&] { generator->generateAll(); }));
        reports::PrintedReport printed;
        layout.push_back(timed([&] { printed = reports::layOutReport(generator->report()); }));
        generatedAndLaidOut.push_back(
            {generate.back().wall + layout.back().wall, generate.back().cpu + layout.back().cpu});
        firstPage.push_back(timed([&] { reports::pageImage(printed, 0, 96.0); }));
        pdf.push_back(timed([&] { reports::writePdf(generator->report(), folder + "/bench.pdf"); }));
        bands = generator->report().bands.size();
        pages = printed.pages.size();
    }
    std::printf("%s: %zu bands on %zu pages\n", name, bands, pages);
    printTiming("bands generated", generate);
    printTiming("pages laid out", layout);
    printTiming("generated and laid out", generatedAndLaidOut);
    printTiming("first page drawn (preview)", firstPage);
    printTiming("PDF written (lay-out too)", pdf);
}

} // namespace

int main(int argc, char** argv) {
    int qtArgc = 3;
    char name[] = "report_bench";
    char option[] = "-platform";
    char platform[] = "offscreen";
    char* qtArgv[] = {name, option, platform, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    const std::string folder = argc > 1 ? argv[1] : "/tmp/velkora-bench-reports";
    std::filesystem::create_directories(folder);
    ensureData(folder);
    measure(
        "Address list, 10,000 rows with 2 contacts each",
        [&] { return std::make_unique<reports::AddressListReport>(folder + "/LISTE", "Adressliste", true); },
        folder);
    measure(
        "Activity list, 10,000 activities with memos",
        [] {
            reports::ActivitySelection all;
            all.title = "Aktivitäten";
            all.memo = true;
            return std::make_unique<reports::ActivityListReport>(all, activities::ValueList{{1, "Brief"}},
                                                                 activities::ValueList{{2, "Normal"}});
        },
        folder);
    return 0;
}
