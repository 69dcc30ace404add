#pragma once
// A fresh folder under the system's temporary folder, removed with its content.

#include <filesystem>
#include <string>

namespace velkora::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    // Full name of `name` inside the folder.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes `content` to `name` inside the folder and returns its full name.
    std::string write(const std::string& name, const std::string& content) const;

private:
    std::filesystem::path path_;
};

// Reads a whole file (empty when missing).
std::string readFile(const std::string& path);
// The repository folder, for expected-output files kept beside the tests.
std::string sourceDir();

} // namespace velkora::test
