#pragma once
// Text helpers for the UTF-8 strings used everywhere inside the program.
// Field widths count characters, so every cut respects character boundaries.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velkora {

// Removes trailing blanks (the runtime's CLIP).
std::string clip(std::string_view text);
// The same without copying: the part of `text` before its trailing blanks.
std::string_view clipped(std::string_view text);
// Removes leading and trailing blanks.
std::string trim(std::string_view text);

// Number of characters (code points) in a UTF-8 text; invalid bytes count one each.
std::size_t charCount(std::string_view text);
// The first `chars` characters of `text`, never cutting a character in half.
std::string cutChars(std::string_view text, std::size_t chars);
std::string_view leadingChars(std::string_view text, std::size_t chars);
// The characters from position `start` (1-based) on, at most `count` of them.
std::string subChars(std::string_view text, std::size_t start, std::size_t count);

// Upper and lower case for the letters of Western European languages; umlauts
// keep their dots (UPPER('Müller') is "MÜLLER") and ß stays ß.
std::string upperText(std::string_view text);
std::string lowerText(std::string_view text);

// The key under which texts are compared and sorted case-insensitively, the
// way German address lists sort: letters upper-cased, umlauts and accents
// folded onto their base letter (ä with a), ß onto "SS". Two texts are equal
// in a case-insensitive key exactly when their fold keys are equal.
std::string foldText(std::string_view text);
// Replaces `out` by the fold key of `text`, keeping out's buffer (for loops over many records).
void foldTextInto(std::string& out, std::string_view text);
// Whether the fold key of `text` is `text` itself (no lower-case or non-ASCII letters).
bool isFolded(std::string_view text);
// Compares two texts by their fold keys (<0, 0, >0), ignoring trailing blanks.
int compareFolded(std::string_view a, std::string_view b);

// Reads the code point at `pos` and moves `pos` past it. A byte that starts
// no valid sequence comes back as kRawByte | byte, so code pages can decide
// what to do with text that was never UTF-8.
inline constexpr char32_t kRawByte = 0xFFFD0000u;
char32_t nextCodePoint(std::string_view text, std::size_t& pos);
// Appends `cp` in UTF-8 (a kRawByte value as its byte).
void appendCodePoint(std::string& out, char32_t cp);

// A menu or button text as a tooltip: without the "&" that marks its
// shortcut letter ("&&" stands for one "&").
std::string withoutMnemonic(std::string_view text);

// Replaces every occurrence of `from` by `to`.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);
// `pattern` with %1 to %9 replaced by the values given (empty for a value not given).
std::string fillArguments(std::string_view pattern, std::initializer_list<std::string_view> values);

bool startsWith(std::string_view text, std::string_view prefix);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

} // namespace velkora
