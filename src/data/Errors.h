#pragma once
// Error numbers of the record layer, as the runtime reports them, and the
// current error of the thread (set by every record-file operation).
//
//   if (file.next() == RecordNotAvailable) ...   // end of the key range
//   errorCode(), errorText()                      // the last operation's error

#include <string>

namespace velkora::data {

enum ErrorCode : int {
    NoError = 0,
    FileNotFound = 2,
    FileLocked = 32,
    RecordNotAvailable = 33, // end of a key range or of a view
    RecordNotFound = 35,     // get by key or by position found nothing
    FileNotOpen = 37,
    DuplicateKeyError = 40,        // add or put would duplicate a unique key (errorKey() names it)
    InvalidKeyFile = 46,           // the keys must be rebuilt
    InvalidRecordDeclaration = 47, // the file on disk has another layout
    FileAlreadyOpen = 52,
    RecordChanged = 89,   // written by another station since it was read
    FileSystemError = 90, // the driver's own code and text are in the fs fields
};

// The runtime's text of an error number.
std::string errorTextOf(int code);

// The last error of this thread.
struct CurrentError {
    int code = 0;
    std::string text;
    int fileSystemCode = 0; // driver code, when code is 90
    std::string fileSystemText;
    std::string file; // full name of the file concerned
    std::string key;  // "ADR:QXADRES1" for a duplicate key
};

const CurrentError& currentError();
int errorCode();
std::string errorText();
std::string errorFile();
std::string errorKey();
// Sets the current error (driver code); code 0 clears it.
void setCurrentError(CurrentError error);
void clearCurrentError();

} // namespace velkora::data
