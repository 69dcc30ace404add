#include "addresses/WebAddress.h"

#include "shared/Text.h"

#include <algorithm>
#include <array>

namespace velkora::addresses {
namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isNonAscii(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

// Blanks, control characters and the characters no URL holds unescaped.
bool holdsOnlyUrlCharacters(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F ||
               std::string_view("\"<>\\^`{|}").find(c) != std::string_view::npos;
    });
}

// Endings of files a desktop would run or install, none of them a top-level
// domain: "setup.exe" is taken for a file, not for a host.
bool endsAsProgramFile(std::string_view label) {
    static constexpr std::array<std::string_view, 16> kProgramEndings = {
        "appimage", "bat", "bin", "cmd", "deb", "desktop", "dll", "exe",
        "jar",      "js",  "lnk", "msi", "pif", "rpm",     "scr", "vbs"};
    return std::find(kProgramEndings.begin(), kProgramEndings.end(), lowerText(label)) !=
           kProgramEndings.end();
}

// A host name of two or more labels ("www.firma.de", "müller.de") whose last
// label is a word.
bool isHostName(std::string_view host) {
    std::size_t labels = 0;
    std::string_view last;
    for (std::size_t pos = 0; pos <= host.size(); ++labels) {
        const std::size_t dot = std::min(host.find('.', pos), host.size());
        last = host.substr(pos, dot - pos);
        if (last.empty() || last.front() == '-' || last.back() == '-' ||
            !std::all_of(last.begin(), last.end(), [](char c) {
                return isAsciiLetter(c) || isAsciiDigit(c) || isNonAscii(c) || c == '-';
            }))
            return false;
        pos = dot + 1;
    }
    return labels >= 2 && last.size() >= 2 &&
           std::all_of(last.begin(), last.end(), [](char c) { return isAsciiLetter(c) || isNonAscii(c); }) &&
           !endsAsProgramFile(last);
}

// A host name with a port or without ("firma.de:8080").
bool isHostAndPort(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return isHostName(text);
    const std::string_view port = text.substr(colon + 1);
    return !port.empty() && std::all_of(port.begin(), port.end(), isAsciiDigit) &&
           isHostName(text.substr(0, colon));
}

// "name@host" and nothing after it but a query ("?subject=").
bool isMailAddress(std::string_view text) {
    const std::string_view address = text.substr(0, text.find('?'));
    const std::size_t at = address.rfind('@');
    return at != std::string_view::npos && at > 0 && address.find('/') == std::string_view::npos &&
           isHostName(address.substr(at + 1));
}

// The scheme before the first ":" ("https"), empty when the text has none;
// a dot is no part of a scheme, so "firma.de:8080" has none.
std::string schemeOf(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || !isAsciiLetter(text[0]))
        return {};
    const std::string_view scheme = text.substr(0, colon);
    const bool schemeCharacters = std::all_of(scheme.begin(), scheme.end(), [](char c) {
        return isAsciiLetter(c) || isAsciiDigit(c) || c == '+' || c == '-';
    });
    return schemeCharacters ? lowerText(scheme) : std::string();
}

// The host of "scheme://user@host:port/path", without user and port.
std::string_view hostOf(std::string_view afterScheme) {
    if (!afterScheme.starts_with("//"))
        return {};
    std::string_view authority = afterScheme.substr(2, afterScheme.find_first_of("/?#", 2) - 2);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    return authority.substr(0, authority.find(':'));
}

} // namespace

std::optional<std::string> webAddress(std::string_view text) {
    const std::string candidate = trim(text);
    if (candidate.empty() || !holdsOnlyUrlCharacters(candidate))
        return std::nullopt;
    const std::string scheme = schemeOf(candidate);
    const std::string_view rest = std::string_view(candidate).substr(scheme.empty() ? 0 : scheme.size() + 1);
    if (scheme == "http" || scheme == "https" || scheme == "ftp")
        return hostOf(rest).empty() ? std::nullopt : std::optional(candidate);
    if (scheme == "mailto")
        return isMailAddress(rest) ? std::optional(candidate) : std::nullopt;
    if (!scheme.empty())
        return std::nullopt;
    if (candidate.find('@') != std::string::npos)
        return isMailAddress(candidate) ? std::optional("mailto:" + candidate) : std::nullopt;
    if (isHostAndPort(std::string_view(candidate).substr(0, candidate.find_first_of("/?#"))))
        return "http://" + candidate;
    return std::nullopt;
}

} // namespace velkora::addresses
