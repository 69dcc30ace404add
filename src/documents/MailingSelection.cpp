#include "documents/MailingSelection.h"

#include "shared/Text.h"

namespace velkora::documents {
namespace {

const char* comparisonText(Comparison comparison) {
    switch (comparison) {
    case Comparison::AtLeast:
        return " >= ";
    case Comparison::Equal:
        return " = ";
    case Comparison::AtMost:
        return " <= ";
    }
    return " = ";
}

// " AND UPPER(field) >= UPPER('from') AND UPPER(field) <= UPPER('to')"
std::string foldedRange(std::string_view field, std::string_view from, std::string_view to) {
    const std::string folded = "UPPER(" + std::string(field) + ")";
    return " AND " + folded + " >= UPPER(" + quotedLiteral(clip(from)) + ") AND " + folded + " <= UPPER(" +
           quotedLiteral(clip(to)) + ")";
}

std::string numberText(double number) {
    const auto whole = static_cast<std::int64_t>(number);
    if (static_cast<double>(whole) == number)
        return std::to_string(whole);
    std::string text = std::to_string(number);
    while (text.back() == '0')
        text.pop_back();
    return text;
}

} // namespace

std::string quotedLiteral(std::string_view text) {
    std::string out = "'";
    for (const char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out + "'";
}

std::string addressCondition(const MailingSelection& s) {
    std::string a = "ADR:STATUS >= '" + std::to_string(s.statusFrom) + "' AND ADR:STATUS <= '" +
                    std::to_string(s.statusTo) + "'";
    if (s.numberTo != 0)
        a += " AND ADR:ADRNR >= " + std::to_string(s.numberFrom) + " AND ADR:ADRNR <= " +
             std::to_string(s.numberTo);
    if (!clip(s.nameTo).empty())
        a += foldedRange("ADR:NAME1", s.nameFrom, s.nameTo);
    if (s.addressType != 0)
        a += " AND ADR:ADRART = " + std::to_string(s.addressType);
    if (!s.industry.empty())
        a += " AND ADR:BRANCHE = " + quotedLiteral(s.industry);
    if (!s.country.empty())
        a += " AND ADR:LD = " + quotedLiteral(s.country);
    if (!clip(s.postalTo).empty())
        a += foldedRange("ADR:PLZ", s.postalFrom, s.postalTo);
    if (s.firstContact != 0)
        a += std::string(" AND ADR:EKONT") + comparisonText(s.firstContactCompare) +
             std::to_string(s.firstContact);
    if (s.lastContact != 0)
        a += std::string(" AND ADR:LKONT") + comparisonText(s.lastContactCompare) +
             std::to_string(s.lastContact);
    if (s.features) {
        std::string joined;
        for (std::size_t k = 0; k < s.feature.size(); ++k) {
            if (!s.feature[k])
                continue;
            if (!joined.empty())
                joined += s.featuresAnd ? " AND " : " OR ";
            joined += "ADR:MERKM[" + std::to_string(k + 1) + "] = '1'";
        }
        if (!joined.empty())
            a += " AND (" + joined + ")";
        if (s.featureNumber != 0)
            a += std::string(" AND ADR:MERKN") + comparisonText(s.featureNumberCompare) +
                 numberText(s.featureNumber);
    }
    return a;
}

std::string contactCondition(const MailingSelection& s) {
    if (!s.contacts)
        return {};
    std::string c = "0 = 0";
    if (s.contactType != 0)
        c += " AND TKP:KTART = " + std::to_string(s.contactType);
    if (!clip(s.department).empty())
        c += " AND INSTRING( UPPER(" + quotedLiteral(clip(s.department)) + "), UPPER(TKP:ABTPOS), 1, 1 ) > 0";
    if (s.onlyEmail)
        c += " AND LEN(CLIP(TKP:EMAIL)) > 0";
    if (s.onlyFax)
        c += " AND LEN(CLIP(TKP:FAX)) > 0";
    return c;
}

} // namespace velkora::documents
