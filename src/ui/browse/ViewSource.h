#pragma once
// A list's source over a view of the record layer. Rows are read a page at
// a time and handed out one by one; the file's record buffer receives a
// record only when the list re-reads the selected row (reget) or clears it.
//
//   ViewSource source(data::files().QXADRESS);
//   source.view().setRange({std::int64_t{12}});   // limits, when a list needs them

#include "data/View.h"
#include "ui/browse/BrowseSource.h"

#include <deque>
#include <optional>
#include <unordered_map>

namespace velkora::browse {

class ViewSource : public BrowseSource {
public:
    explicit ViewSource(data::RecordFile& file);

    data::View& view() { return view_; }
    data::RecordFile& file() { return file_; }
    // The record in the buffer as a typed copy (rows of the page, or the reget one).
    const data::RecordCopy& record() const { return record_; }

    bool open(const std::string& order) override;
    void setReadAhead(int records) override;
    void seekStart() override;
    void seekEnd() override;
    void seekValues(const std::vector<std::string>& values) override;
    void seekBefore(const std::string& position) override;
    void seekAfter(const std::string& position) override;
    ReadResult next() override;
    ReadResult previous() override;
    ReadResult reget(const std::string& position) override;
    std::string position() const override;
    std::string field(std::string_view name) const override;
    std::string formPosition() const override;
    void clearRecord() override;
    std::string fileName() const override;

    static std::string positionText(data::RecordPosition position);

private:
    enum class Anchor { Start, End, Values, Before, After };
    void seek(Anchor anchor);
    ReadResult read(bool forward);
    std::vector<data::ViewRow> fetch(bool forward);
    std::optional<data::ViewRow> rowAt(const std::string& position);
    void take(const data::ViewRow& row);

    data::RecordFile& file_;
    data::View view_;
    std::size_t readAhead_ = 32;
    Anchor anchor_ = Anchor::Start;
    std::vector<data::Value> values_;
    std::string anchorPosition_;
    std::deque<data::ViewRow> pending_;
    std::optional<data::ViewRow> last_; // the last row handed out
    bool exhausted_ = false;
    data::RecordCopy record_;
    data::RecordPosition position_ = 0;
    // Order keys of rows read lately, so a page can be continued from its
    // edge even when that record has gone meanwhile.
    std::unordered_map<data::RecordPosition, data::ViewKey> keys_;
};

} // namespace velkora::browse
