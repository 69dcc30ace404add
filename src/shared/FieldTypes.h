#pragma once
// Clipping rules of the record field types. Widths count characters.
//   STRING(n)  exactly n characters, blank-padded
//   CSTRING(n) at most n-1 characters (the last byte held the terminating zero)
//   MEMO(n)    at most n characters

#include "shared/Text.h"

#include <string>
#include <string_view>

namespace velkora {

inline std::string toStringField(std::string_view value, std::size_t size) {
    std::string out = cutChars(value, size);
    const std::size_t chars = charCount(out);
    if (chars < size)
        out.append(size - chars, ' ');
    return out;
}

inline std::string toCStringField(std::string_view value, std::size_t size) {
    return cutChars(value, size > 0 ? size - 1 : 0);
}

inline std::string toMemoField(std::string_view value, std::size_t size) {
    return cutChars(value, size);
}

} // namespace velkora
