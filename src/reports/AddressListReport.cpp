#include "reports/AddressListReport.h"

#include "data/View.h"
#include "documents/FileErrorMessage.h"
#include "i18n/ControlTexts.h"
#include "reports/ReportText.h"
#include "shared/Text.h"

#include <cstdlib>

namespace velkora::reports {
namespace {

// Rows a step reads: enough to keep the run fast, few enough that the
// progress window answers the user at once.
constexpr std::uint32_t kRowsPerStep = 200;

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
    if (withContacts_ && !files_.open({&data::files().QXADRTKP}))
        return false;
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
    for (std::uint32_t n = 0; n < kRowsPerStep; ++n) {
        const files::FileError error = mailing_.next();
        if (error) {
            failed_ = error.code != files::kRecordNotAvailable;
            if (failed_)
                documents::showFileError(error, "NEXT(" + files::DbfTable::tableFileName(fileName_) + ")");
            done_ = true;
            mailing_.close();
            files_.close();
            return false;
        }
        ++rowsRead_;
        addAddress(mailing_.rec);
        if (withContacts_)
            addContacts(std::atoi(mailing_.rec.ADRNR.c_str()));
    }
    return true;
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

void AddressListReport::addContacts(std::int32_t adrnr) {
    data::View contacts(data::files().QXADRTKP);
    contacts.setOrder("TKP:QXADRTK2");
    contacts.setRange({data::Value(std::int64_t{adrnr})});
    constexpr std::size_t kPage = 64;
    for (auto page = contacts.first(kPage); !page.empty(); page = contacts.after(page.back(), kPage)) {
        for (const data::ViewRow& row : page) {
            const auto& c = row.record.as<data::ContactPerson>();
            Band band{BandKind::Contact, std::vector<std::string>(ContactFieldCount)};
            band.texts[TkpLine1] = joinParts({c.NAME1, c.NAME2, c.NAME0});
            band.texts[TkpLine2] = clip(c.ABTPOS);
            band.texts[TkpTel] = labelled(labelTel_, c.TEL);
            band.texts[TkpFax] = labelled(labelFax_, c.FAX);
            band.texts[TkpEmail] = labelled(labelEmail_, c.EMAIL);
            report_.bands.push_back(std::move(band));
        }
        if (page.size() < kPage)
            break;
    }
}

} // namespace velkora::reports
