// The activity list on large activity files: the time from a user's action
// until the new page is shown (median of many), for 10,000, 100,000 and
// 1,000,000 activities, ten to an address; and the reminder list's read
// over 10,000 due to-dos and 100,000 contact persons with birthdays.
//
//   activity_list_bench [max-activities] [work-folder]
//
// The files are generated once into the work folder (default
// /tmp/velkora-bench-activities) and reused by later runs.

#include "../ListTiming.h"
#include "activities/Reminders.h"
#include "activities/gui/AktListWin.h"
#include "data/FileServices.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"

#include <QApplication>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace velkora;
using namespace velkora::bench;

namespace {

constexpr int kRuns = 41;
constexpr int kActivitiesPerAddress = 10;
constexpr std::int32_t kToday = 82000; // a day number in 2025

// The list's sortable columns, visited in turn: kind, title, remark, address, date.
constexpr int kSortColumns[] = {2, 3, 4, 5, 1};

std::string pick(std::mt19937& random, std::initializer_list<const char*> words) {
    return *(words.begin() + random() % words.size());
}

void addAddresses(int count, std::mt19937& random) {
    auto& adr = data::files().QXADRESS;
    for (int i = 1; i <= count; ++i) {
        adr.clear();
        adr.rec.ADRNR = i;
        adr.rec.NAME1 = pick(random, {"Müller", "Schmidt", "Weber", "Becker", "Koch"}) + " " +
                        std::to_string(random() % 100000) + " GmbH";
        adr.rec.LD = "D";
        adr.rec.PLZ = std::to_string(10000 + random() % 89999);
        adr.rec.ORT = "Ort " + std::to_string(random() % 5000);
        adr.add();
    }
}

// Creates the address and activity files in `folder` unless they are there.
void ensureActivities(const std::string& folder, int count) {
    appState().DATAPATH = folder + "/DATA";
    if (std::filesystem::exists(appState().DATAPATH + "/QXADRAKT.TPS"))
        return;
    std::filesystem::create_directories(appState().DATAPATH);
    std::printf("generating %d activities in %s ...\n", count, folder.c_str());
    std::fflush(stdout);
    auto& adr = data::files().QXADRESS;
    auto& akt = data::files().QXADRAKT;
    data::OpenRecordFile(adr);
    data::OpenRecordFile(akt);
    std::mt19937 random(static_cast<unsigned>(count));
    const int addresses = count / kActivitiesPerAddress;
    adr.beginBulkLoad();
    akt.beginBulkLoad();
    addAddresses(addresses, random);
    for (int i = 1; i <= count; ++i) {
        akt.clear();
        akt.rec.AKTID = i;
        akt.rec.ADRNR = static_cast<std::int32_t>(1 + random() % addresses);
        akt.rec.AKTART = static_cast<std::uint8_t>(1 + random() % 6);
        akt.rec.AKTPRI = static_cast<std::uint8_t>(1 + random() % 4);
        akt.rec.DATUM = static_cast<std::int32_t>(kToday - random() % 3000);
        akt.rec.UHR = static_cast<std::int32_t>(1 + random() % 8640000);
        akt.rec.TITLE = pick(random, {"Angebot", "Rechnung", "Anruf", "Besuch", "Mahnung"}) + " " +
                        std::to_string(random() % 10000);
        akt.rec.BEMERK = pick(random, {"zurückrufen", "erledigt", "wartet auf Antwort", ""});
        akt.add();
    }
    adr.endBulkLoad();
    akt.endBulkLoad();
    data::CloseRecordFile(akt);
    data::CloseRecordFile(adr);
}

std::vector<data::RecordFile*> reminderFiles() {
    return {&data::files().QXADRESS, &data::files().QXADRAKT, &data::files().QXADRTKP};
}

// 10,000 addresses, each with one due to-do, one to-do not yet due and ten
// contact persons whose birthdays spread over the year.
void ensureReminders(const std::string& folder) {
    appState().DATAPATH = folder + "/DATA";
    if (std::filesystem::exists(appState().DATAPATH + "/QXADRTKP.TPS"))
        return;
    std::filesystem::create_directories(appState().DATAPATH);
    std::printf("generating the reminders in %s ...\n", folder.c_str());
    std::fflush(stdout);
    auto& akt = data::files().QXADRAKT;
    auto& tkp = data::files().QXADRTKP;
    for (auto* file : reminderFiles()) {
        data::OpenRecordFile(*file);
        file->beginBulkLoad();
    }
    std::mt19937 random(1);
    constexpr int kAddresses = 10000;
    addAddresses(kAddresses, random);
    for (int i = 1; i <= kAddresses; ++i) {
        for (int k = 0; k < 2; ++k) {
            akt.clear();
            akt.rec.AKTID = 2 * i + k;
            akt.rec.ADRNR = i;
            akt.rec.TITLE = "Wiedervorlage";
            akt.rec.ERLIST = 1;
            akt.rec.ETAGE = 1; // due from the day after its date
            akt.rec.EDATUM =
                static_cast<std::int32_t>(k == 0 ? kToday - 1 - random() % 300 : kToday + random() % 300);
            akt.add();
        }
        for (int k = 1; k <= 10; ++k) {
            tkp.clear();
            tkp.rec.ADRNR = i;
            tkp.rec.TKPNR = k;
            tkp.rec.NAME1 = "Person " + std::to_string(random() % 100000);
            tkp.rec.BMM = static_cast<std::uint8_t>(1 + random() % 12);
            tkp.rec.BDD = static_cast<std::uint8_t>(1 + random() % 28);
            tkp.add();
        }
    }
    for (auto* file : reminderFiles()) {
        file->endBulkLoad();
        data::CloseRecordFile(*file);
    }
}

struct ListFigures {
    std::vector<double> open, pageDown, bottom, sort;
    int rows = 0;
};

// Opens the list on `adrnr` (0: all activities) again and again and moves through it.
ListFigures measureList(std::int32_t adrnr) {
    appState().ADRNR = adrnr;
    ListFigures figures;
    std::unique_ptr<activities::AktListWin> window;
    const auto openList = [&] {
        window = std::make_unique<activities::AktListWin>();
        window->resize(1000, 600);
        window->show();
    };
    // First round: builds the sort indexes the list asks for; not counted.
    openList();
    QCoreApplication::processEvents();
    for (int column : kSortColumns)
        clickHeader(*window, column);
    for (int run = 0; run < kRuns; ++run) {
        window->close();
        window.reset();
        figures.open.push_back(timed(openList));
        auto* list = window->findChild<QWidget*>("BROWSE:1");
        figures.pageDown.push_back(timed([&] { QTest::keyClick(list, Qt::Key_PageDown); }));
        figures.bottom.push_back(timed([&] { QTest::keyClick(list, Qt::Key_End); }));
        const int column = kSortColumns[run % std::size(kSortColumns)];
        figures.sort.push_back(timed([&] { clickHeader(*window, column); }));
    }
    figures.rows = window->list()->visibleRows();
    window->close();
    return figures;
}

void print(int count, const char* scope, const ListFigures& f) {
    std::printf("%9d activities, %-11s open %6.2f ms  page down %6.2f ms  bottom %6.2f ms  sort %6.2f ms  "
                "(rows %d)\n",
                count, scope, median(f.open), median(f.pageDown), median(f.bottom), median(f.sort), f.rows);
}

void measureActivities(const std::string& folder, int count) {
    ensureActivities(folder, count);
    appState().STARTINI = folder + "/ORB.INI";
    appState().WORKINI = appState().STARTINI;
    print(count, "one address", measureList(count / kActivitiesPerAddress / 2));
    print(count, "all:", measureList(0));
    std::fflush(stdout);
}

void measureReminders(const std::string& folder) {
    ensureReminders(folder);
    for (auto* file : reminderFiles())
        data::OpenRecordFile(*file);
    std::vector<double> times;
    std::size_t rows = 0;
    for (int run = 0; run < kRuns; ++run)
        times.push_back(timed([&] { rows = activities::readReminders(kToday, {}, "Geburtstag").size(); }));
    for (auto* file : reminderFiles())
        data::CloseRecordFile(*file);
    std::printf("reminder refill (10,000 due to-dos, 100,000 contact persons): %6.2f ms  (rows %zu)\n",
                median(times), rows);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication app(argc, argv);
    ConsolePrompter quiet;
    setPrompter(&quiet);
    const int max = argc > 1 ? std::atoi(argv[1]) : 10000;
    const std::string base = argc > 2 ? argv[2] : "/tmp/velkora-bench-activities";
    for (int count = 10000; count <= max; count *= 10)
        measureActivities(base + "/" + std::to_string(count), count);
    measureReminders(base + "/reminders");
    return 0;
}
