#include "data/MoveDataFiles.h"

#include "data/Tables.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace velkora::data {
namespace {

// A copy under this suffix is not yet a file of the target: a crash in the
// middle leaves no half file under a name the program would open.
constexpr const char* kCopySuffix = ".moving";

MoveFault& fault() {
    static MoveFault current;
    return current;
}

std::string injected(std::string_view step, const std::string& file) {
    return fault() ? fault()(step, file) : std::string();
}

bool sameFolder(const std::string& from, const std::string& to) {
    std::error_code ec;
    if (fs::equivalent(from, to, ec))
        return true;
    return fs::weakly_canonical(from, ec) == fs::weakly_canonical(to, ec);
}

// True when both files hold the same bytes.
bool sameContent(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec)
        return false;
    std::ifstream left(a, std::ios::binary);
    std::ifstream right(b, std::ios::binary);
    std::array<char, 65536> x{};
    std::array<char, 65536> y{};
    while (left && right) {
        left.read(x.data(), x.size());
        right.read(y.data(), y.size());
        if (left.gcount() != right.gcount() || !std::equal(x.begin(), x.begin() + left.gcount(), y.begin()))
            return false;
    }
    return left.eof() && right.eof();
}

// Copies `name` into `to` and checks the copy; the text of the failure, or "".
std::string copyChecked(const std::string& name, const fs::path& from, const fs::path& to) {
    // A journal beside a data file is a write in progress or one a crash
    // left behind: the file alone is not the data.
    if (fs::exists(from / (name + "-journal")))
        return "a write is in progress (" + name + "-journal)";
    const fs::path copy = to / (name + kCopySuffix);
    if (std::string text = injected("copy", name); !text.empty())
        return text;
    std::error_code ec;
    if (!fs::copy_file(from / name, copy, fs::copy_options::overwrite_existing, ec))
        return ec.message();
    if (std::string text = injected("check", name); !text.empty())
        return text;
    if (!sameContent(from / name, copy))
        return "the copy differs from the original";
    return {};
}

} // namespace

std::vector<std::string> dataFileNames() {
    std::vector<std::string> names;
    for (const TableDef* table : allTables())
        if (table->location == FileLocation::DataPath)
            names.push_back(std::string(table->name) + ".TPS");
    return names;
}

std::vector<std::string> mailFileNames() {
    // The memo file as this program writes it and as other programs may have.
    return {"QXAILADR.DBF", "QXAILADR.dbt", "QXAILADR.DBT"};
}

std::vector<std::string> filesIn(const std::vector<std::string>& names, const std::string& folder) {
    std::vector<std::string> present;
    std::error_code ec;
    for (const std::string& name : names)
        if (fs::is_regular_file(fs::path(folder) / name, ec))
            present.push_back(name);
    return present;
}

MoveReport moveFiles(const std::vector<std::string>& names, const std::string& from, const std::string& to) {
    MoveReport report;
    if (sameFolder(from, to))
        return report;
    report.occupied = filesIn(names, to);
    if (!report.occupied.empty()) {
        report.outcome = MoveOutcome::TargetOccupied;
        return report;
    }
    const std::vector<std::string> present = filesIn(names, from);
    if (present.empty())
        return report;

    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec) {
        report.outcome = MoveOutcome::Failed;
        report.file = to;
        report.detail = ec.message();
        return report;
    }
    // Copies first: until every copy is checked and named, the originals are the data.
    std::vector<std::string> named;
    const auto rollBack = [&](const std::string& name, std::string detail) {
        std::error_code ignored;
        for (const std::string& each : present)
            fs::remove(fs::path(to) / (each + kCopySuffix), ignored);
        for (const std::string& done : named)
            fs::remove(fs::path(to) / done, ignored);
        report.outcome = MoveOutcome::Failed;
        report.file = name;
        report.detail = std::move(detail);
        return report;
    };
    for (const std::string& name : present)
        if (std::string problem = copyChecked(name, from, to); !problem.empty())
            return rollBack(name, std::move(problem));
    for (const std::string& name : present) {
        // Another station may have put the file there meanwhile: it stays.
        if (fs::exists(fs::path(to) / name))
            return rollBack(name, "the target holds this file now");
        fs::rename(fs::path(to) / (name + kCopySuffix), fs::path(to) / name, ec);
        if (ec)
            return rollBack(name, ec.message());
        named.push_back(name);
    }
    report.outcome = MoveOutcome::Moved;
    report.moved = present;
    // Every copy is in place: an original that cannot go is only a stale copy.
    for (const std::string& name : present) {
        std::error_code removeError;
        const std::string problem = injected("remove", name);
        if (!problem.empty() || !fs::remove(fs::path(from) / name, removeError))
            report.leftOver.push_back(name);
    }
    return report;
}

void setMoveFault(MoveFault f) {
    fault() = std::move(f);
}

} // namespace velkora::data
