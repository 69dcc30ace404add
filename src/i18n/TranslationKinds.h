#pragma once
// What kind of text a key of the translation table translates, as the
// translation form names it: "ListHeader" for "L." keys, the control type
// of a "P." key ("P.10_DATUM" is a "Prompt"), "..." for a "P." key of no
// known type, and nothing for any other key.

#include <string>
#include <string_view>

namespace velkora::i18n {

std::string translationKind(std::string_view key);

} // namespace velkora::i18n
