// A mailing list of 100,000 rows: the ASCII export (target: under 1 s) and
// the mailing-list browse until its first page is shown (median of many).
//
//   mailing_list_bench [rows] [work-folder]
//
// The list is generated once into the work folder (default
// /tmp/velkora-bench-mailing) and reused by later runs.

#include "../ListTiming.h"
#include "documents/AsciiExport.h"
#include "documents/MailingFile.h"
#include "documents/lists/MailingListWin.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"

#include <QApplication>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

using namespace velkora;
using namespace velkora::bench;
using documents::MailingFile;

namespace {

constexpr int kRuns = 11;

void ensureList(const std::string& name, int rows) {
    if (std::filesystem::exists(name + ".DBF"))
        return;
    std::printf("generating %d rows in %s ...\n", rows, name.c_str());
    std::fflush(stdout);
    MailingFile::create(name);
    MailingFile list;
    list.setName(name);
    list.open(files::DbfTable::Access::Write);
    for (int i = 0; i < rows; ++i) {
        list.clear();
        documents::MailingRecord& r = list.rec;
        r.STATUS = std::to_string(1 + i % 5);
        r.ADRNR = std::to_string(i + 1);
        r.NAME0 = "Firma";
        r.NAME1 = i % 100 == 0 ? "Bäckerei; \"Zum Korn\" " + std::to_string(i)
                               : "Müller & Söhne GmbH Nr. " + std::to_string(i);
        r.STRASSE = "Hauptstraße " + std::to_string(i % 200 + 1);
        r.PLZ = std::to_string(80000 + i % 1000);
        r.ORT = i % 2 ? "München" : "Köln";
        r.LAND = "Deutschland";
        r.LD = "D";
        r.KNAME1 = "Anna Weiß";
        r.KTART = "Einkauf";
        r.EMAIL = "einkauf@example.de";
        r.DOCTITLE = "Angebot";
        r.BEMERKUNG = "Kunde seit 1999, bevorzugt Lieferung am Vormittag.";
        if (i % 10 == 0)
            r.MEMO = "Rückruf erbeten.";
        list.add();
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication app(argc, argv);
    ConsolePrompter quiet;
    setPrompter(&quiet);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::string folder = argc > 2 ? argv[2] : "/tmp/velkora-bench-mailing";
    std::filesystem::create_directories(folder);
    appState().STARTINI = folder + "/ORB.INI";
    appState().WORKINI = appState().STARTINI;
    const std::string name = folder + "/LISTE" + std::to_string(rows);
    ensureList(name, rows);

    // The machine is shared: the processor time tells what the export costs itself.
    std::vector<double> exports, exportCpu;
    std::uint32_t written = 0;
    for (int run = 0; run < 5; ++run) {
        const std::clock_t cpu = std::clock();
        exports.push_back(timed([&] { documents::exportAscii(name, folder + "/export.txt", &written); }));
        exportCpu.push_back(1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC);
    }

    std::vector<double> opens;
    std::unique_ptr<documents::MailingListWin> window;
    for (int run = 0; run < kRuns; ++run) {
        if (window)
            window->close();
        window.reset();
        opens.push_back(timed([&] {
            window = std::make_unique<documents::MailingListWin>(name);
            window->resize(1000, 600);
            window->show();
        }));
    }
    std::printf("%d rows: ASCII export %.1f ms (processor %.1f ms, %u lines); browse open to first page "
                "%.2f ms (%d rows shown)\n",
                rows, median(exports), median(exportCpu), written, median(opens),
                window->list()->visibleRows());
    window->close();
    return 0;
}
