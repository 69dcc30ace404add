// A mail merge into one document: a 50 KB template whose QXAIL group holds
// 20 placeholders, over a mailing file of 10,000 rows. Target: under 1 s.

#include "documents/MailingFile.h"
#include "documents/ProcessTplFile.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace velkora;
using namespace velkora::documents;

constexpr int kRows = 10000;

std::string makeFolder() {
    char templ[] = "/tmp/velkora-bench-documents-XXXXXX";
    const char* made = mkdtemp(templ);
    return made ? made : "/tmp";
}

void writeMailingFile() {
    MailingFile& mailing = mailingFile();
    MailingFile::create(mailing.name());
    mailing.open(files::DbfTable::Access::Write);
    for (int i = 0; i < kRows; ++i) {
        mailing.clear();
        MailingRecord& r = mailing.rec;
        r.ADRNR = std::to_string(i + 1);
        r.NAME0 = "Firma";
        r.NAME1 = "Müller & Söhne {GmbH} Nr. " + std::to_string(i);
        r.NAME2 = "Abteilung Einkauf";
        r.BRANR = "Sehr geehrte Damen und Herren,";
        r.STRASSE = "Hauptstraße " + std::to_string(i % 200 + 1);
        r.PLZ = std::to_string(80000 + i % 1000);
        r.ORT = i % 2 ? "München" : "Köln";
        r.LAND = "Deutschland";
        r.LD = "D";
        r.KNAME0 = "Frau";
        r.KNAME1 = "Anna Weiß";
        r.KTART = "Einkauf";
        r.TEL = "089 1234567";
        r.FAX = "089 1234568";
        r.EMAIL = "einkauf@example.de";
        r.DOCTITLE = "Angebot";
        r.BEMERKUNG = "Kunde seit 1999, bevorzugt Lieferung am Vormittag.";
        if (i % 10 == 0)
            r.MEMO = "Rückruf erbeten.\r\nZweite Zeile.";
        mailing.add();
    }
    mailing.close();
}

// 50 KB: a long RTF preamble before the group, the group, a closing part.
std::string makeTemplate() {
    std::string head =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times;}}\r\n";
    while (head.size() < 46000)
        head += "{\\*\\revtbl {Unknown;}}\\pard\\plain\\s0\\f0\\fs22 Stilvorlage und Kopfbereich des "
                "Briefes\\par\r\n";
    const char* fields[] = {"NAME0", "NAME1", "NAME2",    "BRANR",     "STRASSE", "PLZ", "ORT",
                            "LAND",  "LD",    "KNAME0",   "KNAME1",    "KTART",   "TEL", "FAX",
                            "EMAIL", "ADRNR", "DOCTITLE", "BEMERKUNG", "KZUSATZ", "MEMO"};
    std::string body = "<%LOOP(QXAIL)%>\r\n\\par ";
    for (const char* field : fields)
        body += "{\\b " + std::string(field) + ":} <#M:" + field + "#>\\tab\r\n";
    body += "\\page\r\n<%ENDLOOP%>\r\n";
    std::string tail = "\\par Ende der Serie\\par\r\n}\r\n";
    while (head.size() + body.size() + tail.size() < 50 * 1024)
        tail.insert(0, "{\\*\\generator Velkora;}\r\n");
    return head + body + tail;
}

class SilentPrompter : public Prompter {
public:
    unsigned ask(const Prompt& prompt) override { return defaultAnswer(prompt); }
    void beep(int) override {}
};

void BM_MailMergeIntoOneDocument(benchmark::State& state) {
    SilentPrompter prompter;
    setPrompter(&prompter);
    const std::string folder = makeFolder();
    appState().MAILPATH = folder;
    writeMailingFile();
    const std::string templ = folder + "/Serie.rtf";
    std::ofstream(templ, std::ios::binary) << makeTemplate();
    const std::string output = folder + "/Serie-out.rtf";

    for (auto _ : state) {
        if (ProcessTplFile(output, templ, 1) != TemplateResult::Written)
            state.SkipWithError("the document was not written");
    }
    state.counters["template_bytes"] = static_cast<double>(std::filesystem::file_size(templ));
    state.counters["output_MB"] = static_cast<double>(std::filesystem::file_size(output)) / 1e6;
    state.counters["rows"] = kRows;
    setPrompter(nullptr);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_MailMergeIntoOneDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
