#pragma once
// Which texts of ADR:URL the desktop may open. Addresses arrive from
// imported files, so only web and mail addresses are handed on: a local
// path or another scheme could start a program or open a file.

#include <QUrl>
#include <optional>
#include <string>

namespace velkora::addresses {

// The address to open for `text`: http, https, ftp and mailto addresses as
// they are, "www.example.de" as "http://www.example.de"; nullopt otherwise.
std::optional<QUrl> webAddress(const std::string& text);

} // namespace velkora::addresses
