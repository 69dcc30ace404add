#pragma once
// One letter for one address, as the document window, "velkora-cli letter"
// and the mail-merge document run make it: the checks, the mailing file
// "_MAIL1" filled with the address (and a contact person), the template
// engine writing the intermediate RTF file, the word processor taking it
// (DocumentHandover.h), and the letter recorded in the address's history.
//
//   if (checkLetter(request)) return;                        // told; focus that field
//   PreparedLetter letter = prepareLetter(request, address);   // RTF written
//   DocumentHandover handover({{{letter.files, request.copies}}, ...});
//   handover.start(); handover.wait();
//   recordLetter(request, handover.documentNames()[0], handover.printed()[0]);
//
// createLetter() does all of it in one call, for callers without a window.

#include "data/Tables.h"
#include "documents/DocumentNames.h"
#include "documents/ProcessTplFile.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace velkora::documents {

struct LetterRequest {
    std::int32_t adrnr = 0;
    std::int32_t tkpnr = 0; // the contact person to take into the letter; 0: none
    std::string templateFile;
    std::string title; // the document title, M:DOCTITLE and the activity's title
    std::string name;  // the document name after the address prefix
    bool print = false;
    std::string printer;
    int copies = 1;
    bool saveActivity = true;
    std::uint8_t activityStatus = 0; // the recorded activity's status (mail merge: 1)
    // Mail merge tells a failed write in a box captioned with the operation
    // and the file ("PUT(QXADRESS)", "ADD(QXADRAKT)") instead of the standard warnings.
    bool operationCaptions = false;
};

// The field a failed check concerns.
enum class LetterField { Template, Title, Name };

// The checks in their order, each telling its message: template, title,
// name, a name that would not stay in the documents folder.
std::optional<LetterField> checkLetter(const LetterRequest& request);

enum class Prepared {
    Ready,    // the RTF file is written
    Declined, // the document exists and is not to be overwritten: nothing was written
    Failed,   // a message told why
};

struct PreparedLetter {
    Prepared result = Prepared::Failed;
    DocumentFiles files;
};

// Runs the template engine: hidden without a window, in ProcessingWin in one.
using TemplateRunner =
    std::function<TemplateResult(const std::string& output, const std::string& templateFile)>;
TemplateResult runTemplateHidden(const std::string& output, const std::string& templateFile);

// Fills the mailing file and writes the intermediate RTF file into DocsPath,
// asking before an existing document of the name is overwritten.
PreparedLetter prepareLetter(const LetterRequest& request, const data::Address& address,
                             const TemplateRunner& runTemplate = runTemplateHidden);

// With request.saveActivity and an address: the address's first and last
// contact dates, and the letter as an activity (kind 1, no to-do). False
// when a write failed; the standard warning told so.
bool recordLetter(const LetterRequest& request, const std::string& documentName, bool printed);

struct CreatedLetter {
    std::string document; // the .DOC, or the .RTF without LibreOffice
    bool recorded = true; // false when recording it failed (the warning told so)
};

// Every step without a window; nullopt when no document was made.
std::optional<CreatedLetter> createLetter(const LetterRequest& request, const data::Address& address);

} // namespace velkora::documents
