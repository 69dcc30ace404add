#include "documents/RtfText.h"

#include "data/files/CodePage.h"
#include "shared/Text.h"

namespace velkora::documents {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void appendByteEscape(std::string& out, unsigned char byte) {
    out += "\\'";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

// \uN takes a signed 16-bit number; characters beyond it go as a surrogate pair.
void appendUnicodeEscape(std::string& out, char32_t ch) {
    auto unit = [&out](unsigned value) {
        out += "\\u";
        out += std::to_string(value > 0x7FFF ? static_cast<int>(value) - 0x10000 : static_cast<int>(value));
        out += '?';
    };
    if (ch > 0xFFFF) {
        const char32_t v = ch - 0x10000;
        unit(0xD800 + (v >> 10));
        unit(0xDC00 + (v & 0x3FF));
    } else {
        unit(ch);
    }
}

} // namespace

void appendRtfText(std::string& out, std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t ch = nextCodePoint(utf8, pos);
        if ((ch & 0xFFFF0000u) == kRawByte) {
            appendByteEscape(out, static_cast<unsigned char>(ch & 0xFF)); // already an ANSI byte
            continue;
        }
        switch (ch) {
        case '\\':
        case '{':
        case '}':
            out += '\\';
            out += static_cast<char>(ch);
            continue;
        case '\t':
            out += "\\tab ";
            continue;
        case '\r':
            if (pos < utf8.size() && utf8[pos] == '\n')
                ++pos;
            [[fallthrough]];
        case '\n':
            out += "\\line ";
            continue;
        default:
            break;
        }
        if (ch < 0x20 || (ch >= 0x7F && ch <= 0x9F))
            continue;
        if (ch < 0x80) {
            out += static_cast<char>(ch);
        } else if (const auto byte = files::byteOf(files::CodePage::Ansi1252, ch)) {
            appendByteEscape(out, *byte);
        } else {
            appendUnicodeEscape(out, ch);
        }
    }
}

std::string rtfText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 8);
    appendRtfText(out, utf8);
    return out;
}

} // namespace velkora::documents
