#include "documents/AsciiExport.h"

#include "data/files/CodePage.h"
#include "shared/Text.h"

namespace velkora::documents {
namespace {

// M:STATUS, the first field of the export.
constexpr std::size_t kFirstExported = 3;

} // namespace

std::string asciiExportValue(std::string_view value) {
    const std::string_view text = clipped(value);
    if (text.find_first_of(";\"\r\n") == std::string_view::npos)
        return std::string(text);
    return '"' + replaceAll(text, "\"", "\"\"") + '"';
}

std::string asciiExportLine(const MailingRecord& row) {
    const auto& fields = mailingTextFields();
    std::string line;
    for (std::size_t i = kFirstExported; i < fields.size(); ++i) {
        line += asciiExportValue(row.*fields[i].member);
        line += ';';
    }
    line += std::to_string(row.MEMO_PTR);
    return line;
}

files::FileError AsciiExport::open(const std::string& mailingList, const std::string& target) {
    written_ = 0;
    done_ = false;
    list_.setName(mailingList);
    if (files::FileError error = list_.open(files::DbfTable::Access::Read))
        return error;
    return out_.create(target);
}

files::FileError AsciiExport::step(std::uint32_t rows) {
    for (std::uint32_t i = 0; i < rows && !done_; ++i) {
        files::FileError error = list_.next();
        if (error.code == files::kRecordNotAvailable) {
            done_ = true;
            break;
        }
        if (!error)
            error = out_.write(files::utf8ToAnsi(asciiExportLine(list_.rec)));
        if (error)
            return error;
        ++written_;
    }
    if (!done_)
        return {};
    list_.close();
    return out_.close();
}

files::FileError exportAscii(const std::string& mailingList, const std::string& target,
                             std::uint32_t* written) {
    AsciiExport run;
    files::FileError error = run.open(mailingList, target);
    while (!error && !run.done())
        error = run.step(UINT32_MAX);
    if (written != nullptr)
        *written = run.written();
    return error;
}

} // namespace velkora::documents
