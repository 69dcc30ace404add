#pragma once
// The import of the check list's rows into the address table: each row
// becomes an address under the next free number; a row with a telephone,
// fax or e-mail also a contact person with the phone index. A row that
// cannot be added is counted with its reason, never passed over unnoticed.
//
//   ImportOutcome out = importExchange(exchangeTable, adr, tkp, contactKind(appState().WORKINI));

#include "data/FileServices.h"
#include "exchange/ExchangeReading.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velkora::exchange {

struct ImportFailure {
    std::uint32_t row = 0; // in the exchange file
    std::string name1;
    std::string reason;
};

struct ImportOutcome {
    std::size_t imported = 0;
    std::vector<ImportFailure> failed;
    bool cancelled = false; // the rows after the last batch were left
};

// The kind of the contact persons made: the first contact kind's configured
// text ([ADRTKP] AdrKArt1) as a number, 0 when it is not one.
std::uint8_t importContactKind(const std::string& workIni);

// Imports the rows of the open exchange file in file order. The files are open.
ImportOutcome importExchange(files::DbfTable& exchange, data::File<data::Address>& adr,
                             data::File<data::ContactPerson>& tkp, std::uint8_t contactKind,
                             const ProgressCallback& progress = {});

} // namespace velkora::exchange
