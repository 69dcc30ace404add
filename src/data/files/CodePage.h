#pragma once
// The two 8-bit code pages of the files the program exchanges. Inside the
// program all text is UTF-8; dBase files and DOS text files hold OEM text
// (CP850), word-processor documents ANSI text (Windows-1252).
//
//   std::string disk = utf8ToOem("Müller");   // "M\x81ller"
//   std::string text = oemToUtf8(disk);       // "Müller"

#include <optional>
#include <string>
#include <string_view>

namespace velkora::files {

enum class CodePage { Oem850, Ansi1252 };

// Every byte has a character, so decoding never fails.
std::string toUtf8(CodePage page, std::string_view bytes);
// Characters the code page lacks (and bytes that are no UTF-8) become "?".
std::string fromUtf8(CodePage page, std::string_view text);
// The same, appended to `out`.
void appendFromUtf8(CodePage page, std::string_view text, std::string& out);
// The byte of one character in the code page, if it has one.
std::optional<unsigned char> byteOf(CodePage page, char32_t ch);

inline std::string oemToUtf8(std::string_view oem) {
    return toUtf8(CodePage::Oem850, oem);
}
inline std::string utf8ToOem(std::string_view text) {
    return fromUtf8(CodePage::Oem850, text);
}
inline std::string ansiToUtf8(std::string_view ansi) {
    return toUtf8(CodePage::Ansi1252, ansi);
}
inline std::string utf8ToAnsi(std::string_view text) {
    return fromUtf8(CodePage::Ansi1252, text);
}

} // namespace velkora::files
