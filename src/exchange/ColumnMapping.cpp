#include "exchange/ColumnMapping.h"

#include "i18n/Translation.h"
#include "shared/Text.h"

#include <charconv>
#include <utility>

namespace velkora::exchange {
namespace {

// Column names a mail program's CSV export uses, English and German, and
// the usual German and English headings of hand-made lists.
const std::pair<std::string_view, std::string_view> kKnownNames[] = {
    {"Title", "NAME0"},
    {"Anrede", "NAME0"},
    {"Salutation", "NAME0"},
    {"Business Street", "STRASSE"},
    {"Straße geschäftlich", "STRASSE"},
    {"Straße", "STRASSE"},
    {"Street", "STRASSE"},
    {"Business Postal Code", "PLZ"},
    {"Postleitzahl geschäftlich", "PLZ"},
    {"Postleitzahl", "PLZ"},
    {"Postal Code", "PLZ"},
    {"Business City", "ORT"},
    {"Ort geschäftlich", "ORT"},
    {"City", "ORT"},
    {"Business Country/Region", "LAND"},
    {"Business Country", "LAND"},
    {"Land/Region geschäftlich", "LAND"},
    {"Land geschäftlich", "LAND"},
    {"Land", "LAND"},
    {"Country", "LAND"},
    {"Business Phone", "TEL"},
    {"Telefon geschäftlich", "TEL"},
    {"Telefon", "TEL"},
    {"Phone", "TEL"},
    {"Business Fax", "FAX"},
    {"Fax geschäftlich", "FAX"},
    {"E-mail Address", "EMAIL"},
    {"E-Mail-Adresse", "EMAIL"},
    {"E-Mail", "EMAIL"},
    {"Web Page", "URL"},
    {"Webseite", "URL"},
    {"Webpage", "URL"},
    {"Notes", "BEMERK"},
    {"Notizen", "BEMERK"},
};

std::string comparable(std::string_view name) {
    std::string text = trim(name);
    if (text.ends_with(':'))
        text.pop_back();
    return upperText(trim(text));
}

int fieldForColumn(const std::string& name, const std::vector<std::string>& descriptions) {
    if (const int field = exchangeField(name); field > ef::ADRNR)
        return field;
    for (const auto& [known, field] : kKnownNames)
        if (comparable(known) == name)
            return exchangeField(field);
    for (std::size_t i = 1; i < descriptions.size() && i < kExchangeFieldCount; ++i)
        if (!descriptions[i].empty() && comparable(descriptions[i]) == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace

std::vector<std::string> translatedDescriptions() {
    std::vector<std::string> texts;
    for (const ExchangeFieldDef& def : exchangeFields())
        texts.push_back(def.labelKey.empty() ? std::string() : clip(i18n::TranslateText(def.labelKey)));
    return texts;
}

ColumnMapping automaticMapping(const std::vector<ImportColumn>& columns,
                               const std::vector<std::string>& descriptions) {
    ColumnMapping mapping;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int field = fieldForColumn(comparable(columns[c].name), descriptions);
        if (field > ef::ADRNR && mapping.column[std::size_t(field)] == 0)
            mapping.column[std::size_t(field)] = static_cast<int>(c + 1);
    }
    return mapping;
}

bool parseMapping(std::string_view text, ColumnMapping& mapping, std::string& problem) {
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find(',', at), text.size());
        const std::string_view part = text.substr(at, end - at);
        at = end + 1;
        if (trim(part).empty())
            continue;
        const std::size_t eq = part.find('=');
        const int field = exchangeField(part.substr(0, eq == std::string_view::npos ? part.size() : eq));
        int number = 0;
        const std::string digits = eq == std::string_view::npos ? std::string() : trim(part.substr(eq + 1));
        const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (field <= ef::ADRNR || digits.empty() || ec != std::errc() ||
            ptr != digits.data() + digits.size() || number < 0) {
            problem = std::string(part);
            return false;
        }
        mapping.assign(field, number);
    }
    return true;
}

} // namespace velkora::exchange
