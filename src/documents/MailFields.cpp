#include "documents/MailFields.h"

#include "documents/MailingRecord.h"
#include "i18n/Translation.h"
#include "shared/Text.h"

#include <map>
#include <string_view>

namespace velkora::documents {
namespace {

constexpr std::size_t kDescriptionChars = 39;

// Fields whose label is kept under another key than "P.10_" + name.
const std::map<std::string_view, std::string_view>& labelKeys() {
    static const std::map<std::string_view, std::string_view> keys = {
        {"NAME0", "P.10_ANREDE"},        {"KNAME0", "P.10_ANREDE"}, {"BRANR", "P.10_BRIEFANREDE"},
        {"BEMERKUNG", "P.10_BEMERKUNG"}, {"EMAIL", "P.10_E-MAIL"},  {"EKONT", "P.10_ERSTKONTAKT"},
        {"LKONT", "P.10_LETZTKONTAKT"},  {"KTONR", "P.10_KONTONR"}, {"KTART", "P.10_KONTAKT"},
        {"KNAME1", "P.10_NAME1"},        {"KNAME2", "P.10_NAME2"},  {"KZUSATZ", "P.10_ZUSATZ"},
        {"DOCTITLE", "P.10_DOCTITEL"},
    };
    return keys;
}

MailFieldRow rowOf(std::string_view name) {
    const auto special = labelKeys().find(name);
    const std::string key =
        special != labelKeys().end() ? std::string(special->second) : "P.10_" + std::string(name);
    std::string label = i18n::TranslateText(key);
    while (!label.empty() && label.back() == ':')
        label.pop_back();
    const std::string field = "M:" + std::string(name);
    return {"<#" + field + "#>",
            cutChars(label.empty() ? field : label + " (" + field + ")", kDescriptionChars)};
}

} // namespace

std::vector<MailFieldRow> mailFieldRows() {
    std::vector<MailFieldRow> rows;
    for (const MailingTextField& field : mailingTextFields())
        rows.push_back(rowOf(field.name));
    rows.push_back(rowOf("MEMO"));
    return rows;
}

} // namespace velkora::documents
