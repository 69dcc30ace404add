#pragma once
// The address exchange file "Adr$Imp$" in MailPath: a dBase III table with
// memo that holds the rows read from an import file until they are checked
// and imported. Every field is text except the memo.
//
//   ExchangeRow row;
//   row[field("NAME1")] = "Müller GmbH";

#include "data/files/DbfTable.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::exchange {

inline constexpr std::size_t kExchangeFieldCount = 22;

struct ExchangeFieldDef {
    std::string_view name;     // the dBase field name, the address field without "ADR1:"
    std::string_view labelKey; // translation key of its description
    int width;
};

// The 22 fields in file order: ADRNR (the check mark) first, the memo last.
const std::array<ExchangeFieldDef, kExchangeFieldCount>& exchangeFields();
// The index of a field by name (case-insensitive); -1 when there is none.
int exchangeField(std::string_view name);

// Index constants of the fields the program itself reads.
namespace ef {
inline constexpr int ADRNR = 0, STATUS = 1, NAME0 = 2, NAME1 = 3, NAME2 = 4, ORT = 11, STRASSE = 12, TEL = 13,
                     FAX = 14, EMAIL = 15, BEMERK = 16, MEMO = 21;
}

using ExchangeRow = std::array<std::string, kExchangeFieldCount>;

// MailPath "/Adr$Imp$" (the table adds ".DBF").
std::string exchangeFileName(const std::string& mailPath);
bool exchangeFileExists(const std::string& mailPath);
// Creates the table empty, replacing an earlier one.
files::FileError createExchangeFile(const std::string& name);

// The check mark of ADR1:ADRNR: not checked, checked without duplicates, duplicates found.
enum class CheckMark { Unchecked, Clean, Duplicates };
CheckMark checkMarkOf(std::string_view adrnrField);

// Where each of the table's fields goes in a row (-1: nowhere), by name, so
// that a file another program wrote in another order reads as well.
std::vector<int> exchangeLayout(const files::DbfTable& table);
// A row from a record of that table: texts without padding, the memo as written.
ExchangeRow exchangeRow(const std::vector<int>& layout, const files::DbfRecord& record);

} // namespace velkora::exchange
