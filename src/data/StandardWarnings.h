#pragma once
// The standard warnings of the record layer, with texts and captions from
// section "STDWARN" of the environment file (English defaults), and the
// saved error state their descriptions are built from.
//
//   RecordErrorState();                                    // after a failed operation
//   ShowStandardWarning(Warn::LogoutError, "Delete", "QXADRESS");
//   if (ShowStandardWarning(Warn::StandardDelete) == ButtonOk) ...

#include "shared/Prompter.h"

#include <string>
#include <string_view>

namespace velkora::data {

enum class Warn : int {
    InvalidFile = 1,
    InvalidKey,
    RebuildError,
    CreateError,
    CreateOpenError,
    ProcedureToDo,
    BadKeyedRec,
    OutOfRangeHigh,
    OutOfRangeLow,
    OutOfRange,
    NotInFile,
    RestrictUpdate,
    RestrictDelete,
    InsertError,
    RIUpdateError,
    UpdateError,
    RIDeleteError,
    DeleteError,
    InsertDisabled,
    UpdateDisabled,
    DeleteDisabled,
    NoCreate,
    ConfirmCancel,
    DuplicateKey,
    AutoIncError,
    FileLoadError,
    ConfirmCancelLoad,
    FileZeroLength,
    EndOfASCIIQueue,
    DiskError,
    ProcessActionError,
    StandardDelete,
    SaveOnCancel,
    LogoutError,
    RecordFetchError,
    ViewOpenError,
    NewRecordAdded,
    RIFormUpdateError,
};

// Shows the warning and returns the button pressed. Warnings 1 to 5 end the
// application afterwards (the button is still returned, as a test handler returns).
unsigned ShowStandardWarning(Warn id, std::string_view target = {}, std::string_view other = {});

// The saved error state the descriptions are built from.
struct SavedErrorState {
    int code = 0;
    std::string text;
    int fileSystemCode = 0;
    std::string fileSystemText;
};
const SavedErrorState& savedErrorState();
// Saves the current error of the record layer and rolls back an open transaction.
void RecordErrorState();

} // namespace velkora::data
