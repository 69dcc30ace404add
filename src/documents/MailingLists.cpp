#include "documents/MailingLists.h"

#include "shared/Text.h"

#include <algorithm>
#include <filesystem>

namespace velkora::documents {

std::vector<MailingListEntry> mailingLists(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<MailingListEntry> lists;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& file = it->path();
        std::error_code kind; // a file that vanished meanwhile is no list, nor the end of the folder
        const std::string stem = file.stem().string();
        if (!equalsIgnoreCase(file.extension().string(), ".dbf") || stem.empty() || stem.front() == '_' ||
            !it->is_regular_file(kind))
            continue;
        lists.push_back({stem, file.string()});
    }
    std::sort(lists.begin(), lists.end(), [](const MailingListEntry& a, const MailingListEntry& b) {
        const int folded = compareFolded(a.name, b.name);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
    return lists;
}

} // namespace velkora::documents
