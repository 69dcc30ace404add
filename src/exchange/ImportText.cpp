#include "exchange/ImportText.h"

#include "data/files/CodePage.h"
#include "shared/Text.h"

#include <algorithm>

namespace velkora::exchange {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string column(std::string_view text) {
    return cutChars(text, kColumnChars);
}

// One column from `at`, quoted or not; `at` moves past the column (onto its delimiter or the end).
std::string quotedColumn(std::string_view line, std::string_view delimiter, std::size_t& at) {
    std::string text;
    if (at < line.size() && line[at] == '"') {
        for (++at; at < line.size(); ++at) {
            if (line[at] != '"') {
                text += line[at];
            } else if (at + 1 < line.size() && line[at + 1] == '"') {
                text += '"';
                ++at;
            } else {
                ++at;
                break;
            }
        }
    }
    // Text after the closing quote (or of an unquoted column) up to the delimiter.
    const std::size_t end = std::min(line.find(delimiter, at), line.size());
    text.append(line.substr(at, end - at));
    at = end;
    return column(text);
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t follow = 0;
        char32_t min = 0;
        if ((lead & 0xE0) == 0xC0) {
            follow = 1;
            min = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            follow = 2;
            min = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            follow = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + follow >= bytes.size())
            return false;
        char32_t ch = lead & (0x3F >> follow);
        for (std::size_t k = 1; k <= follow; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            ch = (ch << 6) | (next & 0x3F);
        }
        if (ch < min || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
            return false;
        i += follow + 1;
    }
    return true;
}

TextEncoding detectEncoding(std::string_view bytes, bool oemBox) {
    if (oemBox)
        return TextEncoding::Oem850;
    if (bytes.starts_with(kUtf8Mark) || isValidUtf8(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::Ansi1252;
}

std::string decodeText(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Oem850:
        return files::oemToUtf8(bytes);
    case TextEncoding::Ansi1252:
        return files::ansiToUtf8(bytes);
    case TextEncoding::Utf8:
        break;
    }
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    return std::string(bytes);
}

std::vector<std::string> splitDelimited(std::string_view line, std::string_view delimiter,
                                        bool removeQuotes) {
    line = clipped(line);
    std::vector<std::string> columns;
    if (delimiter.empty()) {
        columns.push_back(column(line));
        return columns;
    }
    std::size_t at = 0;
    while (true) {
        if (removeQuotes) {
            columns.push_back(quotedColumn(line, delimiter, at));
        } else {
            const std::size_t end = std::min(line.find(delimiter, at), line.size());
            columns.push_back(column(line.substr(at, end - at)));
            at = end;
        }
        if (at >= line.size())
            return columns;
        at += delimiter.size();
    }
}

std::vector<std::string> splitFixed(std::string_view line, const std::vector<FixedColumn>& columns) {
    std::vector<std::string> texts;
    texts.reserve(columns.size());
    for (const FixedColumn& c : columns)
        texts.push_back(c.position > 0 && c.length > 0
                            ? trim(subChars(line, static_cast<std::size_t>(c.position),
                                            static_cast<std::size_t>(c.length)))
                            : std::string());
    return texts;
}

bool TextRecords::next(std::string& line) {
    if (at_ >= text_.size())
        return false;
    std::size_t end = std::min(text_.find('\n', at_), text_.size());
    // A line with an odd number of quotes goes on after its break.
    if (quoted_)
        while (end < text_.size() && std::count(text_.begin() + static_cast<std::ptrdiff_t>(at_),
                                                text_.begin() + static_cast<std::ptrdiff_t>(end), '"') %
                                             2 !=
                                         0)
            end = std::min(text_.find('\n', end + 1), text_.size());
    line.assign(text_, at_, end - at_);
    at_ = end + 1;
    // CR LF ends a line; inside a quoted column a CR LF break becomes a plain line break.
    if (line.ends_with('\r'))
        line.pop_back();
    if (quoted_ && line.find('\r') != std::string::npos)
        std::erase(line, '\r');
    return true;
}

double TextRecords::progress() const {
    return text_.empty() ? 1.0 : static_cast<double>(std::min(at_, text_.size())) / text_.size();
}

} // namespace velkora::exchange
