#pragma once
// Hands finished RTF documents to the word processor: LibreOffice saves each
// as a Word document under its .DOC name, then prints it (through a PDF and
// the system's print spooler) or opens it for editing. Many documents cost
// one LibreOffice start. Without LibreOffice the RTF files themselves go to
// the program the desktop associates with them and are the documents.
//
//   DocumentHandover handover({{{files, copies}}, print, printer, true});
//   handover.start();
//   while (!handover.poll()) ...           // from a window's timer, or handover.wait()
//   handover.documentNames()[0]            // what to record; "" when it failed
//
// Problems are told through the prompter when they happen; an RTF file is
// left where it is whatever goes wrong.

#include "documents/DocumentNames.h"
#include "documents/OfficeRun.h"

#include <string>
#include <vector>

namespace velkora::documents {

struct HandoverDocument {
    DocumentFiles files;
    int copies = 1;
};

struct HandoverRequest {
    // All in one folder: one call converts them all.
    std::vector<HandoverDocument> documents;
    bool print = false;
    std::string printer; // "": the system's default printer
    bool openForEditing = true;
};

class DocumentHandover {
public:
    explicit DocumentHandover(HandoverRequest request);
    ~DocumentHandover();
    DocumentHandover(const DocumentHandover&) = delete;
    DocumentHandover& operator=(const DocumentHandover&) = delete;

    void start();
    // True once everything is done; never blocks.
    bool poll();
    void wait();

    // Per document: the .DOC, the .RTF when LibreOffice is not installed,
    // "" when no document came of it.
    const std::vector<std::string>& documentNames() const { return names_; }
    // Per document: whether it went to the printer.
    const std::vector<bool>& printed() const { return printed_; }

private:
    enum class Stage { Idle, ToWord, ToPdf, Done };

    bool advance(bool block);
    void handToDesktop();
    void wordDocumentsMade(RunEnd end);
    void pdfsMade(RunEnd end);
    void startPdfs();
    void timedOut(const std::string& leftFile);
    void removePdfFolder();

    HandoverRequest request_;
    Stage stage_ = Stage::Idle;
    OfficeRun run_;
    std::string pdfFolder_;
    std::vector<std::string> names_;
    std::vector<bool> printed_;
};

} // namespace velkora::documents
