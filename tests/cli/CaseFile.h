#pragma once
// Expected-output files of velkora-cli: one file per command, many cases each.
//
//   === an unbound name fails          title of the case
//   @ remove ORB.INI                   set-up step on the workspace copy
//   @ in MAIL                          call the program in this subfolder
//   @ path {WS}/BIN:/usr/bin:/bin      call it with this PATH
//   @ program xdg-email 3              a recorder first on PATH (in BIN) that notes
//                                      its arguments in BIN/xdg-email.args, ends with 3
//   $ eval "F:X & 'a'"                 the arguments, quoted like a shell
//   ! [801] ...                        expected standard error, line by line
//   > ...                              expected standard output, line by line
//   ? 1                                expected exit status
//   & DOCS/brief.rtf                   a file the run must leave, with
//   | ...                              this content, line by line (the
//                                      last line ends the file)
//
// {WS} stands for the workspace folder. In expected output a tab is written
// ⇥ and a carriage return ␍, so that every byte is visible.

#include <ostream>
#include <string>
#include <vector>

namespace velkora::test {

struct CliCase {
    std::string name; // unique test name: file and title
    std::vector<std::vector<std::string>> setup;
    std::vector<std::string> args;
    std::string out;
    std::string err;
    int status = 0;
    // Files the run leaves: name and expected content.
    std::vector<std::pair<std::string, std::string>> files;
};

// Names the case in test failures (instead of its bytes).
void PrintTo(const CliCase& c, std::ostream* os);

// Every case of every "*.cases" file in `folder`, in file order.
std::vector<CliCase> loadCases(const std::string& folder);

// Splits a line into words: blanks separate, '...' is literal, "..." keeps
// blanks and knows \" (other backslashes stay, as RTF needs them).
std::vector<std::string> splitWords(const std::string& line);

// Output as the expected files write it (see above).
std::string visible(const std::string& output);

} // namespace velkora::test
