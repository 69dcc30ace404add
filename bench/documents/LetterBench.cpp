// One letter from "Create" to the .DOC on disk, on the demo workspace with
// the real LibreOffice: with no LibreOffice running (a fresh profile of the
// program's own, then the profile made), and while the user's LibreOffice
// runs; and the mail-merge document run of 200 letters. "window_blocked_ms" is the part the window waits for
// (mailing file and template engine); LibreOffice runs beside the polling window.

#include "app/DemoWorkspace.h"
#include "app/Startup.h"
#include "data/FileServices.h"
#include "documents/DocumentHandover.h"
#include "documents/DocumentRun.h"
#include "documents/Letter.h"
#include "documents/MailingFile.h"
#include "documents/TemplateList.h"
#include "shared/AppState.h"
#include "shared/ExternalProgram.h"
#include "shared/Prompter.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

using namespace velkora;
using namespace velkora::documents;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Answers every question with its default and says nothing.
class SilentPrompter : public Prompter {
public:
    unsigned ask(const Prompt& prompt) override { return defaultAnswer(prompt); }
    void beep(int) override {}
};

struct Workspace {
    Workspace() {
        char templ[] = "/tmp/velkora-bench-letter-XXXXXX";
        folder = ::mkdtemp(templ);
        ::setenv("HOME", (folder + "/home").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (folder + "/cache").c_str(), 1);
        setPrompter(&prompter);
        std::string error;
        app::ensureDemoWorkspace(folder + "/ws", error);
        app::runStartup(folder + "/ws");
        data::File<data::Address> adr;
        adr.open();
        adr.rec.ADRNR = 2;
        adr.get(*data::Address::table().key("QXADRES1"));
        address = adr.rec;
        adr.close();
    }
    ~Workspace() {
        setPrompter(nullptr);
        fs::remove_all(folder);
    }

    SilentPrompter prompter;
    std::string folder;
    data::Address address;
    int made = 0;
};

Workspace& workspace() {
    static Workspace ws;
    return ws;
}

// Create pressed: the checks, the mailing file, the template engine; then
// LibreOffice polled as the window's timer does until the .DOC is there.
void createLetter(benchmark::State& state) {
    Workspace& ws = workspace();
    LetterRequest request;
    request.adrnr = ws.address.ADRNR;
    request.templateFile = listTemplates(appState().TMPLPATH).front().TMPLFILENAME;
    request.title = "Ihre Anfrage über Größen";
    request.name = "B" + std::to_string(++ws.made);
    request.saveActivity = true;
    const auto pressed = Clock::now();
    if (checkLetter(request))
        return state.SkipWithError("refused");
    const PreparedLetter letter = prepareLetter(request, ws.address);
    const auto prepared = Clock::now();
    DocumentHandover handover({{{letter.files, 1}}, false, "", false});
    handover.start();
    while (!handover.poll())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const auto done = Clock::now();
    if (handover.documentNames().front().empty() || !fs::exists(letter.files.doc))
        return state.SkipWithError("no .DOC");
    recordLetter(request, letter.files.doc, false);
    using ms = std::chrono::duration<double, std::milli>;
    state.SetIterationTime(std::chrono::duration<double>(done - pressed).count());
    state.counters["window_blocked_ms"] = ms(prepared - pressed).count();
}

void BM_FirstLetterWithAFreshProfile(benchmark::State& state) {
    for (auto _ : state) {
        fs::remove_all(conversionProfile());
        createLetter(state);
    }
}

void BM_LetterWithNoLibreOfficeRunning(benchmark::State& state) {
    for (auto _ : state)
        createLetter(state);
}

void BM_LetterWhileTheUsersLibreOfficeRuns(benchmark::State& state) {
    ExternalProgram user;
    ProgramOptions options;
    options.ownProcessGroup = true;
    user.start("soffice", {"--headless", "--norestore"}, options);
    const fs::path lock = fs::path(std::getenv("HOME")) / ".config/libreoffice/4/.lock";
    for (int tries = 0; tries < 6000 && !fs::exists(lock); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    for (auto _ : state)
        createLetter(state);
    user.stop();
}

// The mail-merge document run over a list of 200 rows (the demo's addresses
// in turn) to 200 .DOC files, LibreOffice started once per batch.
void BM_DocumentRunOf200Letters(benchmark::State& state) {
    workspace();
    constexpr int kRows = 200;
    constexpr int kAddresses = 26;
    const std::string list = mailingFilePath("Bench200");
    MailingFile::create(list);
    MailingFile rows;
    rows.setName(list);
    rows.open(files::DbfTable::Access::Write);
    for (int i = 0; i < kRows; ++i) {
        rows.clear();
        rows.rec.ADRNR = std::to_string(i % kAddresses + 1);
        rows.rec.NAME1 = "Empfänger " + std::to_string(i + 1);
        rows.rec.ORT = "München";
        rows.add();
    }
    rows.close();
    for (auto _ : state) {
        const auto started = Clock::now();
        DocumentRun run({list, listTemplates(appState().TMPLPATH).back().TMPLFILENAME, "Rundbrief", false, "",
                         1, false, false});
        run.start();
        while (run.step(kDocumentRowsPerStep)) // as the progress window's timer does
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - started).count());
        if (run.documents().size() != kRows)
            return state.SkipWithError("not every letter made");
    }
}

BENCHMARK(BM_FirstLetterWithAFreshProfile)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_LetterWithNoLibreOfficeRunning)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_LetterWhileTheUsersLibreOfficeRuns)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
BENCHMARK(BM_DocumentRunOf200Letters)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace

BENCHMARK_MAIN();
