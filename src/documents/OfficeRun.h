#pragma once
// LibreOffice as the word processor, through its command line. Conversions
// run headless in a profile of the program's own: a headless LibreOffice
// that shared the user's profile would hand its work to the user's open
// LibreOffice and end without converting anything. Documents the user is
// to edit open in the user's own LibreOffice.
//
//   OfficeRun run;                          // one call converts many files
//   run.start({a.RTF, b.RTF}, kWordFormat, docsPath);
//   while (!run.poll()) ...                 // from a window's timer, or run.wait()
//   openInWriter(docsPath + "/0001700003.DOC");

#include "shared/ExternalProgram.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::documents {

// Word 97 documents under the extension ".DOC", and PDF for printing.
inline constexpr std::string_view kWordFormat = "DOC:MS Word 97";
inline constexpr std::string_view kPdfFormat = "pdf:writer_pdf_Export";

// The LibreOffice program on PATH; "" when it is not installed.
std::string officeProgram();

// The profile folder of the program's own conversions: velkora/libreoffice
// in the user's cache folder ($XDG_CACHE_HOME, else ~/.cache).
std::string conversionProfile();

// How long one call may take before it is given up. The first call after
// installation builds the profile, and a busy machine is slow: generous.
std::chrono::milliseconds& officeTimeout();

// The file `source` becomes in `outDir` in `format` (the extension is the
// format's part before ":").
std::string convertedName(const std::string& source, std::string_view format, const std::string& outDir);

enum class RunEnd { Finished, TimedOut, NotStarted };

// One headless LibreOffice call over a batch of files.
class OfficeRun {
public:
    // False when LibreOffice could not be started (error() tells why).
    bool start(const std::vector<std::string>& sources, std::string_view format, const std::string& outDir);
    // The end once reached; a run past the time-out is stopped. Never blocks.
    std::optional<RunEnd> poll();
    // Blocks until the run has ended or timed out.
    RunEnd wait();
    const std::string& error() const { return error_; }

private:
    ExternalProgram program_;
    std::chrono::steady_clock::time_point deadline_;
    std::optional<RunEnd> end_;
    std::string error_;
};

// Opens a document for editing in the user's own LibreOffice (which takes
// it into a running instance); it lives on by itself.
bool openInWriter(const std::string& path, std::string* error = nullptr);

// How a file is handed to the program the desktop associates with it:
// xdg-open, until the windows install the desktop's own opener.
std::function<bool(const std::string& path)>& associatedOpener();

} // namespace velkora::documents
