#pragma once
// Reading the environment file of the current language ("ORB" + LangID +
// ".ENV" in WorkPath). It is read at every message, never cached, so a
// translator sees a corrected text at the next message.

#include <optional>
#include <string>
#include <string_view>

namespace velkora::i18n {

// The value of [section] key in `file`, or nullopt when the file, the section
// or the key is missing (an existing key with an empty value gives "").
std::optional<std::string> readEnvironmentValue(const std::string& file, std::string_view section,
                                                std::string_view key);

// The same, in the environment file of the current language (appState().envFilePath()).
std::optional<std::string> environmentValue(std::string_view section, std::string_view key);

} // namespace velkora::i18n
