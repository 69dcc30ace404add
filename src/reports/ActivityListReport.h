#pragma once
// The activity list: the activities chosen by the selection, read in the
// order of the address and, within an address, newest first; an address
// band whenever the address changes, the activity band and, when asked
// for, the memo in lines of at most 254 characters.

#include "activities/ActivityLists.h"
#include "data/FileServices.h"
#include "data/View.h"
#include "reports/Report.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velkora::reports {

// What the selection window (or the command line) asks for; 0 means any.
struct ActivitySelection {
    std::int32_t aktid = 0;    // only this activity
    std::int32_t adrnr = 0;    // only this address's activities
    std::int32_t dateFrom = 0; // from this day on (day number)
    std::int32_t dateTo = 0;   // up to this day
    int kind = 0;
    int priority = 0;
    std::string title;
    bool memo = false;
};

// The two lines an address band shows: "NAME1 NAME2[, NAME0]" and
// "LD PLZ ORT[, STRASSE]", 80 characters each.
struct AddressSummaries {
    std::string name;
    std::string place;
};
AddressSummaries addressSummaries(const data::Address& address);

// Whether an activity passes the selection's tests. A date bound that is
// given applies, one that is not leaves the range open on its side.
bool selected(const data::Activity& activity, const ActivitySelection& selection);

class ActivityListReport : public ReportGenerator {
public:
    // `kinds` and `priorities`: the names the bands show (the work file's lists).
    ActivityListReport(ActivitySelection selection, activities::ValueList kinds,
                       activities::ValueList priorities);

    bool step() override;
    double percent() const override;
    bool failed() const override { return failed_; }
    Report& report() override { return report_; }

private:
    bool open();
    void add(const data::Activity& activity);
    void addAddressBand(std::int32_t adrnr);
    void finish(bool failed);

    ActivitySelection selection_;
    activities::ValueList kinds_;
    activities::ValueList priorities_;
    Report report_;
    data::OpenedFiles files_;
    std::optional<data::View> view_;
    std::optional<data::ViewRow> last_;   // the row read last, where the next page starts
    std::optional<std::int32_t> address_; // the address of the band printed last
    std::int64_t total_ = 0;
    std::int64_t read_ = 0;
    bool opened_ = false;
    bool done_ = false;
    bool failed_ = false;
};

} // namespace velkora::reports
