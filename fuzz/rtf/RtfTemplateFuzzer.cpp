// Runs the template engine over arbitrary template bytes and a fixed
// three-row mailing file: parsing, group repetition, line joining,
// placeholder expansion and writing must hold for any template.

#include "documents/MailingFile.h"
#include "documents/ProcessTplFile.h"
#include "documents/RtfText.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

class SilentPrompter : public velkora::Prompter {
public:
    unsigned ask(const velkora::Prompt& prompt) override { return velkora::defaultAnswer(prompt); }
    void beep(int) override {}
};

struct Setup {
    std::string folder;
    SilentPrompter prompter;

    Setup() {
        char templ[] = "/tmp/velkora-fuzz-rtf-XXXXXX";
        const char* made = mkdtemp(templ);
        folder = made ? made : "/tmp";
        velkora::setPrompter(&prompter);
        velkora::appState().MAILPATH = folder;
        using namespace velkora::documents;
        MailingFile& mailing = mailingFile();
        MailingFile::create(mailing.name());
        mailing.open(velkora::files::DbfTable::Access::Write);
        for (const char* name : {"Müller & Söhne {GmbH}", "Schmidt", "Weiß"}) {
            mailing.clear();
            mailing.rec.NAME1 = name;
            mailing.rec.MEMO = "Zeile\r\nZwei";
            mailing.add();
        }
        mailing.close();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Setup setup;
    const std::string templ = setup.folder + "/t.rtf";
    if (FILE* f = std::fopen(templ.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    // Half the runs show evaluator errors in the document.
    velkora::appState().SHOWERRORS = size % 2;
    velkora::documents::ProcessTplFile(setup.folder + "/out.rtf", templ, 1);
    velkora::documents::rtfText(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
