#pragma once
// ASCII line files: one text line per record, as text import, mailing-list
// export and e-mail lists use them. Lines are bytes in the caller's code
// page (convert with CodePage.h); a record holds at most 1,024 of them.
//
//   LineWriter out;  out.create(path);  out.write("a;b;c");
//   LineReader in;   in.open(path);     for (std::string line; !in.next(line);) ...

#include "data/files/AppendingFile.h"
#include "data/files/FileError.h"
#include "data/files/FileHandle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velkora::files {

inline constexpr std::size_t kLineRecordSize = 1024;

class LineReader {
public:
    FileError open(const std::string& path);
    void close();
    // The next line without its CR LF (or LF); a longer line comes in pieces
    // of kLineRecordSize bytes. kRecordNotAvailable at the end of the file.
    FileError next(std::string& line);

private:
    bool fill();
    FileHandle file_;
    std::uint64_t offset_ = 0;
    std::string buffer_;
    std::size_t used_ = 0;
    bool eof_ = false;
    FileError error_;
};

// Lines are written in blocks (AppendingFile.h), so a failure may show with
// a later line or with close(); a writer that goes out of scope writes what
// it holds.
class LineWriter {
public:
    // Creates the file anew (an existing one is replaced).
    FileError create(const std::string& path) { return file_.create(path); }
    // Writes the lines still held and closes the file.
    FileError close() { return file_.close(); }
    // Writes the line, cut at kLineRecordSize bytes, with CR LF.
    FileError write(std::string_view line);

private:
    AppendingFile file_;
};

} // namespace velkora::files
