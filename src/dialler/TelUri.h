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

// True for a number in international form: "+" or "00" before the country
// code ("+43 1 8654281", "0049 89 12345"). Such a number is the same
// everywhere, so no outside-line prefix goes before it.
bool isInternationalNumber(std::string_view number);

// A number in international form written with "+" ("0049 89 12345" gives
// "+49 89 12345"), so that the dialler cannot take its "00" for an
// outside-line prefix before a national number; other numbers as they are.
std::string plusNotation(std::string_view number);

// "tel:" and the dialable characters of `number`: the digits, "*" and "#"
// (written %23); separators, letters and anything else are dropped. A number
// with "+" becomes the global number "+" country code and subscriber number:
// the trunk zero written "(0)" is dropped, and so are up to three digits
// before the "+" (an outside-line prefix, which a global number needs none
// of). A leading "00" is dialled as it is: it may be such a prefix before a
// national number. nullopt when no digit remains.
//   "+49 (0)89 1234-5" and "0+49 89 12345" give tel:+498912345
//   "(089) 12345" gives tel:08912345, "0089 12345" tel:008912345
std::optional<std::string> telUri(std::string_view number);

} // namespace velkora::dial
