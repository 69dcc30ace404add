#include "data/DemoData.h"

#include "data/RecordFile.h"
#include "data/Tables.h"
#include "shared/AppState.h"
#include "shared/Clock.h"
#include "shared/Dates.h"

#include <cstdlib>
#include <fstream>
#include <memory>

namespace velkora::data {

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            cells.push_back(std::move(cell));
            cell.clear();
        } else if (c == '\\' && i + 1 < line.size()) {
            // \t, \n and \\ let a value hold tabs, line breaks and backslashes.
            const char e = line[++i];
            cell += e == 't' ? '\t' : e == 'n' ? '\n' : e;
        } else if (c != '\r') {
            cell += c;
        }
    }
    cells.push_back(std::move(cell));
    return cells;
}

// A seed cell "{today-3}" is the day number three days before the day the
// demo is made, "{today+1:day}" and "{today+1:month}" the day and month of
// tomorrow (a birthday), so the sample activities, to-dos and birthdays lie
// around the day someone first looks at them. Other cells stay as they are.
std::string relativeDate(const std::string& cell) {
    if (cell.size() < 8 || cell.rfind("{today", 0) != 0 || cell.back() != '}')
        return cell;
    const std::string inner = cell.substr(6, cell.size() - 7);
    const std::size_t colon = inner.find(':');
    const std::int32_t day = today() + std::atoi(inner.substr(0, colon).c_str());
    if (colon == std::string::npos)
        return std::to_string(day);
    const auto date = civilDate(day);
    const std::string part = inner.substr(colon + 1);
    return std::to_string(!date ? 0 : part == "day" ? date->day : date->month);
}

// Loads seed rows into an open, empty file.
bool loadRows(RecordFile& file, const std::string& seedFile, std::string& error) {
    std::ifstream in(seedFile);
    std::string line;
    if (!std::getline(in, line))
        return true;
    std::vector<int> columns;
    for (const std::string& name : splitTabs(line)) {
        const int f = file.table().fieldIndex(name);
        if (f < 0) {
            error = seedFile + ": unknown field " + name;
            return false;
        }
        columns.push_back(f);
    }
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line == "\r")
            continue;
        file.clear();
        const auto cells = splitTabs(line);
        for (std::size_t i = 0; i < cells.size() && i < columns.size(); ++i)
            setFieldText(file.table(), file.buffer(), columns[i], relativeDate(cells[i]));
        if (file.add() != NoError) {
            error = seedFile + ":" + std::to_string(lineNumber) + ": " + errorText() + " " + errorKey();
            return false;
        }
    }
    return true;
}

// Creates the file when missing and fills it from the seed when it is empty.
bool seedTable(RecordFile& file, const std::string& seedFile, std::string& error) {
    // Creating takes a file or table of this layout that is already there as it is.
    if (file.create() != NoError) {
        error = file.diskName() + ": " + errorText();
        return false;
    }
    if (file.open() != NoError) {
        error = file.diskName() + ": " + errorText();
        return false;
    }
    bool ok = true;
    if (fileExists(seedFile) && file.records() == 0) {
        ok = file.beginBulkLoad() == NoError && loadRows(file, seedFile, error);
        if (ok && file.endBulkLoad() != NoError) {
            error = seedFile + ": " + errorText() + " " + errorKey();
            ok = false;
        } else if (!ok) {
            file.cancelBulkLoad();
        }
    }
    file.close();
    return ok;
}

template <class R> bool seed(const std::string& seedDir, const std::string& fileName, std::string& error) {
    File<R> file;
    if (!fileName.empty())
        file.setFileName(fileName);
    const std::string base =
        fileName.empty() ? std::string(R::table().name) : fileName.substr(fileName.find_last_of('/') + 1);
    return seedTable(file, seedDir.empty() ? std::string() : joinPath(seedDir, base + ".tsv"), error);
}

} // namespace

bool seedDemoData(const std::string& seedDir, std::string& error, SeedRecords which) {
    const std::string& init = appState().INITPATH;
    // Without sample records the record files are made empty (no seed to load).
    const std::string records = which == SeedRecords::All ? seedDir : std::string();
    return seed<Address>(records, {}, error) && seed<ContactPerson>(records, {}, error) &&
           seed<Activity>(records, {}, error) && seed<Country>(records, {}, error) &&
           seed<Place>(records, {}, error) && seed<Street>(records, {}, error) &&
           seed<Industry>(records, {}, error) && seed<Material>(records, {}, error) &&
           seed<MaterialSent>(records, {}, error) && seed<User>(records, {}, error) &&
           seed<Translation>(seedDir, joinPath(init, "ORB"), error) &&
           seed<Translation>(seedDir, joinPath(init, "ORBEN"), error);
}

} // namespace velkora::data
