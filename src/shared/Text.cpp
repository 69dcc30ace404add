#include "shared/Text.h"

#include <array>
#include <cstdint>

namespace velkora {
namespace {

// Decodes one code point at `pos`; invalid sequences yield the byte itself.
char32_t decode(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    auto cont = [&](std::size_t i) -> int {
        if (pos + i >= s.size())
            return -1;
        const auto b = static_cast<unsigned char>(s[pos + i]);
        return (b & 0xC0) == 0x80 ? (b & 0x3F) : -1;
    };
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0 && b0 >= 0xC2) {
        const int c1 = cont(1);
        if (c1 >= 0) {
            pos += 2;
            return (char32_t(b0 & 0x1F) << 6) | char32_t(c1);
        }
    } else if ((b0 & 0xF0) == 0xE0) {
        const int c1 = cont(1), c2 = cont(2);
        if (c1 >= 0 && c2 >= 0) {
            const char32_t cp = (char32_t(b0 & 0x0F) << 12) | (char32_t(c1) << 6) | char32_t(c2);
            if (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)) {
                pos += 3;
                return cp;
            }
        }
    } else if ((b0 & 0xF8) == 0xF0) {
        const int c1 = cont(1), c2 = cont(2), c3 = cont(3);
        if (c1 >= 0 && c2 >= 0 && c3 >= 0) {
            const char32_t cp =
                (char32_t(b0 & 0x07) << 18) | (char32_t(c1) << 12) | (char32_t(c2) << 6) | char32_t(c3);
            if (cp >= 0x10000 && cp <= 0x10FFFF) {
                pos += 4;
                return cp;
            }
        }
    }
    ++pos;
    return 0xFFFD0000u | b0; // marks a raw byte, re-emitted unchanged
}

void encode(std::string& out, char32_t cp) {
    if ((cp & 0xFFFF0000u) == 0xFFFD0000u) {
        out += static_cast<char>(cp & 0xFF);
    } else if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t toUpper(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return c - 32;
    // Latin-1 lower letters à..þ except ÷; ÿ has its capital elsewhere.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    if (c == 0xFF)
        return 0x178;
    // Latin Extended-A pairs (ő, š, ž, ł ...): even upper, odd lower, in most of the block.
    if (c >= 0x100 && c <= 0x17F) {
        const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddPairs ? (c % 2 == 0) : (c % 2 == 1))
            return c - 1;
    }
    return c;
}

char32_t toLower(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x100 && c <= 0x17F) {
        const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddPairs ? (c % 2 == 1) : (c % 2 == 0))
            return c + 1;
    }
    return c;
}

// Base letter of an accented upper-case Latin-1 letter, 0 when it has none.
char baseLetter(char32_t upper) {
    static constexpr std::array<char, 32> latin1 = {'A', 'A', 'A', 'A', 'A', 'A', 0,   'C', 'E', 'E', 'E',
                                                    'E', 'I', 'I', 'I', 'I', 'D', 'N', 'O', 'O', 'O', 'O',
                                                    'O', 0,   'O', 'U', 'U', 'U', 'U', 'Y', 0,   0};
    if (upper >= 0xC0 && upper <= 0xDF)
        return latin1[upper - 0xC0];
    switch (upper) {
    case 0x152:
        return 'O'; // Œ
    case 0x160:
        return 'S';
    case 0x17D:
        return 'Z';
    case 0x178:
        return 'Y';
    case 0x141:
        return 'L';
    case 0x150:
        return 'O';
    case 0x170:
        return 'U';
    case 0x10C:
        return 'C';
    case 0x158:
        return 'R';
    case 0x11A:
        return 'E';
    default:
        return 0;
    }
}

} // namespace

char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    return decode(text, pos);
}

void appendCodePoint(std::string& out, char32_t cp) {
    encode(out, cp);
}

std::string_view clipped(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return text.substr(0, end);
}

std::string clip(std::string_view text) {
    return std::string(clipped(text));
}

std::string trim(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ')
        ++begin;
    return clip(text.substr(begin));
}

std::size_t charCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count)
        decode(text, pos);
    return count;
}

std::string_view leadingChars(std::string_view text, std::size_t chars) {
    if (text.size() <= chars) // no text has more characters than bytes
        return text;
    std::size_t pos = 0;
    for (std::size_t n = 0; n < chars && pos < text.size(); ++n)
        decode(text, pos);
    return text.substr(0, pos);
}

std::string cutChars(std::string_view text, std::size_t chars) {
    return std::string(leadingChars(text, chars));
}

std::string subChars(std::string_view text, std::size_t start, std::size_t count) {
    if (start == 0)
        start = 1;
    std::size_t pos = 0;
    for (std::size_t n = 1; n < start && pos < text.size(); ++n)
        decode(text, pos);
    return cutChars(text.substr(pos), count);
}

std::string upperText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        encode(out, toUpper(decode(text, pos)));
    return out;
}

std::string lowerText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        encode(out, toLower(decode(text, pos)));
    return out;
}

std::string foldText(std::string_view text) {
    std::string out;
    foldTextInto(out, text);
    return out;
}

bool isFolded(std::string_view text) {
    for (const char c : text)
        if ((c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

void foldTextInto(std::string& out, std::string_view text) {
    out.clear();
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = decode(text, pos);
        if (c < 0x80) {
            out += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
            continue;
        }
        if (c == 0xDF || c == 0x1E9E) { // ß, ẞ
            out += "SS";
            continue;
        }
        const char32_t upper = toUpper(c);
        if (upper == 0xC6) { // Æ
            out += "AE";
            continue;
        }
        if (const char base = baseLetter(upper)) {
            out += base;
            continue;
        }
        encode(out, upper);
    }
}

int compareFolded(std::string_view a, std::string_view b) {
    const std::string fa = clip(foldText(a));
    const std::string fb = clip(foldText(b));
    return fa.compare(fb) < 0 ? -1 : (fa == fb ? 0 : 1);
}

std::string withoutMnemonic(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string out;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
        out.append(text.substr(pos, hit - pos));
        out.append(to);
    }
    out.append(text.substr(pos));
    return out;
}

std::string fillArguments(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < values.size())
                out += values.begin()[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto la = static_cast<unsigned char>(a[i]), lb = static_cast<unsigned char>(b[i]);
        if (la >= 'A' && la <= 'Z')
            la += 32;
        if (lb >= 'A' && lb <= 'Z')
            lb += 32;
        if (la != lb)
            return false;
    }
    return true;
}

} // namespace velkora
