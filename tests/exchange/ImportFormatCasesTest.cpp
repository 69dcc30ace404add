// Each import format against sample files: tests/exchange/cases/NAME.options
// names the file and how it is read; the rows that reach the exchange file
// must be NAME.expected (a block per row, "FIELD=value" for the fields given).

#include "TempDir.h"
#include "exchange/ExchangeReading.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace velkora::exchange {
namespace {

std::string casesDir() {
    return test::sourceDir() + "/tests/exchange/cases";
}

std::vector<FixedColumn> fixedColumns(const std::string& text) {
    std::vector<FixedColumn> columns;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');)
        columns.push_back(
            {std::stoi(part.substr(0, part.find(':'))), std::stoi(part.substr(part.find(':') + 1))});
    return columns;
}

// Reads the case's file as its options say and prints the exchange file.
std::string readCase(const std::string& name, const test::TempDir& dir) {
    ImportOptions options;
    std::string map;
    std::istringstream in(test::readFile(casesDir() + "/" + name + ".options"));
    for (std::string line; std::getline(in, line);) {
        const std::string key = line.substr(0, line.find('='));
        const std::string value = line.substr(line.find('=') + 1);
        if (key == "file")
            options.file = casesDir() + "/" + value;
        else if (key == "format")
            options.format = importFormatNamed(value).value_or(ImportFormat::Text);
        else if (key == "delimiter")
            options.delimiter = value == "TAB" ? "\t" : value;
        else if (key == "header")
            options.header = value == "1";
        else if (key == "quotes")
            options.removeQuotes = value == "1";
        else if (key == "oem")
            options.oem = value == "1";
        else if (key == "fixed")
            options.delimited = false, options.fixed = fixedColumns(value);
        else if (key == "map")
            map = value;
    }
    std::string problem;
    auto source = openImportSource(options, problem);
    if (!source)
        return "cannot open: " + problem;
    ColumnMapping mapping = automaticMapping(source->columns());
    if (!map.empty() && !parseMapping(map, mapping = {}, problem))
        return "bad map: " + problem;
    std::string out = "columns:";
    for (const ImportColumn& c : source->columns())
        out += " [" + c.name + "]";
    out += "\n";
    const std::string exchange = dir.file("Adr$Imp$");
    const ReadOutcome read = readIntoExchange(*source, mapping, exchange);
    out += "read " + std::to_string(read.rowsRead) + ", added " + std::to_string(read.rowsAdded) + "\n";
    files::DbfTable table;
    table.open(exchange, files::DbfTable::Access::Read);
    const std::vector<int> layout = exchangeLayout(table);
    files::DbfRecord record;
    while (!table.next(record)) {
        const ExchangeRow row = exchangeRow(layout, record);
        out += "\n";
        for (std::size_t f = 0; f < row.size(); ++f)
            if (!row[f].empty())
                out += std::string(exchangeFields()[f].name) + "=" + row[f] + "\n";
    }
    return out;
}

// dBase files are made here rather than kept as samples: any dBase III file
// reads, its field names being the columns.
TEST(DbfFormat, AnyDbaseFileReadsWithItsFieldNamesAsColumns) {
    test::TempDir dir;
    const std::string name = dir.file("KUNDEN");
    ASSERT_FALSE(files::DbfTable::create(name, {{"FIRMA", files::DbfType::Character, 30},
                                                {"PLZ", files::DbfType::Numeric, 5},
                                                {"ORT", files::DbfType::Character, 20},
                                                {"NOTIZ", files::DbfType::Memo, 10}}));
    files::DbfTable table;
    ASSERT_FALSE(table.open(name, files::DbfTable::Access::Write));
    ASSERT_FALSE(table.append({{"Bäckerei Schön", "80331", "München", "Zwei\r\nZeilen"}}));
    ASSERT_FALSE(table.append({{"Gelöscht", "1", "", ""}}));
    ASSERT_FALSE(table.markDeleted(2));
    table.close();

    ImportOptions options;
    options.format = ImportFormat::Dbf;
    options.file = name + ".DBF";
    std::string problem;
    auto source = openImportSource(options, problem);
    ASSERT_TRUE(source) << problem;
    std::vector<std::string> names;
    for (const ImportColumn& c : source->columns())
        names.push_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"FIRMA", "PLZ", "ORT", "NOTIZ"}));
    const ColumnMapping mapping = automaticMapping(source->columns());
    EXPECT_EQ(mapping.column[exchangeField("PLZ")], 2);
    EXPECT_EQ(mapping.column[ef::ORT], 3);
    std::vector<std::string> row;
    ASSERT_TRUE(source->next(row));
    EXPECT_EQ(row, (std::vector<std::string>{"Bäckerei Schön", "80331", "München", "Zwei\r\nZeilen"}));
    EXPECT_FALSE(source->next(row));
}

class ImportFormatCases : public ::testing::TestWithParam<std::string> {};

TEST_P(ImportFormatCases, GivesTheExpectedRows) {
    test::TempDir dir;
    const std::string actual = readCase(GetParam(), dir);
    const std::string expectedFile = casesDir() + "/" + GetParam() + ".expected";
    if (const char* update = std::getenv("VELKORA_UPDATE_CASES"); update && *update == '1') {
        std::ofstream(expectedFile, std::ios::binary) << actual;
        return;
    }
    EXPECT_EQ(actual, test::readFile(expectedFile));
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(casesDir()))
        if (entry.path().extension() == ".options")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Samples, ImportFormatCases, ::testing::ValuesIn(caseNames()), [](const auto& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

} // namespace
} // namespace velkora::exchange
