#include "data/Errors.h"

namespace velkora::data {

namespace {
thread_local CurrentError current;
} // namespace

std::string errorTextOf(int code) {
    switch (code) {
    case NoError:
        return {};
    case FileNotFound:
        return "File Not Found";
    case FileLocked:
        return "File Is Already Locked";
    case RecordNotAvailable:
        return "Record Not Available";
    case RecordNotFound:
        return "Record Not Found";
    case FileNotOpen:
        return "File Not Open";
    case DuplicateKeyError:
        return "Creates Duplicate Key";
    case InvalidKeyFile:
        return "Invalid Key File";
    case InvalidRecordDeclaration:
        return "Invalid Record Declaration";
    case FileAlreadyOpen:
        return "File Already Open";
    case RecordChanged:
        return "Record Changed By Another Station";
    case FileSystemError:
        return "File System Error";
    default:
        return "Error " + std::to_string(code);
    }
}

const CurrentError& currentError() {
    return current;
}
int errorCode() {
    return current.code;
}
std::string errorText() {
    return current.text;
}
std::string errorFile() {
    return current.file;
}
std::string errorKey() {
    return current.key;
}

void setCurrentError(CurrentError error) {
    if (error.code != NoError && error.text.empty())
        error.text = errorTextOf(error.code);
    current = std::move(error);
}

void clearCurrentError() {
    current = CurrentError{};
}

} // namespace velkora::data
