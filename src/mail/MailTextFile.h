#pragma once
// The message text and the text template of the e-mail window as text files:
// loading gives the file's lines without trailing blanks, joined by CR LF;
// saving writes each line of the text as one line of the file. A failure
// leaves the text as it was and tells code and text (FileError.h).

#include "data/files/FileError.h"

#include <string>

namespace velkora::mail {

inline constexpr const char* kLineBreak = "\r\n";

files::FileError loadTextFile(const std::string& path, std::string& text);
files::FileError saveTextFile(const std::string& path, const std::string& text);

} // namespace velkora::mail
