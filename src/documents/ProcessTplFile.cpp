#include "documents/ProcessTplFile.h"

#include "data/StandardWarnings.h"
#include "data/expr/Evaluator.h"
#include "data/files/BlockFile.h"
#include "data/files/CodePage.h"
#include "documents/FileErrorMessage.h"
#include "documents/MailingFile.h"
#include "documents/PlaceholderValues.h"
#include "documents/Section.h"
#include "documents/TemplateParser.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"
#include "shared/Text.h"

#include <optional>

namespace velkora::documents {
namespace {

using files::FileError;

// Requests to the group handler, and its replies.
enum class Request { Notice = 0, BeforeHeader = 1, AfterHeader = 2, BeforeFooter = 3, AfterFooter = 4 };
constexpr std::string_view kRepeat = "LOOP";
constexpr std::string_view kInitNotice = "*#INIT#*";
constexpr std::string_view kEndNotice = "*#END#*";

class NoProgress : public ProcessProgress {
public:
    void opened(const std::string&, bool) override {}
    void setRange(std::uint64_t) override {}
    void advance(std::uint64_t) override {}
    void closed() override {}
};

class TemplateRun {
public:
    TemplateRun(std::string output, std::string templ, bool hidden, ProcessProgress& progress)
        : output_(std::move(output)), template_(std::move(templ)), hidden_(hidden), progress_(progress),
          values_(evaluator_, appState().SHOWERRORS != 0) {}

    ~TemplateRun() {
        writer_.close();
        if (mailingOpen_)
            mailingFile().closeShared();
        if (windowOpen_)
            progress_.closed();
    }

    TemplateResult run() {
        files::removeFile(output_);
        if (!openMailingFile() || !openOutput())
            return abandon();
        progress_.opened(output_, hidden_);
        windowOpen_ = true;

        std::optional<std::string> text = readTemplate();
        if (!text)
            return abandon();
        const std::string_view body = clipView(*text);
        const ParsedTemplate parsed = parseTemplate(body);
        if (!parsed.error.empty()) {
            ask(parsed.error, kEngineCaption, Icon::Information);
            return abandon();
        }
        if (!groupReply(kInitNotice, Request::Notice).empty())
            return abandon();

        if (parsed.groups.empty()) {
            progress_.setRange(body.size());
            writeSection(prepareSection(body), 0, true);
        } else if (!writeGroups(parsed.groups)) {
            return abandon();
        }
        if (FileError error = writer_.close())
            showFileError(error, std::to_string(parsed.groups.empty() ? 0 : 1));
        groupReply(kEndNotice, Request::Notice);
        return TemplateResult::Written;
    }

private:
    static std::string_view clipView(std::string_view text) {
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
        return text;
    }

    bool openMailingFile() {
        MailingFile& mailing = mailingFile();
        const bool openedHere = mailing.openCount() == 0;
        if (FileError error = mailing.openShared(files::DbfTable::Access::Read, true)) {
            showFileError(error, "OPEN(QXAILADR)");
            return false;
        }
        mailingOpen_ = true;
        if (openedHere) {
            mailing.rewind();
            if (mailing.next())
                mailing.clear();
        }
        scope_.emplace(evaluator_);
        source_.emplace(mailing.rec);
        evaluator_.bindRecord(*source_);
        evaluator_.bind("M:MEMO", mailing.rec.MEMO);
        return true;
    }

    bool openOutput() {
        if (FileError error = writer_.create(output_)) {
            showFileError(error, kEngineCaption);
            return false;
        }
        return true;
    }

    // A missing template is told with the warning of files that may not be
    // created; the run ends, the application goes on.
    std::optional<std::string> readTemplate() {
        files::BlockReader reader;
        if (FileError error = reader.open(template_)) {
            if (error.code == files::kFileNotFound)
                data::ShowStandardWarning(data::Warn::NoCreate, template_);
            else
                showFileError(error, kEngineCaption);
            return std::nullopt;
        }
        std::string text, block;
        while (!reader.next(block))
            text += block;
        return text;
    }

    std::string groupReply(std::string_view name, Request request) {
        if (name == kMailingGroup && request == Request::AfterHeader)
            return mailingFile().next() ? std::string() : std::string(kRepeat);
        return {};
    }

    // Asks the handler; an error reply is shown with the group as caption.
    // Returns the reply, or nullopt when the run must end.
    std::optional<std::string> askHandler(const TemplateGroup& group, Request request) {
        std::string reply = groupReply(group.name, request);
        if (reply.empty() || reply == kRepeat)
            return reply;
        velkora::ask(reply, files::ansiToUtf8(group.name), Icon::Information);
        return std::nullopt;
    }

    bool writeGroups(const std::vector<TemplateGroup>& groups) {
        progress_.setRange(2 * groups.size());
        std::vector<PreparedSection> headers, footers;
        for (const TemplateGroup& group : groups) {
            headers.push_back(prepareSection(group.header));
            footers.push_back(prepareSection(group.footer));
        }
        for (std::size_t i = 0; i < groups.size(); ++i)
            if (!writeGroupSection(groups[i], headers[i], i + 1, Request::BeforeHeader, Request::AfterHeader))
                return false;
        for (std::size_t i = groups.size(); i > 0; --i)
            if (!writeGroupSection(groups[i - 1], footers[i - 1], i, Request::BeforeFooter,
                                   Request::AfterFooter))
                return false;
        return true;
    }

    bool writeGroupSection(const TemplateGroup& group, const PreparedSection& section, std::size_t number,
                           Request before, Request after) {
        for (;;) {
            const auto first = askHandler(group, before);
            if (!first)
                return false;
            writeSection(section, number, false);
            const auto reply = askHandler(group, after);
            if (!reply)
                return false;
            if (reply->empty()) {
                progress_.advance(1);
                return true;
            }
        }
    }

    // Expands the section and appends it in pieces of at most 255 bytes; a
    // failed write is told with the group's number and writing goes on.
    void writeSection(const PreparedSection& section, std::size_t groupNumber, bool advancePerPiece) {
        expanded_.clear();
        for (const SectionPiece& piece : section.pieces) {
            // A literal's own blank ends a control word that an empty value left open.
            if (piece.literal.starts_with(' '))
                expanded_ += piece.literal;
            else
                appendApartFromControlWord(expanded_, piece.literal);
            if (piece.hasExpression)
                appendApartFromControlWord(expanded_, values_.rtf(piece.expression));
        }
        separateFromPreviousSection();
        const std::string_view text = expanded_;
        for (std::size_t pos = 0; pos < text.size(); pos += files::kBlockSize) {
            if (FileError error = writer_.write(text.substr(pos, files::kBlockSize)))
                showFileError(error, std::to_string(groupNumber));
            else
                wroteAnything_ = true;
            if (advancePerPiece)
                progress_.advance(files::kBlockSize);
        }
    }

    // A section that ended in a control word (\par) followed by one that starts
    // with a letter would glue the two into another control word; the template
    // had a line break or marker there, so a blank keeps them apart.
    void separateFromPreviousSection() {
        if (expanded_.empty())
            return;
        if (previousEndsInControlWord_ && expanded_[0] != ' ' && continuesControlWord(expanded_))
            expanded_.insert(0, 1, ' ');
        constexpr std::size_t kTail = 64; // longer than any control word
        tail_ = expanded_.size() >= kTail ? expanded_.substr(expanded_.size() - kTail) : tail_ + expanded_;
        if (tail_.size() > kTail)
            tail_.erase(0, tail_.size() - kTail);
        previousEndsInControlWord_ = endsInControlWord(tail_);
    }

    TemplateResult abandon() {
        writer_.close();
        if (!wroteAnything_)
            files::removeFile(output_);
        return TemplateResult::Abandoned;
    }

    std::string output_;
    std::string template_;
    bool hidden_;
    ProcessProgress& progress_;
    expr::Evaluator evaluator_;
    std::optional<MailingFieldSource> source_;
    std::optional<expr::BindingScope> scope_; // after the source: unbinds before it goes
    PlaceholderValues values_;
    files::BlockWriter writer_;
    std::string expanded_;
    std::string tail_; // the end of what was written, for separateFromPreviousSection
    bool previousEndsInControlWord_ = false;
    bool mailingOpen_ = false;
    bool windowOpen_ = false;
    bool wroteAnything_ = false;
};

} // namespace

TemplateResult ProcessTplFile(std::string_view outputFile, std::string_view templateFile, std::uint8_t hide,
                              ProcessProgress* progress) {
    NoProgress none;
    TemplateRun run(clip(outputFile), clip(templateFile), hide != 0, progress ? *progress : none);
    return run.run();
}

} // namespace velkora::documents
