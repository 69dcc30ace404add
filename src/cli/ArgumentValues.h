#pragma once
// Reading option values: comma lists and whole numbers.

#include "shared/Text.h"

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::cli {

inline std::vector<std::string> splitAtCommas(std::string_view text) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        parts.emplace_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return parts;
        start = comma + 1;
    }
}

template <class Number> bool parseWhole(std::string_view text, Number& out) {
    const std::string t = trim(text);
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
    return ec == std::errc() && end == t.data() + t.size() && !t.empty();
}

} // namespace velkora::cli
