#pragma once
// The outcome of an operation on a dBase, line or block file: the runtime
// error number the program's messages show (0 = none) and a text.
//   2 file not found, 5 access denied, 32 file is locked, 33 record not
//   available (end of file), 36 invalid data file, 37 file not open,
//   57 invalid memo file, 90 file system error.

#include <string>

namespace velkora::files {

struct FileError {
    int code = 0;
    std::string text;

    explicit operator bool() const { return code != 0; }
};

inline constexpr int kFileNotFound = 2;
inline constexpr int kAccessDenied = 5;
inline constexpr int kFileLocked = 32;
inline constexpr int kRecordNotAvailable = 33;
inline constexpr int kInvalidDataFile = 36;
inline constexpr int kFileNotOpen = 37;
inline constexpr int kInvalidMemoFile = 57;
inline constexpr int kFileSystemError = 90;

} // namespace velkora::files
