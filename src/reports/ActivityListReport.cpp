#include "reports/ActivityListReport.h"

#include "data/StandardWarnings.h"
#include "reports/ReportText.h"
#include "shared/Pictures.h"
#include "shared/Text.h"

#include <algorithm>

namespace velkora::reports {
namespace {

// Activities a step reads, a page of the view.
constexpr std::size_t kPage = 256;

} // namespace

AddressSummaries addressSummaries(const data::Address& a) {
    std::string name = joinParts({a.NAME1, a.NAME2});
    if (!clip(a.NAME0).empty())
        name += ", " + clip(a.NAME0);
    std::string place = joinParts({a.LD, a.PLZ, a.ORT});
    if (!clip(a.STRASSE).empty())
        place += ", " + clip(a.STRASSE);
    return {cutChars(name, 80), cutChars(place, 80)};
}

bool selected(const data::Activity& a, const ActivitySelection& s) {
    if (s.aktid != 0 && a.AKTID != s.aktid)
        return false;
    if (s.aktid == 0 && s.adrnr != 0 && a.ADRNR != s.adrnr)
        return false;
    if (s.dateFrom != 0 && a.DATUM < s.dateFrom)
        return false;
    if (s.dateTo != 0 && a.DATUM > s.dateTo)
        return false;
    if (s.kind != 0 && a.AKTART != s.kind)
        return false;
    return s.priority == 0 || a.AKTPRI == s.priority;
}

ActivityListReport::ActivityListReport(ActivitySelection selection, activities::ValueList kinds,
                                       activities::ValueList priorities)
    : selection_(std::move(selection)), kinds_(std::move(kinds)), priorities_(std::move(priorities)) {
    report_.title = selection_.title;
}

bool ActivityListReport::open() {
    opened_ = true;
    auto& akt = data::files().QXADRAKT;
    if (!files_.open({&akt, &data::files().QXADRESS}))
        return false;
    view_.emplace(akt);
    if (selection_.aktid != 0) {
        view_->setOrder("AKT:QXADRAK6");
        view_->setRange({data::Value(std::int64_t{selection_.aktid})});
    } else {
        view_->setOrder("AKT:QXADRAK1");
        if (selection_.adrnr != 0)
            view_->setRange({data::Value(std::int64_t{selection_.adrnr})});
    }
    total_ = akt.records();
    return true;
}

bool ActivityListReport::step() {
    if (done_)
        return false;
    if (!opened_ && !open()) {
        finish(true);
        return false;
    }
    const std::vector<data::ViewRow> page = last_ ? view_->after(*last_, kPage) : view_->first(kPage);
    if (view_->error() != 0) {
        data::RecordErrorState();
        data::ShowStandardWarning(data::Warn::ViewOpenError, "QXADRAKT");
        finish(true);
        return false;
    }
    for (const data::ViewRow& row : page)
        if (const auto& activity = row.record.as<data::Activity>(); selected(activity, selection_))
            add(activity);
    read_ += static_cast<std::int64_t>(page.size());
    if (page.size() < kPage) {
        finish(false);
        return false;
    }
    last_ = page.back();
    return true;
}

double ActivityListReport::percent() const {
    if (done_)
        return 100.0;
    return total_ == 0 ? 0.0
                       : std::min(100.0, 100.0 * static_cast<double>(read_) / static_cast<double>(total_));
}

void ActivityListReport::finish(bool failed) {
    failed_ = failed;
    done_ = true;
    view_.reset();
    files_.close();
}

void ActivityListReport::add(const data::Activity& a) {
    if (address_ != a.ADRNR)
        addAddressBand(a.ADRNR);
    Band band{BandKind::Activity, std::vector<std::string>(ActivityFieldCount)};
    band.texts[AktDate] = formatDate("@d17B", a.DATUM);
    band.texts[AktTime] = formatTime("@T01B", a.UHR);
    band.texts[AktTitle] = cutChars(clip(a.TITLE), 80);
    band.texts[AktKind] = cutChars(activities::entryName(kinds_, a.AKTART), 31);
    band.texts[AktRemark] = trim(replaceAll(a.BEMERK, "\r\n", "\n"));
    band.texts[AktPriority] = cutChars(activities::entryName(priorities_, a.AKTPRI), 20);
    report_.bands.push_back(std::move(band));
    if (selection_.memo)
        for (std::string& line : memoLines(a.MEMO))
            report_.bands.push_back({BandKind::Memo, {std::move(line)}});
}

void ActivityListReport::addAddressBand(std::int32_t adrnr) {
    address_ = adrnr;
    auto& adr = data::files().QXADRESS;
    const data::Address others = adr.rec; // the buffer other windows may hold
    adr.clear();
    adr.rec.ADRNR = adrnr;
    Band band{BandKind::ActivityAddress, std::vector<std::string>(ActivityAddressFieldCount)};
    if (adr.get(*data::Address::table().key("QXADRES1")) == data::NoError) {
        AddressSummaries summaries = addressSummaries(adr.rec);
        band.texts[AktAddress1] = std::move(summaries.name);
        band.texts[AktAddress2] = std::move(summaries.place);
    } else {
        band.texts[AktAddress1] = std::to_string(adrnr);
    }
    adr.rec = others;
    report_.bands.push_back(std::move(band));
}

} // namespace velkora::reports
