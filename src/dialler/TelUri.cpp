#include "dialler/TelUri.h"

#include "shared/Text.h"

namespace velkora::dial {
namespace {

constexpr std::string_view kInternationalAccess = "00";
constexpr std::size_t kMaxPrefixDigits = 3; // as long as the work file's DialPrefix

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The position of a "+" that begins the number or follows an outside-line
// prefix (up to three digits); npos when there is none.
std::size_t globalPlus(std::string_view text) {
    const std::size_t plus = text.find('+');
    if (plus == std::string_view::npos)
        return plus;
    std::size_t digits = 0;
    for (const char c : text.substr(0, plus)) {
        if (isDigit(c))
            ++digits;
        else if (c != ' ')
            return std::string_view::npos;
    }
    return digits <= kMaxPrefixDigits ? plus : std::string_view::npos;
}

// Length of a trunk zero written "(0)" at `pos` (blanks allowed inside); 0 when there is none.
std::size_t trunkZeroAt(std::string_view text, std::size_t pos) {
    if (text[pos] != '(')
        return 0;
    std::size_t i = pos + 1;
    bool zero = false;
    for (; i < text.size() && text[i] != ')'; ++i) {
        if (text[i] == '0' && !zero)
            zero = true;
        else if (text[i] != ' ')
            return 0;
    }
    return zero && i < text.size() ? i + 1 - pos : 0;
}

} // namespace

std::string numberFromArgument(std::string_view argument) {
    std::string text = trim(argument);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

bool isInternationalNumber(std::string_view number) {
    const std::string text = trim(number);
    return startsWith(text, "+") || startsWith(text, kInternationalAccess);
}

std::string plusNotation(std::string_view number) {
    const std::string text = trim(number);
    if (startsWith(text, kInternationalAccess))
        return "+" + text.substr(kInternationalAccess.size());
    return std::string(number);
}

std::optional<std::string> telUri(std::string_view number) {
    const std::string trimmed = trim(number);
    std::string_view text = trimmed;
    std::string uri = "tel:";
    bool international = false;
    if (const std::size_t plus = globalPlus(text); plus != std::string_view::npos) {
        text.remove_prefix(plus + 1);
        uri += '+';
        international = true;
    }
    bool digits = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (international) {
            if (const std::size_t zero = trunkZeroAt(text, i)) {
                i += zero - 1;
                continue;
            }
        }
        if (isDigit(c)) {
            uri += c;
            digits = true;
        } else if (c == '*') {
            uri += c;
        } else if (c == '#') {
            uri += "%23";
        }
    }
    if (!digits)
        return std::nullopt;
    return uri;
}

} // namespace velkora::dial
