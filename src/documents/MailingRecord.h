#pragma once
// The row of the mailing file QXAILADR (prefix M): the flat, one-row-per-
// recipient form of an address and a contact person that every document is
// produced from. All fields are texts of fixed width; the memo lies in the
// memo file and the row keeps its block number (M:MEMO_PTR).

#include "data/expr/FieldSource.h"
#include "data/files/DbfTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velkora::documents {

struct MailingRecord {
    std::string AUSER;
    std::string ADATUM;
    std::string AUHR;
    std::string STATUS;
    std::string KLASSE;
    std::string ADRART;
    std::string ADRNR;
    std::string NAME0;
    std::string NAME1;
    std::string NAME2;
    std::string BRANR;
    std::string ZUSATZ;
    std::string URL;
    std::string LD;
    std::string LAND;
    std::string PLZ;
    std::string POSTFACH;
    std::string POSTFPLZ;
    std::string ORT;
    std::string STRASSE;
    std::string BEMERKUNG;
    std::string ALARM;
    std::string BRANCHE;
    std::string MERKM;
    std::string USTID;
    std::string IUSR;
    std::string EKONT;
    std::string LKONT;
    std::string ANZDRUCK;
    std::string BLZ;
    std::string BANK;
    std::string KTONR;
    std::string ADRGRP;
    std::string KNAME0;
    std::string KNAME1;
    std::string KNAME2;
    std::string KTART;
    std::string ABTPOS;
    std::string TEL;
    std::string FAX;
    std::string EMAIL;
    std::string KZUSATZ;
    std::string DOCTITLE;
    std::uint32_t MEMO_PTR = 0; // memo block number of the row read last
    std::string MEMO;           // up to kMailingMemoSize characters
};

struct MailingTextField {
    const char* name; // the dBase name, the field name without "M:"
    int width;
    std::string MailingRecord::*member;
};

inline constexpr std::size_t kMailingTextFields = 43;
inline constexpr std::size_t kMailingMemoSize = 65280;

// The 43 text fields in file order; the memo field "MEMO" follows them.
const std::array<MailingTextField, kMailingTextFields>& mailingTextFields();
// The dBase layout of the file: the text fields and the memo.
std::vector<files::DbfField> mailingDbfFields();

// Between the record and a dBase row in mailing layout.
files::DbfRecord toDbfRecord(const MailingRecord& record);
void fromDbfRecord(const files::DbfRecord& row, MailingRecord& record);

// The record's fields for expressions: M:AUSER ... M:DOCTITLE and M:MEMO_PTR
// (a number). M:MEMO is bound by name separately, as memos are.
class MailingFieldSource : public expr::FieldSource {
public:
    explicit MailingFieldSource(const MailingRecord& record) : record_(record) {}
    std::size_t fieldCount() const override;
    std::string_view fieldName(std::size_t index) const override;
    expr::FieldValue fieldValue(std::size_t index) const override;

private:
    const MailingRecord& record_;
};

} // namespace velkora::documents
