#pragma once
// The ASCII export of a mailing list: one line per row in file order, the
// values from M:STATUS to the memo block number without their trailing
// blanks, joined by ";", without a header line, in ANSI text.
//
// A value holding ";", a double quote or a line break goes in double quotes
// with its quotes doubled, so that it stays one column for whoever reads the
// file; every other value is written as it is, so plain rows read as ever.
//
//   AsciiExport run;
//   if (FileError error = run.open(listName, target)) ...
//   while (!run.done()) if (FileError error = run.step(1000)) ...;   // a batch at a time

#include "data/files/LineFile.h"
#include "documents/MailingFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velkora::documents {

std::string asciiExportValue(std::string_view value);
// The line of a row, in UTF-8.
std::string asciiExportLine(const MailingRecord& row);

class AsciiExport {
public:
    // Opens the mailing list for reading and creates the target anew.
    files::FileError open(const std::string& mailingList, const std::string& target);
    // Writes the lines of up to `rows` further rows.
    files::FileError step(std::uint32_t rows);
    bool done() const { return done_; }
    // How far the run is: records passed of the list's records.
    std::uint32_t passed() const { return list_.position(); }
    std::uint32_t total() const { return list_.count(); }
    std::uint32_t written() const { return written_; }

private:
    MailingFile list_;
    files::LineWriter out_;
    std::uint32_t written_ = 0;
    bool done_ = false;
};

// The whole export at once; `written` receives the number of lines.
files::FileError exportAscii(const std::string& mailingList, const std::string& target,
                             std::uint32_t* written = nullptr);

} // namespace velkora::documents
