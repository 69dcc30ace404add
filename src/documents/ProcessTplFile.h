#pragma once
// The template engine: turns a rich-text template into a finished document.
// It copies the template through byte for byte, replaces every placeholder
// "<#" expression "#>" by its value over the mailing record (M:NAME1, M:MEMO
// ...), and repeats the header of the group "QXAIL" once more for every
// further row of the mailing file. It reports progress to an observer and
// needs no window, so documents can be made from tests and batch jobs;
// ProcessingWin shows the same progress on screen.
//
//   mailingFile().setName(mailingFilePath(kDocumentMailingName));
//   FillMailingFileForAddress(...);                    // or a mailing list
//   ProcessTplFile(docsPath + "/17-0001.RTF", tmplPath + "/Brief.RTF", 0);
//
// The mailing file in effect is opened (created when missing) unless the
// caller has it open already: then the row in the buffer is the first one
// written and the group reads on from there. Opened here, the first row is
// read into the buffer.

#include <cstdint>
#include <string>
#include <string_view>

namespace velkora::documents {

inline constexpr std::string_view kMailingGroup = "QXAIL";
inline constexpr std::string_view kEngineCaption = "ProcessTplFile";

// What a run shows of itself.
class ProcessProgress {
public:
    virtual ~ProcessProgress() = default;
    // The run starts writing `outputName`; `hidden` when no window is wanted.
    virtual void opened(const std::string& outputName, bool hidden) = 0;
    virtual void setRange(std::uint64_t total) = 0;
    virtual void advance(std::uint64_t by) = 0;
    virtual void closed() = 0;
};

enum class TemplateResult {
    Written,   // the document is complete
    Abandoned, // a message told why; a document abandoned before its first byte is removed
};

// Output and template names lose their trailing blanks. Problems are shown
// through the prompter; the result only tells callers whether to go on.
TemplateResult ProcessTplFile(std::string_view outputFile, std::string_view templateFile, std::uint8_t hide,
                              ProcessProgress* progress = nullptr);

} // namespace velkora::documents
