#include "exchange/ExchangeFile.h"

#include "shared/Text.h"

#include <filesystem>

namespace velkora::exchange {

const std::array<ExchangeFieldDef, kExchangeFieldCount>& exchangeFields() {
    // ADRNR holds a row number; ten places keep it whole beyond 99,999 rows.
    static const std::array<ExchangeFieldDef, kExchangeFieldCount> fields = {{
        {"ADRNR", "", 10},
        {"STATUS", "P.10_ADRSTAT", 1},
        {"NAME0", "P.10_ANREDE", 32},
        {"NAME1", "P.10_NAME1", 40},
        {"NAME2", "P.10_NAME2", 40},
        {"BRANR", "P.10_BRIEFANREDE", 50},
        {"ZUSATZ", "P.10_ZUSATZ", 40},
        {"URL", "P.10_URL", 64},
        {"LD", "P.10_LD", 3},
        {"LAND", "P.10_LAND", 40},
        {"PLZ", "P.10_PLZ", 7},
        {"ORT", "P.10_ORT", 40},
        {"STRASSE", "P.10_STRASSE", 40},
        {"TEL", "P.10_TEL", 24},
        {"FAX", "P.10_FAX", 24},
        {"EMAIL", "P.10_E-MAIL", 64},
        {"BEMERK", "P.10_BEMERKUNG", 80},
        {"BRANCHE", "P.10_BRANCHE", 16},
        {"BLZ", "P.10_BLZ", 10},
        {"BANK", "P.10_BANK", 40},
        {"KTONR", "P.10_KONTONR", 16},
        {"MEMO", "P.10_MEMO", 10},
    }};
    return fields;
}

int exchangeField(std::string_view name) {
    const std::string upper = upperText(trim(name));
    const auto& fields = exchangeFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name == upper)
            return static_cast<int>(i);
    return -1;
}

std::string exchangeFileName(const std::string& mailPath) {
    return (std::filesystem::path(mailPath) / "Adr$Imp$").string();
}

bool exchangeFileExists(const std::string& mailPath) {
    std::error_code error;
    return std::filesystem::exists(files::DbfTable::tableFileName(exchangeFileName(mailPath)), error);
}

files::FileError createExchangeFile(const std::string& name) {
    std::vector<files::DbfField> fields;
    for (const ExchangeFieldDef& def : exchangeFields()) {
        const bool memo = def.name == "MEMO";
        fields.push_back({std::string(def.name), memo ? files::DbfType::Memo : files::DbfType::Character,
                          memo ? 10 : def.width});
    }
    return files::DbfTable::create(name, fields);
}

CheckMark checkMarkOf(std::string_view adrnrField) {
    const std::string mark = trim(adrnrField);
    if (mark.empty())
        return CheckMark::Unchecked;
    return mark == "-1" ? CheckMark::Clean : CheckMark::Duplicates;
}

std::vector<int> exchangeLayout(const files::DbfTable& table) {
    std::vector<int> layout;
    for (const files::DbfField& field : table.fields())
        layout.push_back(exchangeField(field.name));
    return layout;
}

ExchangeRow exchangeRow(const std::vector<int>& layout, const files::DbfRecord& record) {
    ExchangeRow row;
    for (std::size_t i = 0; i < layout.size() && i < record.values.size(); ++i) {
        if (layout[i] < 0)
            continue;
        const auto at = static_cast<std::size_t>(layout[i]);
        row[at] = at == static_cast<std::size_t>(ef::MEMO) ? record.values[i] : clip(record.values[i]);
    }
    return row;
}

} // namespace velkora::exchange
