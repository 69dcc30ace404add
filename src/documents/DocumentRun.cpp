#include "documents/DocumentRun.h"

#include "documents/DocumentNames.h"
#include "documents/FileErrorMessage.h"
#include "documents/Letter.h"
#include "documents/MailingFile.h"
#include "documents/MailingFiller.h"
#include "shared/AppState.h"
#include "shared/Pictures.h"
#include "shared/Text.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

namespace velkora::documents {
namespace {

constexpr std::uint8_t kMergedLetterStatus = 1;
constexpr int kLastDocumentNumber = 99999;

std::int32_t numberIn(const std::string& field) {
    const std::string text = trim(field);
    std::int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string fiveDigits(int number) {
    return formatNumber("N05", number);
}

} // namespace

int copiesForRow(int copies, const MailingRecord& row) {
    return copies == kCopiesPerRow ? std::max(1, numberIn(row.ANZDRUCK)) : copies;
}

DocumentRun::DocumentRun(DocumentRunRequest request) : request_(std::move(request)) {}

DocumentRun::~DocumentRun() = default;

bool DocumentRun::start() {
    MailingFile& mailing = mailingFile();
    mailing.setName(request_.mailingList);
    if (files::FileError error = mailing.open(files::DbfTable::Access::Read)) {
        showFileError(error, "OPEN(QXAILADR)");
        return false;
    }
    mailing.rewind();
    while (!mailing.next())
        rows_.push_back(mailing.rec);
    mailing.close();
    return true;
}

bool DocumentRun::step(std::size_t rows) {
    return advance(rows, false);
}

void DocumentRun::runToEnd() {
    while (advance(kDocumentBatch, true)) {
    }
}

double DocumentRun::percent() const {
    return rows_.empty() ? 100.0 : 100.0 * static_cast<double>(next_) / static_cast<double>(rows_.size());
}

bool DocumentRun::advance(std::size_t rows, bool block) {
    if (handover_) {
        if (block)
            handover_->wait();
        else if (!handover_->poll())
            return true;
        finishBatch();
        return next_ < rows_.size();
    }
    for (std::size_t done = 0; done < rows && next_ < rows_.size() && batch_.size() < kDocumentBatch; ++done)
        prepare(rows_[next_++]);
    if (!batch_.empty() && (batch_.size() == kDocumentBatch || next_ == rows_.size())) {
        handOver(block);
        return true;
    }
    return next_ < rows_.size();
}

// Rows without an address number give no document.
void DocumentRun::prepare(const MailingRecord& row) {
    const std::int32_t adrnr = numberIn(row.ADRNR);
    const std::string prefix = trim(formatNumber("N05B", adrnr));
    if (prefix.empty())
        return;
    const std::string name = nextName(prefix);
    const DocumentFiles files = documentFiles(appState().DOCSPATH, prefix, name);
    mailingFile().setName(mailingFilePath(kDocumentMailingName));
    if (!FillMailingFileWithRow(row))
        return;
    std::error_code ignored;
    std::filesystem::remove(files.rtf, ignored);
    if (runTemplateHidden(files.rtf, request_.templateFile) != TemplateResult::Written)
        return;
    batch_.push_back({adrnr, name, copiesForRow(request_.copies, row), files});
}

// The documents of this run are not finished yet, so the folder alone does
// not tell which numbers the run has taken already.
std::string DocumentRun::nextName(const std::string& prefix) {
    const auto last = lastNumber_.find(prefix);
    int number = last == lastNumber_.end() ? numberIn(nextDocumentNumber(appState().DOCSPATH, prefix))
                                           : last->second + 1;
    while (number < kLastDocumentNumber &&
           fileExists(documentFiles(appState().DOCSPATH, prefix, fiveDigits(number)).doc))
        ++number;
    lastNumber_[prefix] = number;
    return fiveDigits(number);
}

void DocumentRun::handOver(bool block) {
    HandoverRequest handover{{}, request_.print, request_.printer, request_.openForEditing};
    for (const Pending& pending : batch_)
        handover.documents.push_back({pending.files, pending.copies});
    handover_ = std::make_unique<DocumentHandover>(std::move(handover));
    handover_->start();
    if (block) {
        handover_->wait();
        finishBatch();
    }
}

void DocumentRun::finishBatch() {
    for (std::size_t i = 0; i < batch_.size(); ++i) {
        const std::string& document = handover_->documentNames()[i];
        if (document.empty())
            continue;
        documents_.push_back(document);
        LetterRequest letter;
        letter.adrnr = batch_[i].adrnr;
        letter.templateFile = request_.templateFile;
        letter.title = request_.title;
        letter.name = batch_[i].name;
        letter.print = request_.print;
        letter.printer = request_.printer;
        letter.copies = batch_[i].copies;
        letter.saveActivity = request_.saveActivity;
        letter.activityStatus = kMergedLetterStatus;
        letter.operationCaptions = true;
        recorded_ = recordLetter(letter, document, handover_->printed()[i]) && recorded_;
    }
    batch_.clear();
    handover_.reset();
}

} // namespace velkora::documents
