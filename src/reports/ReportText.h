#pragma once
// How report lines are composed from record fields.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::reports {

// The parts without their trailing blanks, separated by one blank; empty
// parts are left out, so a missing name never leaves a gap in the line.
std::string joinParts(std::initializer_list<std::string_view> parts);

// "label value" for a value that is there; nothing for an empty one, so a
// band shows no label without its value.
std::string labelled(std::string_view label, std::string_view value);

// A memo as printed lines of at most 254 characters each: every line of
// the memo on its own, a longer one split at its last blank within the
// limit (or at the limit when it has none). Empty lines stay; trailing
// empty lines do not.
inline constexpr std::size_t kMemoLineChars = 254;
std::vector<std::string> memoLines(std::string_view memo, std::size_t width = kMemoLineChars);

} // namespace velkora::reports
