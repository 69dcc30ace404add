#include "documents/OfficeRun.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace velkora::documents {
namespace {

namespace fs = std::filesystem;

// A local path as a file URL: everything but unreserved characters and "/"
// percent-encoded, so a blank or "%" in a folder name survives.
std::string fileUrl(const std::string& path) {
    std::string url = "file://";
    for (const unsigned char c : fs::absolute(path).string()) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            url += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            url += escaped;
        }
    }
    return url;
}

} // namespace

std::string officeProgram() {
    return findProgram("soffice");
}

std::string conversionProfile() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    fs::path folder = cache && *cache ? fs::path(cache) : fs::path(home && *home ? home : "/tmp") / ".cache";
    return (folder / "velkora" / "libreoffice").string();
}

std::chrono::milliseconds& officeTimeout() {
    static std::chrono::milliseconds timeout = std::chrono::minutes(3);
    return timeout;
}

std::string convertedName(const std::string& source, std::string_view format, const std::string& outDir) {
    const std::string extension(format.substr(0, format.find(':')));
    return (fs::path(outDir) / fs::path(source).stem()).string() + "." + extension;
}

bool OfficeRun::start(const std::vector<std::string>& sources, std::string_view format,
                      const std::string& outDir) {
    end_.reset();
    std::vector<std::string> args = {"-env:UserInstallation=" + fileUrl(conversionProfile()),
                                     "--headless",
                                     "--norestore",
                                     "--convert-to",
                                     std::string(format),
                                     "--outdir",
                                     fs::absolute(outDir).string()};
    for (const std::string& source : sources)
        args.push_back(fs::absolute(source).string());
    ProgramOptions options;
    options.ownProcessGroup = true;
    if (!program_.start(officeProgram().empty() ? "soffice" : officeProgram(), args, options)) {
        error_ = program_.error();
        end_ = RunEnd::NotStarted;
        return false;
    }
    deadline_ = std::chrono::steady_clock::now() + officeTimeout();
    return true;
}

std::optional<RunEnd> OfficeRun::poll() {
    if (end_)
        return end_;
    if (program_.poll()) {
        end_ = RunEnd::Finished;
    } else if (std::chrono::steady_clock::now() >= deadline_) {
        program_.stop();
        end_ = RunEnd::TimedOut;
    }
    return end_;
}

RunEnd OfficeRun::wait() {
    while (!poll())
        program_.wait(std::chrono::milliseconds(50));
    return *end_;
}

bool openInWriter(const std::string& path, std::string* error) {
    return startDetached("soffice", {"--norestore", fs::absolute(path).string()}, error);
}

std::function<bool(const std::string&)>& associatedOpener() {
    static std::function<bool(const std::string&)> opener = [](const std::string& path) {
        return startDetached("xdg-open", {fs::absolute(path).string()});
    };
    return opener;
}

} // namespace velkora::documents
