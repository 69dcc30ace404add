#pragma once
// What the dialler makes of its one argument: the number between the double
// quotes the contact list puts around it, and the tel: URI handed to the
// desktop. Only characters a telephone keypad can dial reach the URI, so a
// stored number can never smuggle anything else to the URI handler.

#include <optional>
#include <string>
#include <string_view>

namespace velkora::dial {

// The number inside one pair of enclosing double quotes ("0089 1234" gives
// 0089 1234); an argument without them is taken as it is.
std::string numberFromArgument(std::string_view argument);

// "tel:" and the dialable characters of `number`: a leading "+", the digits,
// "*" and "#" (written %23); separators, letters and anything else are
// dropped. nullopt when no digit remains.
std::optional<std::string> telUri(std::string_view number);

} // namespace velkora::dial
