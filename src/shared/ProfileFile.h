#pragma once
// Profile (INI) files with the semantics the program was designed for:
// section and key names compare case-insensitively, values read as written
// with surrounding blanks removed, and a write changes only its own line.
// Several workstations share one work file, so a write takes an advisory
// lock, re-reads the file, and replaces it atomically (temporary + rename).

#include <string>
#include <string_view>
#include <vector>

namespace velkora::profile {

// The value of [section] key, or `fallback` when the file, section or key is missing.
std::string read(const std::string& file, std::string_view section, std::string_view key,
                 std::string_view fallback = {});
// Integer value; `fallback` when missing, leading digits otherwise (like the platform).
long readInt(const std::string& file, std::string_view section, std::string_view key, long fallback = 0);

// Writes [section] key=value, creating file, section or key as needed.
// Returns false (and leaves the file as it was) when the file cannot be written.
bool write(const std::string& file, std::string_view section, std::string_view key, std::string_view value);

// The keys of a section in file order (used by value lists such as AbtPos1..n).
std::vector<std::pair<std::string, std::string>> readSection(const std::string& file,
                                                             std::string_view section);

// Reads a profile text held in memory (for files embedded or already loaded).
std::string readFromText(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view fallback = {});
// Returns `text` with [section] key set to value; the rest unchanged.
std::string writeToText(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace velkora::profile
