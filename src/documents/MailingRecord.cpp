#include "documents/MailingRecord.h"

#include "shared/FieldTypes.h"

namespace velkora::documents {
namespace {

using R = MailingRecord;

constexpr std::array<MailingTextField, kMailingTextFields> kFields = {{
    {"AUSER", 8, &R::AUSER},
    {"ADATUM", 10, &R::ADATUM},
    {"AUHR", 5, &R::AUHR},
    {"STATUS", 1, &R::STATUS},
    {"KLASSE", 1, &R::KLASSE},
    {"ADRART", 20, &R::ADRART},
    {"ADRNR", 10, &R::ADRNR},
    {"NAME0", 40, &R::NAME0},
    {"NAME1", 64, &R::NAME1},
    {"NAME2", 64, &R::NAME2},
    {"BRANR", 64, &R::BRANR},
    {"ZUSATZ", 40, &R::ZUSATZ},
    {"URL", 64, &R::URL},
    {"LD", 3, &R::LD},
    {"LAND", 40, &R::LAND},
    {"PLZ", 8, &R::PLZ},
    {"POSTFACH", 16, &R::POSTFACH},
    {"POSTFPLZ", 8, &R::POSTFPLZ},
    {"ORT", 40, &R::ORT},
    {"STRASSE", 40, &R::STRASSE},
    {"BEMERKUNG", 250, &R::BEMERKUNG},
    {"ALARM", 1, &R::ALARM},
    {"BRANCHE", 16, &R::BRANCHE},
    {"MERKM", 16, &R::MERKM},
    {"USTID", 16, &R::USTID},
    {"IUSR", 16, &R::IUSR},
    {"EKONT", 10, &R::EKONT},
    {"LKONT", 10, &R::LKONT},
    {"ANZDRUCK", 2, &R::ANZDRUCK},
    {"BLZ", 16, &R::BLZ},
    {"BANK", 64, &R::BANK},
    {"KTONR", 16, &R::KTONR},
    {"ADRGRP", 16, &R::ADRGRP},
    {"KNAME0", 32, &R::KNAME0},
    {"KNAME1", 64, &R::KNAME1},
    {"KNAME2", 64, &R::KNAME2},
    {"KTART", 24, &R::KTART},
    {"ABTPOS", 48, &R::ABTPOS},
    {"TEL", 24, &R::TEL},
    {"FAX", 24, &R::FAX},
    {"EMAIL", 64, &R::EMAIL},
    {"KZUSATZ", 40, &R::KZUSATZ},
    {"DOCTITLE", 80, &R::DOCTITLE},
}};

// "M:" + name for every text field, then M:MEMO_PTR.
const std::array<std::string, kMailingTextFields + 1>& prefixedNames() {
    static const auto names = [] {
        std::array<std::string, kMailingTextFields + 1> out;
        for (std::size_t i = 0; i < kMailingTextFields; ++i)
            out[i] = std::string("M:") + kFields[i].name;
        out[kMailingTextFields] = "M:MEMO_PTR";
        return out;
    }();
    return names;
}

} // namespace

const std::array<MailingTextField, kMailingTextFields>& mailingTextFields() {
    return kFields;
}

std::vector<files::DbfField> mailingDbfFields() {
    std::vector<files::DbfField> fields;
    for (const MailingTextField& f : kFields)
        fields.push_back({f.name, files::DbfType::Character, f.width});
    fields.push_back({"MEMO", files::DbfType::Memo, 10});
    return fields;
}

files::DbfRecord toDbfRecord(const MailingRecord& record) {
    files::DbfRecord row;
    row.values.reserve(kMailingTextFields + 1);
    for (const MailingTextField& f : kFields)
        row.values.push_back(record.*f.member);
    row.values.push_back(toMemoField(record.MEMO, kMailingMemoSize));
    return row;
}

void fromDbfRecord(const files::DbfRecord& row, MailingRecord& record) {
    for (std::size_t i = 0; i < kMailingTextFields; ++i)
        record.*kFields[i].member = i < row.values.size() ? row.values[i] : std::string();
    const bool hasMemo = row.values.size() > kMailingTextFields;
    record.MEMO = hasMemo ? row.values[kMailingTextFields] : std::string();
    record.MEMO_PTR = hasMemo ? row.memoBlocks[kMailingTextFields] : 0;
}

std::size_t MailingFieldSource::fieldCount() const {
    return kMailingTextFields + 1;
}

std::string_view MailingFieldSource::fieldName(std::size_t index) const {
    return prefixedNames().at(index);
}

expr::FieldValue MailingFieldSource::fieldValue(std::size_t index) const {
    if (index == kMailingTextFields)
        return expr::FieldValue::ofNumber(record_.MEMO_PTR);
    return expr::FieldValue::ofText(record_.*kFields.at(index).member);
}

} // namespace velkora::documents
