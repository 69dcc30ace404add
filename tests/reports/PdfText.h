#pragma once
// A PDF file read back as its text, the way pdftotext (poppler-utils) lays
// it out, and checks of the order texts come in.

#include <cstdio>
#include <string>
#include <vector>

namespace velkora::reports::test {

inline std::string pdfText(const std::string& pdf) {
    std::string text;
    if (FILE* pipe = ::popen(("pdftotext -layout '" + pdf + "' - 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

// "" when every text occurs after the one before it; else the first that does not.
inline std::string firstOutOfOrder(const std::string& text, const std::vector<std::string>& expected) {
    std::size_t at = 0;
    for (const std::string& part : expected) {
        const std::size_t found = text.find(part, at);
        if (found == std::string::npos)
            return part;
        at = found + part.size();
    }
    return {};
}

inline std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

} // namespace velkora::reports::test
