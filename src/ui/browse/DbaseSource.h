#pragma once
// A list source over a dBase III table, in file order: positions are record
// numbers and every read goes to the file for the one record it needs, so a
// page of a large table costs a page of reads. Deleted rows are skipped.
//
//   DbaseSource source(mailPath + "/KUNDEN", "M");   // fields "M:NAME1" or "NAME1"
//   if (!source.open("")) show(source.lastError());
//
// The table is only read while the list is open; deleting a row opens it
// for writing just for that, so other windows keep working with the file.

#include "data/files/DbfTable.h"
#include "ui/browse/BrowseSource.h"

#include <cstdint>
#include <string>

namespace velkora::browse {

class DbaseSource : public BrowseSource {
public:
    // `prefix`: what declarations put before the dBase field names ("M" for
    // "M:NAME1"); names without it are taken as they are.
    explicit DbaseSource(std::string tableName, std::string prefix = {});

    // The failure of the last open or read (code and text for the message).
    const files::FileError& lastError() const { return error_; }
    // Marks the row at `position` deleted in the file; reads skip it from then on.
    files::FileError remove(const std::string& position);
    const files::DbfTable& table() const { return table_; }

    // The table has one order, the file's: `order` is not looked at. Opening
    // again takes in rows added meanwhile.
    bool open(const std::string& order) override;
    void seekStart() override { cursor_ = 0; }
    void seekEnd() override { cursor_ = table_.count(); }
    // `values`: a record number to stand before.
    void seekValues(const std::vector<std::string>& values) override;
    void seekBefore(const std::string& position) override;
    void seekAfter(const std::string& position) override;
    ReadResult next() override;
    ReadResult previous() override;
    ReadResult reget(const std::string& position) override;
    std::string position() const override;
    // Character values without their trailing blanks, memos as their text.
    std::string field(std::string_view name) const override;
    void clearRecord() override;
    // The table's file name without its folder ("KUNDEN.DBF").
    std::string fileName() const override;

private:
    // Reads record `recno`; End when it is deleted or past the end.
    ReadResult readRecord(std::uint32_t recno);

    std::string tableName_;
    std::string prefix_;
    files::DbfTable table_;
    files::DbfRecord record_;
    std::uint32_t recno_ = 0;  // of the record in the buffer; 0: none
    std::uint32_t cursor_ = 0; // the records before the cursor
    files::FileError error_;
};

} // namespace velkora::browse
