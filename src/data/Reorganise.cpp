#include "data/Reorganise.h"

#include "data/RecordFile.h"
#include "data/Tables.h"
#include "shared/Prompter.h"

namespace velkora::data {

namespace {
constexpr const char* kCaption = "DataUtil";
} // namespace

bool reorganiseAddressFile() {
    // Opened directly, not through the counters: the windows' buffer stays untouched.
    File<Address> file;
    int code = file.open();
    // Damaged keys are what a reorganisation repairs: they do not stop it.
    if (code == InvalidKeyFile && file.rebuildKeys() == NoError)
        code = file.open();
    if (code != NoError) {
        ask("ERROR: OPEN QXADRESS", kCaption, Icon::Exclamation);
        return false;
    }
    file.set();
    for (;;) {
        const int code = file.next();
        if (code == RecordNotAvailable)
            break;
        if (code != NoError)
            ask("Error: [" + std::to_string(code) + "] " + errorText() +
                    "|ADR: " + std::to_string(file.rec.ADRNR),
                kCaption, Icon::Exclamation);
    }
    file.close();
    if (file.rebuildKeys() != NoError) {
        ask("Error: [" + std::to_string(errorCode()) + "] " + errorText(), kCaption, Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace velkora::data
