#pragma once
// Letter salutations configured as templates ("Sehr geehrte(r) <#F:NAME0#>
// <#F:NAME1#>,") and expanded for the names shown in the address or contact
// form when the salutation list drops down.

#include <cstddef>
#include <string>
#include <string_view>

namespace velkora {

// Longest template the work file holds, and longest salutation shown and stored.
inline constexpr std::size_t kSalutationTemplateChars = 254;
inline constexpr std::size_t kSalutationChars = 63;

// The expression a template stands for: literal text quoted, the text
// between "<#" and "#>" as it is, joined with "&". An apostrophe in the
// literal text is doubled, so "O'Brien" in a template stays literal text.
// A "<#" without "#>" leaves the rest of the template as expression text.
std::string salutationExpression(std::string_view templateText);

// Expands `templateText` for the given salutation line (F:NAME0), name lines
// (F:NAME1, F:NAME2) and addition (F:NAMEZ); only these four names are
// known. Returns the template itself when it does not evaluate. The result
// is cut to kSalutationChars characters.
std::string FormatName(std::string_view templateText, std::string_view name0, std::string_view name1,
                       std::string_view name2, std::string_view addition);

} // namespace velkora
