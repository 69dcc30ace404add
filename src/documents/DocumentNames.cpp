#include "documents/DocumentNames.h"

#include "shared/AppState.h"
#include "shared/Text.h"

#include <cstdio>
#include <filesystem>
#include <set>

namespace velkora::documents {
namespace {

namespace fs = std::filesystem;

constexpr int kHighestNumber = 99999;

std::string fiveDigits(std::int32_t number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05d", static_cast<int>(number));
    return digits;
}

// The five characters after the prefix of every "*.DOC" of the prefix, read
// once: the folder of a busy address holds thousands of documents.
std::set<std::string> takenNumbers(const std::string& docsPath, std::string_view prefix) {
    std::set<std::string> taken;
    std::error_code error;
    const std::string upperPrefix = upperText(prefix);
    for (fs::directory_iterator it(docsPath, error), end; !error && it != end; it.increment(error)) {
        const std::string name = upperText(it->path().filename().string());
        if (name.size() >= upperPrefix.size() + 4 && name.starts_with(upperPrefix) && name.ends_with(".DOC"))
            taken.insert(name.substr(upperPrefix.size(), 5));
    }
    return taken;
}

} // namespace

std::string documentPrefix(std::int32_t adrnr) {
    return fiveDigits(adrnr);
}

std::string nextDocumentNumber(const std::string& docsPath, std::string_view prefix) {
    const std::set<std::string> taken = takenNumbers(docsPath, prefix);
    if (taken.empty())
        return fiveDigits(1);
    for (std::int32_t k = 1; k <= kHighestNumber; ++k)
        if (!taken.contains(fiveDigits(k)))
            return fiveDigits(k);
    return fiveDigits(1);
}

bool isValidDocumentName(std::string_view name) {
    return name.find_first_of("./\\") == std::string_view::npos;
}

DocumentFiles documentFiles(const std::string& docsPath, std::string_view prefix, std::string_view name) {
    const std::string stem = joinPath(docsPath, std::string(prefix) + clip(name));
    return {stem + ".RTF", stem + ".DOC"};
}

} // namespace velkora::documents
