#include "shared/ProfileFile.h"

#include "shared/Text.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkora::profile {
namespace {

std::string_view trimView(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// One line of the file, classified once.
struct Line {
    std::string_view raw;
    bool isSection = false;
    std::string_view name; // section name or key
    std::string_view value;
};

Line classify(std::string_view raw) {
    Line line{raw};
    const std::string_view t = trimView(raw);
    if (!t.empty() && t.front() == '[') {
        const auto close = t.find(']');
        if (close != std::string_view::npos) {
            line.isSection = true;
            line.name = trimView(t.substr(1, close - 1));
        }
        return line;
    }
    const auto eq = t.find('=');
    if (eq != std::string_view::npos) {
        line.name = trimView(t.substr(0, eq));
        line.value = trimView(t.substr(eq + 1));
    }
    return line;
}

template <typename Visit> void forEachLine(std::string_view text, Visit visit) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        if (!visit(classify(text.substr(pos, end - pos)), pos, end))
            return;
        pos = end + 1;
    }
}

std::string slurp(const std::string& file, bool& exists) {
    std::ifstream in(file, std::ios::binary);
    exists = static_cast<bool>(in);
    if (!in)
        return {};
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// Writers lock the folder that holds the file, not the file itself: the file
// is replaced by rename on every write, so a lock on it would be left on a
// stale copy while the next writer already works on the new one.
int lockFolderOf(const std::string& file) {
    const auto slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : file.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd);
            return -1;
        }
    }
    return fd;
}

bool replaceFile(const std::string& file, const std::string& content) {
    std::string temp = file + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    struct stat old {};
    ::fchmod(fd, ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    const bool ok = ::fsync(fd) == 0 && ::close(fd) == 0;
    if (!ok || ::rename(temp.c_str(), file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

} // namespace

std::string readFromText(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view fallback) {
    bool inSection = false;
    std::string result(fallback);
    forEachLine(text, [&](const Line& line, std::size_t, std::size_t) {
        if (line.isSection) {
            inSection = equalsIgnoreCase(line.name, section);
            return true;
        }
        if (inSection && !line.name.empty() && equalsIgnoreCase(line.name, key)) {
            result = std::string(line.value);
            return false;
        }
        return true;
    });
    return result;
}

std::string writeToText(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    // A line break inside a value would plant lines of its own in the file.
    std::string clean(value);
    for (char& c : clean)
        if (c == '\n' || c == '\r')
            c = ' ';
    const std::string entry = std::string(key) + "=" + clean;
    bool inSection = false;
    std::size_t sectionEnd = std::string_view::npos; // end of the last non-blank line in the section
    std::size_t keyBegin = 0, keyEnd = 0;
    bool found = false, sectionFound = false;
    forEachLine(text, [&](const Line& line, std::size_t begin, std::size_t end) {
        if (line.isSection) {
            if (inSection)
                return false;
            inSection = equalsIgnoreCase(line.name, section);
            if (inSection) {
                sectionFound = true;
                sectionEnd = end;
            }
            return true;
        }
        if (!inSection)
            return true;
        if (!line.name.empty() && equalsIgnoreCase(line.name, key)) {
            found = true;
            keyBegin = begin;
            keyEnd = end;
            return false;
        }
        if (!trimView(line.raw).empty())
            sectionEnd = end;
        return true;
    });
    std::string out(text);
    if (found) {
        const bool cr = keyEnd > keyBegin && text[keyEnd - 1] == '\r';
        out.replace(keyBegin, keyEnd - keyBegin, cr ? entry + "\r" : entry);
    } else if (sectionFound) {
        out.insert(sectionEnd, "\n" + entry);
    } else {
        if (!out.empty() && out.back() != '\n')
            out += '\n';
        out.append("[").append(section).append("]\n").append(entry).append("\n");
    }
    return out;
}

std::string read(const std::string& file, std::string_view section, std::string_view key,
                 std::string_view fallback) {
    bool exists = false;
    const std::string text = slurp(file, exists);
    return exists ? readFromText(text, section, key, fallback) : std::string(fallback);
}

long readInt(const std::string& file, std::string_view section, std::string_view key, long fallback) {
    const std::string value = read(file, section, key);
    if (value.empty())
        return fallback;
    return std::strtol(value.c_str(), nullptr, 10);
}

bool write(const std::string& file, std::string_view section, std::string_view key, std::string_view value) {
    const int fd = lockFolderOf(file);
    if (fd < 0)
        return false;
    bool exists = false;
    const std::string text = slurp(file, exists);
    const bool ok = replaceFile(file, writeToText(text, section, key, value));
    ::close(fd); // releases the lock
    return ok;
}

std::vector<std::pair<std::string, std::string>> readSection(const std::string& file,
                                                             std::string_view section) {
    bool exists = false;
    const std::string text = slurp(file, exists);
    std::vector<std::pair<std::string, std::string>> entries;
    bool inSection = false;
    forEachLine(text, [&](const Line& line, std::size_t, std::size_t) {
        if (line.isSection)
            inSection = equalsIgnoreCase(line.name, section);
        else if (inSection && !line.name.empty())
            entries.emplace_back(std::string(line.name), std::string(line.value));
        return true;
    });
    return entries;
}

} // namespace velkora::profile
