#include "documents/TemplateList.h"

#include "shared/AppState.h"
#include "shared/Text.h"

#include <algorithm>
#include <filesystem>

namespace velkora::documents {

namespace fs = std::filesystem;

std::vector<TemplateEntry> listTemplates(const std::string& tmplPath) {
    std::vector<TemplateEntry> list;
    std::error_code error;
    for (fs::directory_iterator it(tmplPath, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (upperText(name).ends_with(".RTF") && it->is_regular_file(error))
            list.push_back({name, joinPath(tmplPath, name)});
    }
    std::sort(list.begin(), list.end(), [](const TemplateEntry& a, const TemplateEntry& b) {
        return compareFolded(a.TMPLNAME, b.TMPLNAME) < 0;
    });
    return list;
}

const TemplateEntry* findTemplate(const std::vector<TemplateEntry>& list, const std::string& name) {
    const std::string wanted = clip(name);
    for (const TemplateEntry& entry : list)
        if (equalsIgnoreCase(entry.TMPLNAME, wanted))
            return &entry;
    return nullptr;
}

} // namespace velkora::documents
