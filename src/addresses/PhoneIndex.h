#pragma once
// The phone index (TKP:TFX): the digits of a telephone number, so contacts
// sort and are found by number however the number was typed.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velkora {

inline constexpr std::size_t kPhoneIndexChars = 31;

// The digits 0-9 among the first 31 characters of `number`, in order:
// "(089) 12 34-56" gives "089123456", "+49 89 123456" gives "4989123456".
// No prefix is added or removed. The two options are accepted for the
// callers that pass them; they do not change the index.
std::string TFX4TelFax(std::string_view number, std::uint8_t option1 = 0, std::uint8_t option2 = 0);

} // namespace velkora
