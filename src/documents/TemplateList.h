#pragma once
// The letter templates: every file of the template folder whose name ends in
// ".RTF" in either case, sorted by name without regard to case. Rebuilt whenever a window opens.

#include <cstdint>
#include <string>
#include <vector>

namespace velkora::documents {

struct TemplateEntry {
    std::string TMPLNAME;     // Q:TMPLNAME, the file name with its extension
    std::string TMPLFILENAME; // Q:TMPLFILENAME, folder and file name
    std::uint8_t TMPLSORTID = 254;
};

std::vector<TemplateEntry> listTemplates(const std::string& tmplPath);

// The entry named `name` (without trailing blanks, either case), or nullptr.
const TemplateEntry* findTemplate(const std::vector<TemplateEntry>& list, const std::string& name);

} // namespace velkora::documents
