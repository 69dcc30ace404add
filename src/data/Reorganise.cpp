#include "data/Reorganise.h"

#include "data/RecordFile.h"
#include "data/Tables.h"
#include "shared/Prompter.h"

namespace velkora::data {

namespace {
constexpr const char* kCaption = "DataUtil";
} // namespace

ReorganiseSummary reorganiseAddressFile() {
    ReorganiseSummary summary;
    // Opened directly, not through the counters: the windows' buffer stays untouched.
    File<Address> file;
    int code = file.open();
    // Damaged keys are what a reorganisation repairs: they do not stop it.
    if (code == InvalidKeyFile && file.rebuildKeys() == NoError)
        code = file.open();
    if (code != NoError) {
        ask("ERROR: OPEN QXADRESS", kCaption, Icon::Exclamation);
        return summary;
    }
    file.set();
    for (;;) {
        const int code = file.next();
        if (code == RecordNotAvailable)
            break;
        ++summary.records;
        if (code != NoError) {
            ++summary.unreadable;
            ask("Error: [" + std::to_string(code) + "] " + errorText() +
                    "|ADR: " + std::to_string(file.rec.ADRNR),
                kCaption, Icon::Exclamation);
        }
    }
    file.close();
    if (file.rebuildKeys() != NoError) {
        ask("Error: [" + std::to_string(errorCode()) + "] " + errorText(), kCaption, Icon::Exclamation);
        return summary;
    }
    summary.done = true;
    return summary;
}

} // namespace velkora::data
