#include "data/StandardWarnings.h"

#include "data/Errors.h"
#include "data/RecordFile.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <array>

namespace velkora::data {

namespace {

// How the message begins: %T target, %O other, %D the error description.
struct WarningDef {
    const char* key;
    const char* prefix;
    const char* text;
    const char* caption;
    unsigned buttons;
    unsigned defaultButton;
    Icon icon;
    const char* stopText; // the application ends with it (ids 1 to 5)
};

constexpr Icon I = Icon::Information;
constexpr Icon X = Icon::Exclamation;
constexpr unsigned YesNo = ButtonYes | ButtonNo;
constexpr unsigned YesNoCancel = ButtonYes | ButtonNo | ButtonCancel;
constexpr unsigned OkCancel = ButtonOk | ButtonCancel;

constexpr std::array<WarningDef, 38> kWarnings = {{
    {"InvalidFile", "%T: %D|", "Press OK to end this application.", "Invalid File", ButtonOk, 0, I,
     "Invalid File!"},
    {"InvalidKey", "%T ", "key file is invalid.|Do you want to rebuild the key?", "Invalid Key", YesNo,
     ButtonYes, X, nullptr},
    {"RebuildError", "%T: %D|", "trying to rebuild Key.|Press OK to end this application.",
     "Key Rebuild Error", ButtonOk, 0, I, "Error Rebuilding Key!"},
    {"CreateError", "%T: %D|", "Error creating File.|Press OK to end this application.",
     "File Creation Error", ButtonOk, 0, I, "File Creation Error!"},
    {"CreateOpenError", "%T: %D|", "Error opening created file.|Press OK to end this application.",
     "File Creation Error", ButtonOk, 0, I, "File Creation Error!"},
    {"ProcedureToDo", "%T|", "The Procedure has not been defined.", "Procedure not defined", ButtonOk, 0, I,
     nullptr},
    {"BadKeyedRec", "%D|", "Unable to read keyed record. Insert Aborted", "Record acces Error", ButtonOk, 0,
     I, nullptr},
    {"OutOfRangeHigh", "%T ; %O|", "Value must be lower to fit in Range.", "Range Error", ButtonOk, 0, I,
     nullptr},
    {"OutOfRangeLow", "%T ; %O|", "Value must be higher to fit in Range.", "Range Error", ButtonOk, 0, I,
     nullptr},
    {"OutOfRange", "%T ; %O|", "Value does not fit in Range.", "Range Error", ButtonOk, 0, I, nullptr},
    {"NotInFile", "%T ; %O|", "Value not found in File.", "Field Contents Error", ButtonOk, 0, I, nullptr},
    {"RestrictUpdate", "%T|",
     "File has references on this record.|Linking field(s) have been restricted from change and have been "
     "reset to "
     "original values.",
     "Referential Integrity Update Error", ButtonOk, 0, I, nullptr},
    {"RestrictDelete", "%T|",
     "File has references on this record.|This record cannot be deleted while these references exist.",
     "Referential Integrity Delete Error", ButtonOk, 0, I, nullptr},
    {"InsertError", "%D|", "An error was experienced during the update of this record.",
     "Record Insert Error", ButtonOk, 0, I, nullptr},
    {"RIUpdateError", "%T: %D|", "An error was experienced when attempting to update this record.",
     "Update Operation Error", ButtonOk, 0, I, nullptr},
    {"UpdateError", "", "An error was experienced changing this record.|Do you want to try to save again?",
     "Record Update Error", YesNoCancel, ButtonCancel, I, nullptr},
    {"RIDeleteError", "%T: %D|", "An error was experienced when attempting to delete this record.",
     "Delete Operation Error", ButtonOk, 0, I, nullptr},
    {"DeleteError", "", "An error was experienced deleting this record.|Do you want to try to delete again?",
     "Record Update Error", YesNoCancel, ButtonCancel, I, nullptr},
    {"InsertDisabled", "",
     "inserts are not allowed for this procedure.|Press OK to return to the calling procedure.",
     "Invalid Request", ButtonOk, 0, I, nullptr},
    {"UpdateDisabled", "",
     "changes are not allowed for this procedure.|Press OK to return to the calling procedure.",
     "Invalid Request", ButtonOk, 0, I, nullptr},
    {"DeleteDisabled", "",
     "deletions are not allowed for this procedure.|Press OK to return to the calling procedure.",
     "Invalid Request", ButtonOk, 0, I, nullptr},
    {"NoCreate", "%T|",
     "was not found, and creation of the file is not allowed.|Nothing is written. Press OK to return.",
     "File Creation Not Allowed", ButtonOk, 0, I, nullptr},
    {"ConfirmCancel", "", "Are you sure you want to cancel?", "Update Cancelled", YesNo, ButtonNo, X,
     nullptr},
    {"DuplicateKey", "%T|", "Adding this record creates key duplicates.", "Duplicate Key Error", ButtonOk, 0,
     I, nullptr},
    {"AutoIncError", "%D|", "Attempts to automatically number this record have failed.",
     "Auto Increment Error", ButtonRetry | ButtonCancel, ButtonCancel, I, nullptr},
    {"FileLoadError", "%D: %T|", "File Load Error.", "File Load Error", ButtonOk, 0, I, nullptr},
    {"ConfirmCancelLoad", "%T|", "Are you certain you want to stop loading?", "Cancel Request", OkCancel,
     ButtonCancel, X, nullptr},
    {"FileZeroLength", "%T|", "The file you've requested contains no text.", "File Load Error", ButtonOk, 0,
     I, nullptr},
    {"EndOfASCIIQueue", "", "The end of the viewed file was encountered.|Do you want to start again?",
     "End of File Error", YesNo, ButtonYes, X, nullptr},
    {"DiskError", "%D: %T|", "File could not be opened.", "File Access Error", ButtonOk, 0, I, nullptr},
    {"ProcessActionError", "%T %O: %D|", "An error was experienced during file processing.", "Process Error",
     ButtonOk, 0, I, nullptr},
    {"StandardDelete", "",
     "You've selected to delete the highlighted record.|Press OK to confirm deletion of this record.",
     "Confirm Delete", OkCancel, ButtonCancel, X, nullptr},
    {"SaveOnCancel", "", "Do you want to save the changes to this record?", "Update Cancelled", YesNoCancel,
     ButtonNo, X, nullptr},
    {"LogoutError", "%T : %O|%D|", "Error attempting to frame the transaction.|Transaction cancelled.",
     "Transaction Framing Error", ButtonOk, 0, I, nullptr},
    {"RecordFetchError", "%T: %D|", "Error attempting to acces a record.|Returning to previous window.",
     "Record Retrieval Error", ButtonOk, 0, I, nullptr},
    {"ViewOpenError", "%D|", "Error attempting to open the current VIEW.|Filter and Range Limits ignored.",
     "View Open Error", ButtonOk, 0, I, nullptr},
    {"NewRecordAdded", "", "This record has been added to the file.|Do you want to add another record?",
     "Record Added", YesNo, ButtonYes, X, nullptr},
    {"RIFormUpdateError", "", "This record was changed by another station.", "Update Operation Error",
     ButtonOk, 0, I, nullptr},
}};

SavedErrorState& saved() {
    static SavedErrorState state;
    return state;
}

std::string lookup(const char* prefix, const char* key, const char* fallback) {
    return profile::read(appState().envFilePath(), "STDWARN", std::string(prefix) + key, fallback);
}

// "text (code)", from the saved state or else the current error; the saved state is cleared.
std::string takeDescription() {
    SavedErrorState state = saved();
    if (state.code == 0) {
        const CurrentError& current = currentError();
        state = {current.code, current.text, current.fileSystemCode, current.fileSystemText};
    }
    saved() = SavedErrorState{};
    if (state.code == FileSystemError)
        return clip(state.fileSystemText) + " (" + std::to_string(state.fileSystemCode) + ")";
    return clip(state.text) + " (" + std::to_string(state.code) + ")";
}

int savedOrCurrentCode() {
    return saved().code != 0 ? saved().code : errorCode();
}

std::string expand(std::string_view pattern, std::string_view target, std::string_view other) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        switch (pattern[++i]) {
        case 'T':
            out += clip(target);
            break;
        case 'O':
            out += clip(other);
            break;
        default:
            out += takeDescription();
            break;
        }
    }
    return out;
}

} // namespace

unsigned ShowStandardWarning(Warn id, std::string_view target, std::string_view other) {
    const WarningDef& def = kWarnings.at(static_cast<std::size_t>(id) - 1);
    Prompt prompt;
    prompt.caption = lookup("Capt:", def.key, def.caption);
    const int code = savedOrCurrentCode();
    if (id == Warn::RIUpdateError && (code == 0 || code == RecordChanged)) {
        const WarningDef& changed = kWarnings.at(static_cast<std::size_t>(Warn::RIFormUpdateError) - 1);
        prompt.text = lookup("Warn:", changed.key, changed.text);
        saved() = SavedErrorState{};
    } else {
        prompt.text = expand(def.prefix, target, other) + lookup("Warn:", def.key, def.text);
    }
    prompt.icon = def.icon;
    prompt.buttons = def.buttons;
    prompt.defaultButton = def.defaultButton;
    const unsigned pressed = prompter().ask(prompt);
    if (def.stopText)
        endApplication(lookup("Capt:", def.key, def.stopText));
    else if (id == Warn::InvalidKey && pressed != ButtonYes)
        endApplication(lookup("Capt:", def.key, "Invalid Key!"));
    return pressed;
}

const SavedErrorState& savedErrorState() {
    return saved();
}

void RecordErrorState() {
    const CurrentError& current = currentError();
    saved() = {current.code, current.text, current.fileSystemCode, current.fileSystemText};
    if (Transaction* tx = Transaction::current())
        tx->rollback();
}

} // namespace velkora::data
