#include "exchange/ImportRun.h"

#include "addresses/PhoneIndex.h"
#include "shared/AppState.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <charconv>

namespace velkora::exchange {
namespace {

// Rows written in one transaction when rows go one by one: a cancel takes
// effect after a batch.
constexpr std::size_t kBatchRows = 2000;
constexpr std::size_t kProgressRows = 1000;

// The fields copied from a row onto the address, by the same name.
constexpr int kCopied[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19, 20};

// The current error as the user reads it: the runtime's text, the driver's
// when it has one, and the key of a duplicate.
std::string failureReason() {
    const data::CurrentError& e = data::currentError();
    std::string reason = e.text + " (" + std::to_string(e.code) + ")";
    if (!e.fileSystemText.empty())
        reason += ": " + e.fileSystemText;
    if (!e.key.empty())
        reason += ": " + e.key;
    return reason;
}

bool hasContact(const ExchangeRow& row) {
    return !row[ef::TEL].empty() || !row[ef::FAX].empty() || !row[ef::EMAIL].empty();
}

struct Stamp {
    std::string user;
    std::int32_t date = 0;
    std::string time;
};

class Importer {
public:
    Importer(data::File<data::Address>& adr, data::File<data::ContactPerson>& tkp, std::uint8_t kind)
        : adr_(adr), tkp_(tkp),
          kind_(kind), stamp_{appState().USERSHORT, today(), formatTime("@T01", clockNow())} {
        const data::TableDef& table = data::Address::table();
        for (const int f : kCopied)
            fieldOf_[f] = table.fieldIndex("ADR:" + std::string(exchangeFields()[std::size_t(f)].name));
    }

    // Adds the row; the reason when it could not be.
    std::string add(const ExchangeRow& row) {
        adr_.clear();
        data::Address& a = adr_.rec;
        for (const int f : kCopied)
            if (fieldOf_[f] >= 0)
                data::setFieldText(data::Address::table(), &a, fieldOf_[f], row[std::size_t(f)]);
        a.AUSER = stamp_.user;
        a.ADATUM = stamp_.date;
        a.AUHR = stamp_.time;
        if (next_ == 0)
            next_ = data::NextNumber(adr_, "ADR:QXADRES1", "ADR:ADRNR", "");
        a.ADRNR = next_;
        int code = adr_.add();
        if (code == data::DuplicateKeyError) {
            // Taken by another station since the number was drawn: draw afresh once.
            a.ADRNR = next_ = data::NextNumber(adr_, "ADR:QXADRES1", "ADR:ADRNR", "");
            code = adr_.add();
        }
        if (code != data::NoError)
            return failureReason();
        ++next_;
        return hasContact(row) ? addContact(row, a) : std::string();
    }
    // Before a run: the next number is drawn afresh at the first row.
    void prepare() { next_ = 0; }

private:
    std::string addContact(const ExchangeRow& row, const data::Address& a) {
        tkp_.clear();
        data::ContactPerson& t = tkp_.rec;
        t.ADRNR = a.ADRNR;
        t.TKPNR = 1; // the first of a new address
        t.KTART = kind_;
        t.NAME0 = a.NAME0;
        t.NAME1 = a.NAME1;
        t.NAME2 = a.NAME2;
        t.TEL = row[ef::TEL];
        t.TFX = TFX4TelFax(row[ef::TEL]);
        t.FAX = row[ef::FAX];
        t.EMAIL = row[ef::EMAIL];
        t.AUSER = stamp_.user;
        t.ADATUM = stamp_.date;
        t.AUHR = stamp_.time;
        int code = tkp_.add();
        if (code == data::DuplicateKeyError) {
            // Contacts left over from an address of this number once deleted.
            t.TKPNR =
                data::NextNumber(tkp_, "TKP:QXADRTK1", "TKP:TKPNR", "TKP:ADRNR = " + std::to_string(t.ADRNR));
            code = tkp_.add();
        }
        return code == data::NoError ? std::string() : "contact: " + failureReason();
    }

    data::File<data::Address>& adr_;
    data::File<data::ContactPerson>& tkp_;
    std::uint8_t kind_;
    Stamp stamp_;
    int fieldOf_[kExchangeFieldCount] = {};
    std::int32_t next_ = 0;
};

} // namespace

std::uint8_t importContactKind(const std::string& workIni) {
    const std::string text = trim(profile::read(workIni, "ADRTKP", "AdrKArt1", ""));
    unsigned value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && value <= 255 ? std::uint8_t(value) : 0;
}

namespace {

double shareDone(const files::DbfTable& exchange) {
    return exchange.count() ? double(exchange.position()) / exchange.count() : 1.0;
}

// The quick way: every row in one bulk load of each file. False when nothing
// was kept because a row failed (the load does not tell which): the rows are
// then imported one by one, which does.
bool importInOneLoad(files::DbfTable& exchange, Importer& importer, data::File<data::Address>& adr,
                     data::File<data::ContactPerson>& tkp, const ProgressCallback& progress,
                     ImportOutcome& out) {
    importer.prepare();
    if (adr.beginBulkLoad() != data::NoError)
        return false;
    if (tkp.beginBulkLoad() != data::NoError) {
        adr.cancelBulkLoad();
        return false;
    }
    const std::vector<int> layout = exchangeLayout(exchange);
    exchange.rewind();
    files::DbfRecord record;
    std::vector<ImportFailure> withContact; // reported should the contacts fail alone
    std::size_t rows = 0;
    while (!exchange.next(record)) {
        const ExchangeRow row = exchangeRow(layout, record);
        if (!importer.add(row).empty()) {
            adr.cancelBulkLoad();
            tkp.cancelBulkLoad();
            return false;
        }
        ++rows;
        if (hasContact(row))
            withContact.push_back({exchange.position(), row[ef::NAME1], {}});
        if (progress && rows % kProgressRows == 0 && !progress(shareDone(exchange))) {
            out.cancelled = exchange.position() < exchange.count();
            break;
        }
    }
    if (adr.endBulkLoad() != data::NoError) {
        tkp.cancelBulkLoad();
        return false;
    }
    out.imported = rows;
    if (tkp.endBulkLoad() != data::NoError) {
        const std::string reason = "contact: " + failureReason();
        for (ImportFailure& f : withContact)
            out.failed.push_back({f.row, f.name1, reason});
    }
    return true;
}

// Row by row in transactions of a batch each: every row that cannot be added is reported.
void importRowByRow(files::DbfTable& exchange, Importer& importer, data::File<data::Address>& adr,
                    data::File<data::ContactPerson>& tkp, const ProgressCallback& progress,
                    ImportOutcome& out) {
    importer.prepare();
    const std::vector<int> layout = exchangeLayout(exchange);
    exchange.rewind();
    files::DbfRecord record;
    bool more = true;
    while (more) {
        data::Transaction tx;
        if (tx.begin({&adr, &tkp}) != data::NoError) {
            // Nothing of this batch is written: each of its rows is reported.
            const std::string reason = failureReason();
            for (std::size_t n = 0; n < kBatchRows && !exchange.next(record); ++n)
                out.failed.push_back(
                    {exchange.position(), clip(exchangeRow(layout, record)[ef::NAME1]), reason});
            more = exchange.position() < exchange.count();
            continue;
        }
        std::vector<ImportFailure> batchRows;
        std::size_t added = 0;
        for (std::size_t n = 0; n < kBatchRows; ++n) {
            if (exchange.next(record)) {
                more = false;
                break;
            }
            const ExchangeRow row = exchangeRow(layout, record);
            const std::string reason = importer.add(row);
            batchRows.push_back({exchange.position(), row[ef::NAME1], reason});
            if (reason.empty())
                ++added;
            else
                out.failed.push_back(batchRows.back());
        }
        if (tx.commit() != data::NoError) {
            const std::string reason = failureReason();
            for (const ImportFailure& row : batchRows)
                if (row.reason.empty())
                    out.failed.push_back({row.row, row.name1, reason});
        } else {
            out.imported += added;
        }
        if (progress && !progress(shareDone(exchange))) {
            out.cancelled = more;
            break;
        }
    }
}

} // namespace

ImportOutcome importExchange(files::DbfTable& exchange, data::File<data::Address>& adr,
                             data::File<data::ContactPerson>& tkp, std::uint8_t contactKind,
                             const ProgressCallback& progress) {
    ImportOutcome out;
    Importer importer(adr, tkp, contactKind);
    if (!importInOneLoad(exchange, importer, adr, tkp, progress, out))
        importRowByRow(exchange, importer, adr, tkp, progress, out);
    return out;
}

} // namespace velkora::exchange
