#pragma once
// dBase III tables with a .DBT memo file: the mailing file, mailing lists
// and the address exchange file. Text is OEM (CP850) on disk and UTF-8 here;
// the language-driver byte says so, which word processors and spreadsheets
// honour. A damaged file gives an error, never a read outside the file.
//
//   DbfTable::create("/mail/LISTE", {{"NAME1", DbfType::Character, 64}, {"MEMO", DbfType::Memo, 10}});
//   DbfTable table;
//   table.open("/mail/LISTE", DbfTable::Access::Write);
//   table.append({{"Müller GmbH", "memo text"}});
//   table.rewind();
//   for (DbfRecord row; !table.next(row);) use(row.values[0]);
//
// A name without the extension ".DBF" (any case) gets it; the memo file lies
// beside the table as ".dbt", where LibreOffice looks for it (".DBT" is read too).

#include "data/files/FileError.h"
#include "data/files/FileHandle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::files {

enum class DbfType : char { Character = 'C', Numeric = 'N', Date = 'D', Logical = 'L', Memo = 'M' };

struct DbfField {
    std::string name; // at most 10 characters, stored upper-case
    DbfType type = DbfType::Character;
    int width = 0; // memo fields are 10 wide (the block number)
    int decimals = 0;
};

// One row: a value per field in field order. Character values keep their
// blank padding; memo fields hold the memo text (the block number aside).
struct DbfRecord {
    std::vector<std::string> values;
    std::vector<std::uint32_t> memoBlocks; // per field; 0 = no memo
    bool deleted = false;
};

class DbfTable {
public:
    // Write: read and write, keeping other writers out while open.
    enum class Access { Read, Write };

    static constexpr std::uint32_t kMemoBlockSize = 512;
    // Appended records are written together once they hold this many bytes.
    static constexpr std::size_t kPendingBytes = 256 * 1024;

    // Creates the table (and its memo file when a field is a memo), empty;
    // an existing table of that name is replaced.
    static FileError create(const std::string& name, const std::vector<DbfField>& fields);
    // Deletes the table and its memo file; kFileNotFound when there is no table.
    static FileError remove(const std::string& name);
    static std::string tableFileName(const std::string& name);
    static std::string memoFileName(const std::string& tableFile);

    DbfTable() = default;
    // Closing writes what is still waiting to be written.
    ~DbfTable() { close(); }
    DbfTable(DbfTable&&) noexcept = default;
    DbfTable& operator=(DbfTable&&) noexcept = default;

    FileError open(const std::string& name, Access access);
    void close();
    bool isOpen() const { return table_.isOpen(); }
    const std::string& fileName() const { return fileName_; }

    const std::vector<DbfField>& fields() const { return fields_; }
    // Index of a field by name (case-insensitive); -1 when there is none.
    int fieldIndex(std::string_view name) const;
    std::uint32_t count() const { return count_; }

    // Reads record `recno` (1-based), deleted or not; the position moves there.
    FileError read(std::uint32_t recno, DbfRecord& record);
    // Reads the record after the position, skipping deleted ones;
    // kRecordNotAvailable after the last.
    FileError next(DbfRecord& record);
    // The next `next` reads the first record again.
    void rewind() { position_ = 0; }
    std::uint32_t position() const { return position_; }

    // Appends a record built from `record.values` (missing values are empty)
    // and moves the position to it. Appended records reach the file in
    // batches: at the latest with flush(), a read or close().
    FileError append(const DbfRecord& record);
    // Sets the deletion flag of record `recno`, as dBase's DELETE does: the
    // row stays in the file, readers skip it.
    FileError markDeleted(std::uint32_t recno);
    // Writes the appended records and the record count; an error here leaves
    // the table without the records it could not write.
    FileError flush();
    // Writes one field of record `recno` in place (not a memo field).
    FileError writeField(std::uint32_t recno, int field, std::string_view value);

private:
    FileError readHeader(std::uint64_t fileSize);
    FileError readMemo(std::uint32_t block, std::string& text);
    FileError writeMemo(std::string_view text, std::uint32_t& block);
    FileError notOpen() const;
    FileError notWritable() const;
    // Whether record `recno` may be written in place: open for writing and there.
    FileError recordWritable(std::uint32_t recno);

    FileHandle table_;
    FileHandle memo_;
    std::string fileName_;
    std::vector<DbfField> fields_;
    std::vector<std::uint32_t> offsets_; // of each field inside the record
    std::uint32_t count_ = 0;
    std::uint32_t written_ = 0; // records on disk; count_ - written_ wait in pending_
    std::string pending_;
    std::uint32_t headerLength_ = 0;
    std::uint32_t recordLength_ = 0;
    std::uint32_t position_ = 0;
    std::uint64_t memoBlocks_ = 0; // blocks the memo file holds
    bool writable_ = false;
};

} // namespace velkora::files
