#pragma once
// The writing steps every record form shares, with their standard warnings.
// The form has validated, numbered and stamped the buffer before.

#include "data/RecordFile.h"
#include "ui/form/UpdateForm.h"

#include <functional>
#include <string_view>

namespace velkora::form {

// Insert: adds the buffer. A duplicate unique key shows DuplicateKey with
// `duplicateText` ("Adr.Nr"), any other error InsertError; both keep the form open.
SaveOutcome addRecord(data::RecordFile& file, std::string_view duplicateText);

// Change: writes the buffer with its dependants when `changed`. A failure
// asks UpdateError: Yes writes again, No gives up, Cancel keeps the form
// open. A record another station changed meanwhile was announced by the
// integrity layer and is in the buffer now: `showOtherVersion` puts it into
// the form, which stays open.
SaveOutcome updateRecord(data::RecordFile& file, bool changed, const std::function<void()>& showOtherVersion);

// A delete request (no window): asks StandardDelete, then deletes with
// `deleteRecord` (0 deleted) under a busy cursor; a failure asks DeleteError,
// Yes tries again. Returns the response: 1 deleted, 2 not.
int confirmAndDelete(const std::function<int()>& deleteRecord);

// The busy cursor while a write runs.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace velkora::form
