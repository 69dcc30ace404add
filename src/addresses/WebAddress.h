#pragma once
// Which texts of ADR:URL the desktop may open. Addresses arrive from
// imported files, so only web and mail addresses are handed on: a local
// path, a program or another scheme could start a program or open a file.
//   "https://firma.de/a?b=1" as it is     "firma.de"      "http://firma.de"
//   "info@firma.de"  "mailto:info@firma.de"   "file:///etc/passwd", "setup.exe"  none

#include <optional>
#include <string>
#include <string_view>

namespace velkora::addresses {

// The address to open for `text`: http, https, ftp and mailto addresses as
// they are; a host name (with a path or port if any) as an http address;
// a mail address as a mailto address; nullopt for anything else.
std::optional<std::string> webAddress(std::string_view text);

} // namespace velkora::addresses
