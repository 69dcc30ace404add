#include "CaseFile.h"

#include "shared/Text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace velkora::test {
namespace {

std::string testName(const std::string& file, const std::string& title) {
    std::string name = file + "_";
    bool upper = true;
    for (char c : title) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            name += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

void loadFile(const std::filesystem::path& path, std::vector<CliCase>& cases) {
    std::ifstream in(path);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        const std::string tag = line.substr(0, std::min<std::size_t>(line.size(), 2));
        const std::string rest = line.size() > 2 ? line.substr(2) : std::string();
        if (tag == "==") {
            cases.push_back({testName(path.stem().string(), line.substr(line.find_first_not_of("= "))),
                             {},
                             {},
                             {},
                             {},
                             0});
            continue;
        }
        if (cases.empty())
            throw std::runtime_error(path.string() + ":" + std::to_string(lineNumber) + ": no case open");
        CliCase& current = cases.back();
        if (tag == "@ ")
            current.setup.push_back(splitWords(rest));
        else if (tag == "$ " || tag == "$")
            current.args = splitWords(rest);
        else if (tag == "> " || tag == ">")
            current.out += rest + "\n";
        else if (tag == "! " || tag == "!")
            current.err += rest + "\n";
        else if (tag == "& ")
            current.files.emplace_back(rest, "");
        else if ((tag == "| " || tag == "|") && !current.files.empty())
            current.files.back().second += rest + "\n";
        else if (tag == "? ")
            current.status = std::stoi(rest);
        else
            throw std::runtime_error(path.string() + ":" + std::to_string(lineNumber) + ": unknown line");
    }
}

} // namespace

void PrintTo(const CliCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<CliCase> loadCases(const std::string& folder) {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".cases")
            paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::vector<CliCase> cases;
    for (const auto& path : paths)
        loadFile(path, cases);
    return cases;
}

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\'') {
            const std::size_t end = line.find('\'', i + 1);
            word += line.substr(i + 1, end - i - 1);
            i = end == std::string::npos ? line.size() : end;
        } else if (c == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '"')
                    ++i;
                word += line[i];
            }
        } else {
            word += c;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

std::string visible(const std::string& output) {
    return replaceAll(replaceAll(output, "\t", "⇥"), "\r", "␍");
}

} // namespace velkora::test
