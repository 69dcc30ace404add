#pragma once
// The message box of a failed file operation: code, a blank and the text.

#include "data/files/FileError.h"
#include "shared/Prompter.h"

#include <string>
#include <string_view>

namespace velkora::documents {

inline void showFileError(const files::FileError& error, std::string_view caption) {
    ask(std::to_string(error.code) + " " + error.text, caption, Icon::Information);
}

} // namespace velkora::documents
