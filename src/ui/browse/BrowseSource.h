#pragma once
// What a list reads from: an ordered, read-only view over one record file.
// The list never asks for more than the records of its visible page, so a
// source must answer every seek and every short read without touching the
// rest of the file.
//
// Reading works like a cursor that stands between two records: a seek puts
// it somewhere, next() returns the record after it and steps past it,
// previous() returns the record before it and steps back. A list reads in
// one direction after each seek. After a read the record buffer (field(),
// position()) holds the record just read.

#include <string>
#include <string_view>
#include <vector>

namespace velkora::browse {

enum class ReadResult {
    Ok,
    End,   // no more records in that direction: quiet
    Error, // any other failure: the list shows the file warning and closes
};

class BrowseSource {
public:
    virtual ~BrowseSource() = default;

    // (Re)opens the view in `order` ("UPPER(ADR:ORT)", "-UPPER(ADR:LD), -UPPER(ADR:PLZ)",
    // "ADR:ADRNR"); false when the view cannot be opened.
    virtual bool open(const std::string& order) = 0;
    // How many records the list reads after a seek at most (its page size):
    // a source may fetch that many at once.
    virtual void setReadAhead(int records) { (void)records; }

    virtual void seekStart() = 0;
    virtual void seekEnd() = 0;
    // Before the first record whose leading order components are at or
    // after `values` (in the view's order), one value per component.
    virtual void seekValues(const std::vector<std::string>& values) = 0;
    // Just before / just after the record stored at `position`, even when
    // that record has gone meanwhile.
    virtual void seekBefore(const std::string& position) = 0;
    virtual void seekAfter(const std::string& position) = 0;

    virtual ReadResult next() = 0;
    virtual ReadResult previous() = 0;
    // Reads the record at `position` into the buffer again.
    virtual ReadResult reget(const std::string& position) = 0;

    // The record buffer: the opaque position of the record in it and its
    // fields as text by prefixed name ("ADR:NAME1").
    virtual std::string position() const = 0;
    virtual std::string field(std::string_view name) const = 0;
    // The position of the record a form left in the file's buffer after
    // writing it, so the list can show the record just inserted or changed.
    virtual std::string formPosition() const { return position(); }
    // Empties the record buffer (before an insert, or when the view is empty).
    virtual void clearRecord() = 0;

    // The file named in warnings about this view ("QXADRESS").
    virtual std::string fileName() const = 0;
};

} // namespace velkora::browse
