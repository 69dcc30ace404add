#pragma once
// The mail-merge selection run: reads every address once, in address-number
// order, and writes a row of the mailing file in effect for each address the
// address condition selects, or, with a contact condition, one row for each
// of its contact persons that condition selects (an address without one gives
// no row). The conditions are compiled once per run, the type texts read once.
//
// The run goes a batch at a time, so a window can show its progress and stay
// responsive between batches:
//
//   SelectionRun run(addressCondition(s), contactCondition(s), "Document");
//   if (run.start())                        // the mailing file is open for writing
//       while (run.step(2000)) showPercent(run.percent());
//   if (run.failed()) ...                   // the message was shown
//
// An error (a condition that cannot be evaluated, a row that cannot be added)
// is shown as "[" code "] " text and ends the run.

#include "data/RecordFile.h"
#include "data/Tables.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velkora::documents {

class SelectionRun {
public:
    SelectionRun(std::string addressCondition, std::string contactCondition, std::string docTitle);
    ~SelectionRun();
    SelectionRun(const SelectionRun&) = delete;
    SelectionRun& operator=(const SelectionRun&) = delete;

    // Opens the address and contact files and compiles the conditions; false
    // (the message shown) when it cannot begin.
    bool start();
    // Processes up to `addresses` further addresses; false once the run has
    // ended (all read, or failed).
    bool step(std::size_t addresses);
    // Reads, selects and writes everything at once.
    bool runToEnd();

    bool failed() const { return failed_; }
    std::int64_t addressesRead() const { return read_; }
    std::int64_t addressCount() const { return total_; }
    // Share of the addresses read so far, 0 to 100.
    double percent() const;
    std::uint32_t rowsWritten() const { return written_; }

private:
    struct State;
    bool fail(int code, const std::string& text);
    bool writeRows(std::size_t batchRead);

    std::string addressCondition_;
    std::string contactCondition_;
    std::string docTitle_;
    std::unique_ptr<State> state_;
    std::vector<data::Address> selected_; // of the current batch
    std::int64_t read_ = 0;
    std::int64_t total_ = 0;
    std::uint32_t written_ = 0;
    bool failed_ = false;
    bool ended_ = false;
};

// The number of addresses per batch a window processes between two looks at its events.
inline constexpr std::size_t kSelectionBatch = 2000;

} // namespace velkora::documents
