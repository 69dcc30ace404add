#pragma once
// A generated report before it is laid out on pages: its title and its
// bands in print order, each band the texts of its fields. Which rows make
// a band and how its lines are composed is decided here; where the texts
// stand on paper is the page layout's business (reports/pages).

#include <string>
#include <vector>

namespace velkora::reports {

enum class BandKind {
    Address,         // address list: one mailing row
    Contact,         // address list: one contact person of the row
    ActivityAddress, // activity list: the address, when it changes
    Activity,        // activity list: one activity
    Memo,            // activity list: one line of the activity's memo
};

// The fields of each kind of band, in the order Band::texts holds them.
enum AddressField { AdrLine1, AdrLine2, AdrNumber, AdrKind, AdrUrl, AdrIndustry, AddressFieldCount };
enum ContactField { TkpLine1, TkpLine2, TkpTel, TkpFax, TkpEmail, ContactFieldCount };
enum ActivityAddressField { AktAddress1, AktAddress2, ActivityAddressFieldCount };
enum ActivityField { AktDate, AktTime, AktTitle, AktKind, AktRemark, AktPriority, ActivityFieldCount };
enum MemoField { MemoLine, MemoFieldCount };

struct Band {
    BandKind kind;
    std::vector<std::string> texts;
};

struct Report {
    std::string title;
    std::vector<Band> bands;
};

// A report generated a batch at a time, so that a window can show the
// progress and stay responsive, and the user can cancel between batches.
class ReportGenerator {
public:
    virtual ~ReportGenerator() = default;
    // Generates the next batch; false once everything has been generated
    // (or reading failed: see failed()).
    virtual bool step() = 0;
    // 0 to 100: how much of the source has been read.
    virtual double percent() const = 0;
    // The source could not be read; the warning has been shown.
    virtual bool failed() const = 0;
    virtual Report& report() = 0;

    // Steps until the end; false when reading failed.
    bool generateAll() {
        while (step()) {
        }
        return !failed();
    }
};

} // namespace velkora::reports
