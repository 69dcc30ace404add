#include "documents/DocumentHandover.h"

#include "i18n/Messages.h"
#include "shared/Text.h"

#include <cstdlib>
#include <filesystem>

namespace velkora::documents {
namespace {

namespace fs = std::filesystem;

constexpr auto kPrintTimeout = std::chrono::minutes(1);

void tell(std::string_view id, std::string_view defaultText, std::initializer_list<std::string_view> values) {
    i18n::ShowMessageWith(id, Icon::Exclamation, defaultText, values);
}

bool exists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::string folderOf(const std::string& path) {
    return fs::path(path).parent_path().string();
}

} // namespace

DocumentHandover::DocumentHandover(HandoverRequest request)
    : request_(std::move(request)), names_(request_.documents.size()),
      printed_(request_.documents.size(), false) {}

DocumentHandover::~DocumentHandover() {
    removePdfFolder();
}

void DocumentHandover::start() {
    if (request_.documents.empty()) {
        stage_ = Stage::Done;
        return;
    }
    if (officeProgram().empty()) {
        handToDesktop();
        return;
    }
    std::vector<std::string> sources;
    for (const HandoverDocument& document : request_.documents) {
        // Overwriting was agreed to; a document that is there afterwards is new.
        std::error_code ignored;
        fs::remove(document.files.doc, ignored);
        sources.push_back(document.files.rtf);
    }
    if (!run_.start(sources, kWordFormat, folderOf(sources.front()))) {
        tell("M.DOC_WPERROR", "Word processor", {sources.front()});
        stage_ = Stage::Done;
        return;
    }
    stage_ = Stage::ToWord;
}

bool DocumentHandover::poll() {
    return advance(false);
}

void DocumentHandover::wait() {
    advance(true);
}

bool DocumentHandover::advance(bool block) {
    while (stage_ == Stage::ToWord || stage_ == Stage::ToPdf) {
        const std::optional<RunEnd> end = block ? std::optional(run_.wait()) : run_.poll();
        if (!end)
            return false;
        if (stage_ == Stage::ToWord)
            wordDocumentsMade(*end);
        else
            pdfsMade(*end);
    }
    return stage_ == Stage::Done;
}

void DocumentHandover::handToDesktop() {
    for (std::size_t i = 0; i < request_.documents.size(); ++i) {
        const std::string& rtf = request_.documents[i].files.rtf;
        names_[i] = rtf;
        if (!associatedOpener()(rtf))
            tell("M.DOC_OPENERROR", "Open", {rtf});
    }
    stage_ = Stage::Done;
}

void DocumentHandover::wordDocumentsMade(RunEnd end) {
    stage_ = Stage::Done;
    if (end == RunEnd::TimedOut) {
        timedOut(request_.documents.front().files.rtf);
        return;
    }
    for (std::size_t i = 0; i < request_.documents.size(); ++i) {
        const DocumentFiles& files = request_.documents[i].files;
        if (exists(files.doc))
            names_[i] = files.doc;
        else
            tell("M.DOC_WPERROR", "Word processor", {files.rtf});
    }
    if (request_.print) {
        startPdfs();
    } else if (request_.openForEditing) {
        for (const std::string& name : names_)
            if (!name.empty() && !openInWriter(name))
                tell("M.DOC_OPENERROR", "Open", {name});
    }
}

void DocumentHandover::startPdfs() {
    std::vector<std::string> sources;
    for (const std::string& name : names_)
        if (!name.empty())
            sources.push_back(name);
    if (sources.empty())
        return;
    std::string pattern = (fs::temp_directory_path() / "velkora-print-XXXXXX").string();
    if (!::mkdtemp(pattern.data()) || !run_.start(sources, kPdfFormat, pattern)) {
        tell("M.DOC_PRINTERROR", "Print", {sources.front()});
        return;
    }
    pdfFolder_ = pattern;
    stage_ = Stage::ToPdf;
}

void DocumentHandover::pdfsMade(RunEnd end) {
    stage_ = Stage::Done;
    if (end == RunEnd::TimedOut) {
        timedOut(names_.front());
        removePdfFolder();
        return;
    }
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].empty())
            continue;
        const std::string pdf = convertedName(names_[i], kPdfFormat, pdfFolder_);
        std::vector<std::string> args;
        if (!request_.printer.empty())
            args = {"-d", request_.printer};
        args.insert(args.end(), {"-n", std::to_string(std::max(1, request_.documents[i].copies)), pdf});
        std::string error;
        const auto status = exists(pdf) ? runProgram("lp", args, kPrintTimeout, &error) : std::nullopt;
        printed_[i] = status == 0;
        if (!printed_[i])
            tell("M.DOC_PRINTERROR", "Print", {names_[i]});
    }
    removePdfFolder();
}

void DocumentHandover::timedOut(const std::string& leftFile) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(officeTimeout()).count();
    tell("M.DOC_WPTIMEOUT", "Word processor", {std::to_string(seconds), leftFile});
}

void DocumentHandover::removePdfFolder() {
    if (pdfFolder_.empty())
        return;
    std::error_code ignored;
    fs::remove_all(pdfFolder_, ignored);
    pdfFolder_.clear();
}

} // namespace velkora::documents
