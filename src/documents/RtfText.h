#pragma once
// Text placed into an RTF document, written so that every reader shows it
// as it was stored: "\", "{" and "}" escaped, characters of Windows-1252 as
// \'hh, all others as \uN? (with "?" for readers that know no Unicode),
// tabs and line breaks as \tab and \line, other control characters dropped.
//   rtfText("Müller & Söhne {GmbH}") == "M\\'fcller & S\\'f6hne \\{GmbH\\}"

#include <string>
#include <string_view>

namespace velkora::documents {

std::string rtfText(std::string_view utf8);
// Appends the RTF form of `utf8` to `out`.
void appendRtfText(std::string& out, std::string_view utf8);

} // namespace velkora::documents
