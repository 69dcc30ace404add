#include "TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace velkora::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velkora-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& content) const {
    const auto full = path_ / name;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
    return full.string();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string sourceDir() {
    const char* dir = std::getenv("VELKORA_SOURCE_DIR");
    return dir ? dir : VELKORA_DEFAULT_SOURCE_DIR;
}

} // namespace velkora::test
