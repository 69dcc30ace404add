#include "activities/DocumentPath.h"

#include "shared/Text.h"

#include <filesystem>

namespace velkora::activities {

namespace fs = std::filesystem;

std::string documentPath(const std::string& name, const std::string& docsPath) {
    if (name.find_first_of("/\\") != std::string::npos)
        return name;
    if (docsPath.empty() || docsPath.back() == '/')
        return docsPath + name;
    return docsPath + "/" + name;
}

std::optional<std::string> openableDocument(const std::string& name, const std::string& docsPath) {
    const std::string clipped = clip(name);
    if (clipped.empty())
        return std::nullopt;
    const fs::path path(documentPath(clipped, docsPath));
    std::error_code error;
    // Links are followed: what counts is the file that would be opened.
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status))
        return std::nullopt;
    constexpr auto anyExecute = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    if ((status.permissions() & anyExecute) != fs::perms::none)
        return std::nullopt;
    if (lowerText(path.extension().string()) == ".desktop")
        return std::nullopt;
    return path.string();
}

} // namespace velkora::activities
