#pragma once
// The rows of an import file, whatever its format: text (delimited or
// fixed-length), dBase III, a mail program's CSV or vCard. Every format gives
// named columns and rows of texts, one text per column.
//
//   ImportOptions options;  options.file = "/mail/kunden.csv";  options.header = true;
//   std::string problem;
//   auto source = openImportSource(options, problem);     // nullptr: see problem
//   for (std::vector<std::string> row; source->next(row);) ...

#include "exchange/ImportText.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::exchange {

enum class ImportFormat { Text, Dbf, Outlook, VCard };
// "text", "dbf", "outlook" or "vcard".
std::optional<ImportFormat> importFormatNamed(std::string_view name);

struct ImportOptions {
    ImportFormat format = ImportFormat::Text;
    std::string file;
    bool delimited = true;       // false: fixed-length columns
    std::string delimiter = ";"; // up to three characters
    bool header = false;         // the first line names the columns
    bool removeQuotes = false;
    bool oem = false;               // the file is in the OEM code page
    std::vector<FixedColumn> fixed; // the columns of a fixed-length file
};

// The 64 columns a fixed-length file offers.
inline constexpr int kFixedColumns = 64;

struct ImportColumn {
    std::string name; // from the header, or "Fld" and its number
    int position = 0; // fixed-length files only
    int length = 0;
};

class ImportSource {
public:
    virtual ~ImportSource() = default;
    const std::vector<ImportColumn>& columns() const { return columns_; }
    // The next row, one text per column; false at the end.
    virtual bool next(std::vector<std::string>& row) = 0;
    // How far reading has come, 0 to 1.
    virtual double progress() const = 0;

protected:
    std::vector<ImportColumn> columns_;
};

// Opens the file; nullptr with the reason in `problem` when it cannot be read.
std::unique_ptr<ImportSource> openImportSource(const ImportOptions& options, std::string& problem);

// The names "Fld1", "Fld2", ... of columns without a header.
std::string generatedColumnName(int number);

} // namespace velkora::exchange
