#pragma once
// Splits a rich-text template into its groups. The engine knows nothing of
// RTF beyond these exact, case-sensitive character sequences:
//   "<%LOOP(" name ")%>"  start of a group; the text after it is its header
//   "<%ENDLOOP%>"         end of the innermost open group; the text after
//                         it is a footer, assigned from the innermost group outwards
// The text before the first group forms the implicit group "*#HEADER#*".
// Positions are byte offsets into the template (the template is bytes).

#include <string>
#include <string_view>
#include <vector>

namespace velkora::documents {

inline constexpr std::string_view kLoopStart = "<%LOOP(";
inline constexpr std::string_view kLoopNameEnd = ")%>";
inline constexpr std::string_view kLoopEnd = "<%ENDLOOP%>";
inline constexpr std::string_view kHeaderGroup = "*#HEADER#*";
inline constexpr std::string_view kTemplateError = "RTFTPL_ERROR";
inline constexpr std::size_t kNameSize = 79;

struct TemplateGroup {
    std::string name;   // at most kNameSize characters
    std::string header; // unexpanded, after the header and footer text rules
    std::string footer;
};

struct ParsedTemplate {
    std::string error;                 // kTemplateError when the groups are malformed
    std::vector<TemplateGroup> groups; // empty: the template has no group
};

// `text` is the template without trailing blanks.
ParsedTemplate parseTemplate(std::string_view text);

// The header and footer text rules: up to two CR LF pairs and then one
// "\par " are skipped at the start, so a marker at the end of its own
// paragraph adds no empty paragraph per repetition; trailing blanks go.
std::string groupText(std::string_view section);

} // namespace velkora::documents
