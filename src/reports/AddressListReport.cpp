#include "reports/AddressListReport.h"

#include "data/View.h"
#include "documents/FileErrorMessage.h"
#include "i18n/ControlTexts.h"
#include "reports/ReportText.h"
#include "shared/Text.h"

#include <algorithm>
#include <cstdlib>

namespace velkora::reports {
namespace {

// Rows a step reads: enough to keep the run fast, few enough that the
// progress window answers the user at once.
constexpr std::size_t kRowsPerStep = 200;
constexpr std::size_t kContactPage = 256;

std::string label(const char* design) {
    return i18n::translated(i18n::StringControl, design);
}

} // namespace

AddressListReport::AddressListReport(std::string mailingFile, std::string title, bool withContacts)
    : fileName_(std::move(mailingFile)), withContacts_(withContacts) {
    report_.title = std::move(title);
}

bool AddressListReport::open() {
    opened_ = true;
    if (withContacts_) {
        if (!files_.open({&data::files().QXADRTKP}))
            return false;
        contacts_.emplace(data::files().QXADRTKP);
        contacts_->setOrder("TKP:QXADRTK2");
    }
    mailing_.setName(fileName_);
    if (const files::FileError error = mailing_.open(files::DbfTable::Access::Read)) {
        documents::showFileError(error, "OPEN(" + files::DbfTable::tableFileName(fileName_) + ")");
        return false;
    }
    labelNumber_ = label("Nr.");
    labelTel_ = label("Tel.");
    labelFax_ = label("Fax");
    labelEmail_ = label("E-Mail");
    return true;
}

bool AddressListReport::step() {
    if (done_)
        return false;
    if (!opened_ && !open()) {
        failed_ = done_ = true;
        return false;
    }
    std::vector<documents::MailingRecord> rows;
    bool more = true;
    while (rows.size() < kRowsPerStep) {
        if (const files::FileError error = mailing_.next()) {
            failed_ = error.code != files::kRecordNotAvailable;
            if (failed_)
                documents::showFileError(error, "NEXT(" + files::DbfTable::tableFileName(fileName_) + ")");
            more = false;
            break;
        }
        rows.push_back(mailing_.rec);
    }
    rowsRead_ += static_cast<std::uint32_t>(rows.size());
    const auto contacts = withContacts_ ? contactsOf(rows) : ContactsByAddress{};
    for (const documents::MailingRecord& row : rows) {
        addAddress(row);
        if (const auto found = contacts.find(std::atoi(row.ADRNR.c_str())); found != contacts.end())
            for (const data::ContactPerson& contact : found->second)
                addContact(contact);
    }
    if (!more) {
        done_ = true;
        mailing_.close();
        contacts_.reset();
        files_.close();
    }
    return more;
}

double AddressListReport::percent() const {
    // Rows are of one length: the share of rows is the share of the file's bytes.
    if (done_)
        return 100.0;
    const std::uint32_t count = mailing_.count();
    return count == 0 ? 0.0 : 100.0 * rowsRead_ / count;
}

void AddressListReport::addAddress(const documents::MailingRecord& m) {
    Band band{BandKind::Address, std::vector<std::string>(AddressFieldCount)};
    band.texts[AdrLine1] = joinParts({m.NAME1, m.NAME2, m.NAME0});
    band.texts[AdrLine2] = joinParts({m.LD, m.PLZ, m.ORT, m.STRASSE, m.ZUSATZ});
    band.texts[AdrNumber] = labelled(labelNumber_, m.ADRNR);
    band.texts[AdrKind] = clip(m.ADRART);
    band.texts[AdrUrl] = clip(m.URL);
    band.texts[AdrIndustry] = clip(m.BRANCHE);
    report_.bands.push_back(std::move(band));
}

// Read in the order of the contact key from each row's number on: rows of
// numbers close together (a list made in address order) come from one page,
// instead of a read for every row.
AddressListReport::ContactsByAddress
AddressListReport::contactsOf(const std::vector<documents::MailingRecord>& rows) {
    std::vector<std::int32_t> numbers;
    for (const documents::MailingRecord& row : rows)
        numbers.push_back(std::atoi(row.ADRNR.c_str()));
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    const auto adrnrOf = [](const data::ViewRow& row) { return row.record.as<data::ContactPerson>().ADRNR; };
    ContactsByAddress found;
    std::vector<data::ViewRow> page;
    std::size_t next = 0;
    bool lastPage = false; // nothing follows the page read last
    for (const std::int32_t number : numbers) {
        while (next < page.size() && adrnrOf(page[next]) < number)
            ++next;
        if (next == page.size()) {
            if (lastPage && !page.empty())
                break;
            page = contacts_->from({data::Value(std::int64_t{number})}, kContactPage);
            next = 0;
            lastPage = page.size() < kContactPage;
        }
        for (;;) {
            while (next < page.size() && adrnrOf(page[next]) == number)
                found[number].push_back(page[next++].record.as<data::ContactPerson>());
            if (next < page.size() || lastPage)
                break;
            // The address's contact persons go on in the next page.
            page = contacts_->after(page.back(), kContactPage);
            next = 0;
            lastPage = page.size() < kContactPage;
        }
    }
    return found;
}

void AddressListReport::addContact(const data::ContactPerson& c) {
    Band band{BandKind::Contact, std::vector<std::string>(ContactFieldCount)};
    band.texts[TkpLine1] = joinParts({c.NAME1, c.NAME2, c.NAME0});
    band.texts[TkpLine2] = clip(c.ABTPOS);
    band.texts[TkpTel] = labelled(labelTel_, c.TEL);
    band.texts[TkpFax] = labelled(labelFax_, c.FAX);
    band.texts[TkpEmail] = labelled(labelEmail_, c.EMAIL);
    report_.bands.push_back(std::move(band));
}

} // namespace velkora::reports
