#include "exchange/ImportSource.h"

#include "data/files/DbfTable.h"
#include "exchange/VCard.h"
#include "shared/Text.h"

#include <array>
#include <fstream>
#include <sstream>

namespace velkora::exchange {
namespace {

bool readWholeFile(const std::string& path, std::string& bytes, std::string& problem) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = "cannot open " + path;
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        problem = "cannot read " + path;
        return false;
    }
    bytes = std::move(content).str();
    return true;
}

// Delimited and fixed-length text files.
class TextSource : public ImportSource {
public:
    TextSource(const ImportOptions& options, std::string text)
        : options_(options), records_(std::move(text), options.delimited && options.removeQuotes) {
        if (!options.delimited) {
            for (int i = 0; i < kFixedColumns; ++i) {
                const FixedColumn c = static_cast<std::size_t>(i) < options.fixed.size()
                                          ? options.fixed[static_cast<std::size_t>(i)]
                                          : FixedColumn{};
                columns_.push_back({generatedColumnName(i + 1), c.position, c.length});
            }
            fixed_ = options.fixed;
            fixed_.resize(kFixedColumns);
        }
        // The first line names the columns (with a header) or tells how many there are.
        std::string first;
        TextRecords peek = records_;
        if (!peek.next(first) || !options.delimited)
            return;
        const std::vector<std::string> cells = split(first);
        for (std::size_t i = 0; i < cells.size(); ++i)
            columns_.push_back({options.header && !trim(cells[i]).empty() ? trim(cells[i])
                                                                          : generatedColumnName(int(i) + 1)});
    }

    bool next(std::vector<std::string>& row) override {
        std::string line;
        if (!records_.next(line))
            return false;
        if (options_.header && !headerSkipped_) {
            headerSkipped_ = true;
            if (!records_.next(line))
                return false;
        }
        row = split(line);
        row.resize(columns_.size());
        return true;
    }
    double progress() const override { return records_.progress(); }

protected:
    std::vector<std::string> split(std::string_view line) const {
        return options_.delimited ? splitDelimited(line, options_.delimiter, options_.removeQuotes)
                                  : splitFixed(line, fixed_);
    }

    ImportOptions options_;
    TextRecords records_;
    std::vector<FixedColumn> fixed_;
    bool headerSkipped_ = false;
};

// Names for a row: the company, else the person.
struct RowNames {
    std::string name1, name2;
};
RowNames rowNames(const std::string& company, const std::string& person) {
    if (!company.empty())
        return {company, person};
    return {person, {}};
}

// The CSV a mail program exports. Its name columns become NAME1 and NAME2
// (the company, else the person; then the person); other columns keep their
// names, which the mapping knows in English and German.
class OutlookSource : public TextSource {
public:
    OutlookSource(const ImportOptions& options, std::string text) : TextSource(options, std::move(text)) {
        company_ = columnOf({"Company", "Firma"});
        first_ = columnOf({"First Name", "Vorname"});
        middle_ = columnOf({"Middle Name", "Weitere Vornamen"});
        last_ = columnOf({"Last Name", "Nachname"});
        columns_.push_back({"NAME1"});
        columns_.push_back({"NAME2"});
    }

    bool next(std::vector<std::string>& row) override {
        if (!TextSource::next(row))
            return false;
        std::string person;
        for (const int c : {first_, middle_, last_})
            if (c >= 0 && !row[std::size_t(c)].empty())
                person += (person.empty() ? "" : " ") + row[std::size_t(c)];
        const RowNames names = rowNames(company_ >= 0 ? row[std::size_t(company_)] : "", person);
        row[row.size() - 2] = names.name1;
        row[row.size() - 1] = names.name2;
        return true;
    }

private:
    int columnOf(std::initializer_list<std::string_view> names) const {
        for (std::size_t i = 0; i < columns_.size(); ++i)
            for (const std::string_view name : names)
                if (upperText(columns_[i].name) == upperText(name))
                    return static_cast<int>(i);
        return -1;
    }
    int company_ = -1, first_ = -1, middle_ = -1, last_ = -1;
};

class DbfSource : public ImportSource {
public:
    explicit DbfSource(files::DbfTable table) : table_(std::move(table)) {
        for (const files::DbfField& field : table_.fields())
            columns_.push_back({field.name});
    }
    bool next(std::vector<std::string>& row) override {
        files::DbfRecord record;
        if (table_.next(record))
            return false;
        row.clear();
        for (const std::string& value : record.values)
            row.push_back(trim(value));
        return true;
    }
    double progress() const override {
        return table_.count() == 0 ? 1.0 : double(table_.position()) / table_.count();
    }

private:
    files::DbfTable table_;
};

// Each card a row, in columns named as the exchange fields they fill.
class VCardSource : public ImportSource {
public:
    explicit VCardSource(std::vector<VCardContact> cards) : cards_(std::move(cards)) {
        for (const char* name : {"NAME0", "NAME1", "NAME2", "STRASSE", "PLZ", "ORT", "LAND", "TEL", "FAX",
                                 "EMAIL", "URL", "BEMERK"})
            columns_.push_back({name});
    }
    bool next(std::vector<std::string>& row) override {
        if (at_ >= cards_.size())
            return false;
        const VCardContact& c = cards_[at_++];
        std::string person = trim(c.given + " " + c.family);
        if (person.empty() && c.fullName != c.org)
            person = c.fullName;
        RowNames names = rowNames(c.org, person);
        if (!c.org.empty() && names.name2.empty())
            names.name2 = c.orgUnit;
        row = {c.prefix,  names.name1, names.name2, c.street, c.postalCode, c.locality,
               c.country, c.tel,       c.fax,       c.email,  c.url,        c.note};
        return true;
    }
    double progress() const override { return cards_.empty() ? 1.0 : double(at_) / cards_.size(); }

private:
    std::vector<VCardContact> cards_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<ImportFormat> importFormatNamed(std::string_view name) {
    if (name == "text")
        return ImportFormat::Text;
    if (name == "dbf")
        return ImportFormat::Dbf;
    if (name == "outlook")
        return ImportFormat::Outlook;
    if (name == "vcard")
        return ImportFormat::VCard;
    return std::nullopt;
}

std::string generatedColumnName(int number) {
    return "Fld" + std::to_string(number);
}

std::unique_ptr<ImportSource> openImportSource(const ImportOptions& options, std::string& problem) {
    if (options.format == ImportFormat::Dbf) {
        files::DbfTable table;
        if (const files::FileError error = table.open(options.file, files::DbfTable::Access::Read)) {
            problem = error.text;
            return nullptr;
        }
        return std::make_unique<DbfSource>(std::move(table));
    }
    std::string bytes;
    if (!readWholeFile(options.file, bytes, problem))
        return nullptr;
    std::string text = decodeText(bytes, detectEncoding(bytes, options.oem));
    switch (options.format) {
    case ImportFormat::Outlook: {
        ImportOptions csv = options;
        csv.delimited = true;
        csv.delimiter = ",";
        csv.header = true;
        csv.removeQuotes = true;
        return std::make_unique<OutlookSource>(csv, std::move(text));
    }
    case ImportFormat::VCard:
        return std::make_unique<VCardSource>(parseVCards(text));
    default:
        return std::make_unique<TextSource>(options, std::move(text));
    }
}

} // namespace velkora::exchange
