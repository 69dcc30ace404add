#pragma once
// The mail-merge document run: one letter per row of a mailing list, in file
// order. Each row becomes an RTF file from the template (the row alone is the
// document's data), named with the row's address prefix and the next free
// document number; LibreOffice then takes a whole batch of them in one call,
// saving each as .DOC and printing it or opening it for editing. With
// activities each letter is recorded in its address's history (status 1).
//
//   DocumentRun run({list, templateFile, "Document", false, "", 1, true});
//   if (run.start())
//       while (run.step(kDocumentRowsPerStep)) showPercent(run.percent());
//   run.documents();                        // the .DOC files made
//
// Stopping between two steps cancels: the rows not reached get no document.

#include "documents/DocumentHandover.h"
#include "documents/MailingRecord.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace velkora::documents {

// Copies taken from each row's M:ANZDRUCK.
inline constexpr int kCopiesPerRow = -1;

struct DocumentRunRequest {
    std::string mailingList; // the table's full name
    std::string templateFile;
    std::string title;
    bool print = false;
    std::string printer; // "": the system's default printer
    int copies = 1;      // or kCopiesPerRow
    bool saveActivity = false;
    bool openForEditing = true; // letters not printed; false: only saved
};

// Rows handed to LibreOffice in one call.
inline constexpr std::size_t kDocumentBatch = 50;
// Rows a window prepares between two looks at its events.
inline constexpr std::size_t kDocumentRowsPerStep = 5;

class DocumentRun {
public:
    explicit DocumentRun(DocumentRunRequest request);
    ~DocumentRun();
    DocumentRun(const DocumentRun&) = delete;
    DocumentRun& operator=(const DocumentRun&) = delete;

    // Reads the mailing list's rows; false (the message shown) when it cannot.
    bool start();
    // Prepares up to `rows` further documents, or looks after LibreOffice
    // working on a batch; false once the run has ended. Never blocks.
    bool step(std::size_t rows);
    // Everything at once, waiting for LibreOffice.
    void runToEnd();

    double percent() const;
    std::size_t rowCount() const { return rows_.size(); }
    // The documents made: .DOC files (the RTF without LibreOffice).
    const std::vector<std::string>& documents() const { return documents_; }
    // False when recording a letter failed (the message was shown).
    bool recorded() const { return recorded_; }

private:
    struct Pending {
        std::int32_t adrnr = 0;
        std::string name;
        int copies = 1;
        DocumentFiles files;
    };

    bool advance(std::size_t rows, bool block);
    void prepare(const MailingRecord& row);
    std::string nextName(const std::string& prefix);
    void handOver(bool block);
    void finishBatch();

    DocumentRunRequest request_;
    std::vector<MailingRecord> rows_;
    std::size_t next_ = 0;
    std::vector<Pending> batch_;
    std::unique_ptr<DocumentHandover> handover_;
    std::map<std::string, int> lastNumber_; // per prefix, of this run
    std::vector<std::string> documents_;
    bool recorded_ = true;
};

// Copies for one row: the given number, or with kCopiesPerRow its M:ANZDRUCK (at least 1).
int copiesForRow(int copies, const MailingRecord& row);

} // namespace velkora::documents
