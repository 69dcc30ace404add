#include "data/files/CodePage.h"

#include "shared/Text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velkora::files {
namespace {

using HighHalf = std::array<char16_t, 128>; // characters of the bytes 80h..FFh

constexpr HighHalf kCp850 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

// The five bytes Windows leaves undefined map to the C1 controls of the same value.
constexpr HighHalf kCp1252 = [] {
    HighHalf page{};
    constexpr char16_t low[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        page[i] = low[i];
    for (int i = 32; i < 128; ++i)
        page[i] = static_cast<char16_t>(0x80 + i);
    return page;
}();

// Character -> byte, sorted by character for a binary search.
using ReverseTable = std::array<std::pair<char16_t, unsigned char>, 128>;

ReverseTable reverse(const HighHalf& page) {
    ReverseTable table{};
    for (int i = 0; i < 128; ++i)
        table[i] = {page[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(table.begin(), table.end());
    return table;
}

const HighHalf& highHalf(CodePage page) {
    return page == CodePage::Oem850 ? kCp850 : kCp1252;
}

const ReverseTable& reverseTable(CodePage page) {
    static const ReverseTable oem = reverse(kCp850);
    static const ReverseTable ansi = reverse(kCp1252);
    return page == CodePage::Oem850 ? oem : ansi;
}

} // namespace

std::string toUtf8(CodePage page, std::string_view bytes) {
    const HighHalf& high = highHalf(page);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    // ASCII runs are copied whole: record fields are mostly plain text and blanks.
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t end = at;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80)
            ++end;
        out.append(bytes.data() + at, end - at);
        if (end < bytes.size())
            appendCodePoint(out, high[static_cast<unsigned char>(bytes[end]) - 0x80]);
        at = end + 1;
    }
    return out;
}

std::optional<unsigned char> byteOf(CodePage page, char32_t ch) {
    if (ch < 0x80)
        return static_cast<unsigned char>(ch);
    if (ch > 0xFFFF)
        return std::nullopt;
    const ReverseTable& table = reverseTable(page);
    const auto it =
        std::lower_bound(table.begin(), table.end(), std::pair<char16_t, unsigned char>(char16_t(ch), 0));
    if (it == table.end() || it->first != ch)
        return std::nullopt;
    return it->second;
}

void appendFromUtf8(CodePage page, std::string_view text, std::string& out) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            out += text[pos++];
            continue;
        }
        const char32_t ch = nextCodePoint(text, pos);
        const auto byte = byteOf(page, ch);
        out += byte ? static_cast<char>(*byte) : '?';
    }
}

std::string fromUtf8(CodePage page, std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendFromUtf8(page, text, out);
    return out;
}

} // namespace velkora::files
