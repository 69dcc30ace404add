// The address list on large address files: the time from a user's action
// until the new page is shown (median of many), and the resident memory,
// for 10,000, 100,000 and 1,000,000 addresses.
//
//   address_list_bench [max-records] [work-folder]
//
// The address files are generated once into the work folder
// (default /tmp/velkora-bench) and reused by later runs.

#include "../ListTiming.h"
#include "addresses/gui/AdrListWin.h"
#include "data/FileServices.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace velkora;
using namespace velkora::bench;

namespace {

constexpr int kRuns = 41;

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

std::string nameOf(std::mt19937& random) {
    static const char* const first[] = {"Müller", "Schmidt", "Schneider", "Fischer",  "Weber", "Meyer",
                                        "Wagner", "Becker",  "Schulz",    "Hoffmann", "Koch",  "Richter"};
    static const char* const kind[] = {"GmbH", "AG", "KG", "e.K.", "OHG", ""};
    return std::string(first[random() % 12]) + " " + std::to_string(random() % 100000) + " " +
           kind[random() % 6];
}

// Creates DATA/QXADRESS.TPS with `count` addresses unless it is there.
void ensureAddresses(const std::string& folder, int count) {
    appState().DATAPATH = folder + "/DATA";
    if (std::filesystem::exists(appState().DATAPATH + "/QXADRESS.TPS"))
        return;
    std::filesystem::create_directories(appState().DATAPATH);
    std::printf("generating %d addresses in %s ...\n", count, folder.c_str());
    std::fflush(stdout);
    auto& adr = data::files().QXADRESS;
    data::OpenRecordFile(adr);
    std::mt19937 random(static_cast<unsigned>(count));
    adr.beginBulkLoad();
    for (int i = 1; i <= count; ++i) {
        adr.clear();
        adr.rec.ADRNR = i;
        adr.rec.NAME1 = nameOf(random);
        adr.rec.LD = "D";
        adr.rec.PLZ = std::to_string(10000 + random() % 89999);
        adr.rec.ORT = "Ort " + std::to_string(random() % 5000);
        adr.rec.STRASSE = "Straße " + std::to_string(random() % 300);
        adr.rec.STATUS = static_cast<std::uint8_t>(1 + random() % 5);
        adr.add();
    }
    adr.endBulkLoad();
    data::CloseRecordFile(adr);
}

void measure(const std::string& folder, int count) {
    ensureAddresses(folder, count);
    appState().STARTINI = folder + "/ORB.INI";
    appState().WORKINI = appState().STARTINI;
    std::vector<double> open, locate, pageDown, bottom, sort;
    std::unique_ptr<addresses::AdrListWin> window;
    const auto openList = [&] {
        window = std::make_unique<addresses::AdrListWin>();
        window->resize(1000, 600);
        window->show();
    };
    // First round: builds the sort indexes the list asks for; not counted.
    openList();
    QCoreApplication::processEvents();
    for (int column : {1, 6, 5, 11, 1})
        clickHeader(*window, column);
    const long rssWarm = residentKb();
    auto* list = window->findChild<QWidget*>("BROWSE:1");
    auto* entry = window->findChild<QLineEdit*>("LS:SEARCHSTRING");
    std::mt19937 random(7);
    for (int run = 0; run < kRuns; ++run) {
        window->close();
        window.reset();
        open.push_back(timed(openList));
        list = window->findChild<QWidget*>("BROWSE:1");
        entry = window->findChild<QLineEdit*>("LS:SEARCHSTRING");
        if (window->sortField() != 2)
            clickHeader(*window, 1);
        locate.push_back(timed([&] {
            entry->setText(QString::fromStdString(nameOf(random)));
            QTest::keyClick(entry, Qt::Key_Return);
        }));
        pageDown.push_back(timed([&] { QTest::keyClick(list, Qt::Key_PageDown); }));
        bottom.push_back(timed([&] { QTest::keyClick(list, Qt::Key_End); }));
        sort.push_back(timed([&] { clickHeader(*window, run % 2 == 0 ? 6 : 1); }));
    }
    const long rss = residentKb();
    const int rows = window->list()->visibleRows();
    window->close();
    window.reset();
    std::printf("%9d addresses: open %6.2f ms  locate %6.2f ms  page down %6.2f ms  bottom %6.2f ms  "
                "sort %6.2f ms  (rows %d)  RSS %ld kB (after warm-up %ld kB)\n",
                count, median(open), median(locate), median(pageDown), median(bottom), median(sort), rows,
                rss, rssWarm);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication app(argc, argv);
    ConsolePrompter quiet;
    setPrompter(&quiet);
    const int max = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const std::string base = argc > 2 ? argv[2] : "/tmp/velkora-bench";
    for (int count = 10000; count <= max; count *= 10)
        measure(base + "/" + std::to_string(count), count);
    return 0;
}
