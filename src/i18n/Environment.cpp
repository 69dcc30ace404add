#include "i18n/Environment.h"

#include "shared/AppState.h"
#include "shared/ProfileFile.h"

namespace velkora::i18n {
namespace {

// No environment text holds this character, so it tells a missing key from an empty one.
constexpr std::string_view kMissing = "\x1F";

} // namespace

std::optional<std::string> readEnvironmentValue(const std::string& file, std::string_view section,
                                                std::string_view key) {
    std::string value = profile::read(file, section, key, kMissing);
    if (value == kMissing)
        return std::nullopt;
    return value;
}

std::optional<std::string> environmentValue(std::string_view section, std::string_view key) {
    return readEnvironmentValue(appState().envFilePath(), section, key);
}

} // namespace velkora::i18n
