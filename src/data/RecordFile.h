#pragma once
// A keyed record file: one table's file with its record buffer. Reads and
// writes go through the buffer like the runtime's record files:
//
//   File<Address> adr;                        // a buffer of its own
//   if (adr.open() != NoError) ...            // shared, read-write
//   adr.rec.ADRNR = 17;
//   if (adr.get(*Address::table().key("QXADRES1")) == NoError) use(adr.rec);
//   adr.set(key);                  // start of the key; or set(key, true): at the buffer's values
//   while (adr.next() == NoError) ...         // RecordNotAvailable at the end
//   adr.rec.NAME1 = "Neu"; adr.put();         // RecordChanged when another station wrote it
//
// Every operation returns its error number and sets the current error
// (Errors.h). Nothing is locked between calls: a read finishes before it
// returns. Every read notes the record's version, and put() and erase()
// refuse with RecordChanged when the stored record changed since.
// The file's full name (without ".TPS") comes from appState() at open time
// unless setFileName() gave one.

#include "data/Errors.h"
#include "data/Schema.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::data {

// The full name of a table of a data path: a file in a folder, or a table on
// a server ("postgresql:///velkora#QXADRESS").
std::string tableFileName(const std::string& dataPath, std::string_view table);

// Where a record lies in its file; 0 = none.
using RecordPosition = std::int64_t;

class FileBackend; // the storage behind a file (one per open file)

class RecordFile {
public:
    RecordFile(const TableDef& table, void* buffer);
    virtual ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    const TableDef& table() const { return table_; }
    void* buffer() { return buffer_; }
    const void* buffer() const { return buffer_; }

    // The full name without extension: given, or resolved from appState().
    std::string fileName() const;
    void setFileName(std::string fullNameWithoutExtension) {
        fileName_ = std::move(fullNameWithoutExtension);
    }
    // The name on disk (fileName() + ".TPS"); on a server the address of the table.
    std::string diskName() const;

    // Driver options: "Recover=10" lets the next open wait up to 10 s for a
    // lock and roll back what a program that died left half-written.
    void sendOption(std::string_view option);

    // Opens shared read-write. 2 missing, 32 locked, 46 keys damaged,
    // 47 other layout, 52 already open, 90 other failures.
    int open();
    // Creates the file empty with all its keys. Replaces nothing: a file of
    // this layout another station made meanwhile is taken as it is (0), one
    // holding anything else is refused (47).
    int create();
    // Rebuilds every key of the open or closed file from its records.
    int rebuildKeys();
    // Checks records and keys (read-only); NoError or 46 / 90 with the problem in errorText().
    int check();
    void close();
    bool isOpen() const;

    // The process-wide open counter used by OpenRecordFile / CloseRecordFile.
    int openCount() const { return openCount_; }
    void setOpenCount(int count) { openCount_ = count; }

    // Empties the buffer (numbers 0, texts empty).
    void clear();
    // Reads the record whose key components equal the buffer's. 35 when none.
    int get(const KeyDef& key);
    // Reads the record at a position. 35 when it is gone.
    int reget(RecordPosition position);
    // Positions a key: at its start (next) or end (previous); with fromBuffer,
    // at the buffer's component values: next() then reads the first record at
    // or after them, previous() the last record at or before them.
    void set(const KeyDef& key, bool fromBuffer = false);
    // Positions at the start of the file in physical (stored) order.
    void set();
    // Positions a key at the buffer's values of its first `components`
    // components only (the rest of the key is free).
    void setPrefix(const KeyDef& key, std::size_t components);
    // Reads the record after / before the current one in the key set last. 33 at the end.
    int next();
    int previous();
    // Reads every record in stored order into the buffer, calling `each`
    // after each (false stops); many records to a read, so a pass over a
    // whole file costs a fraction of next() record by record. NoError at the end.
    int scan(const std::function<bool()>& each);
    // Adds the buffer as a new record (40 with errorKey() on a duplicate).
    int add();
    // Writes the buffer back to the record it was read from (89, 40, 35).
    int put();
    // Deletes the record last read (89 when changed meanwhile, 35 when gone).
    int erase();
    // Number of records.
    std::int64_t records();
    // The position of the record in the buffer (0 when none was read or added).
    RecordPosition position() const { return position_; }

    // Bulk loading: add() between these writes inside one transaction, many
    // records to a statement; into an empty file the keys are built once at
    // the end (fast for many records). Other stations cannot write the file
    // meanwhile. An error of a held-back record, such as a duplicate in a
    // unique key (40), may show at a later add() or at the end. Nothing of a
    // failed load is kept.
    int beginBulkLoad();
    // In a bulk load: adds the buffer at the position and version it has in
    // another store (copying a data path whole).
    int addKept(RecordPosition position, std::int64_t version);
    // The highest position this file ever gave, and, in a bulk load, raising
    // it to another store's, so that no position given there is given again.
    RecordPosition highestPosition();
    int raisePositions(RecordPosition highest);
    int endBulkLoad();
    void cancelBulkLoad();

    // Field access by prefixed name ("ADR:NAME1"); empty / ignored when unknown.
    std::string text(std::string_view prefixedName) const;
    void setText(std::string_view prefixedName, std::string_view value);

    // The storage behind the file (the driver and views use it).
    FileBackend* backend() { return backend_.get(); }
    // Version of the record in the buffer, as read (change-watching).
    std::int64_t version() const { return version_; }
    void setReadState(RecordPosition position, std::int64_t version) {
        position_ = position;
        version_ = version;
    }

private:
    // The backend for the file's present name (a folder or a server), made anew when that changed.
    FileBackend& storage();
    int fail(int code, std::string text = {});
    int readAt(bool forward);

    const TableDef& table_;
    void* buffer_;
    std::string fileName_;
    std::unique_ptr<FileBackend> backend_;
    int openCount_ = 0;
    int recoverSeconds_ = 0;
    RecordPosition position_ = 0;
    std::int64_t version_ = 0;
    // Sequential access state: the key set last and where reading stands.
    const KeyDef* cursorKey_ = nullptr;
    bool physical_ = false;           // set() without a key
    std::vector<Value> cursorValues_; // key values of the current record or of set(fromBuffer)
    RecordPosition cursorRow_ = 0;
    enum class CursorState { Start, FromValues, OnRecord } cursorState_ = CursorState::Start;
};

// A record file with its typed buffer: file.rec.NAME1.
template <class R> class File : public RecordFile {
public:
    File() : RecordFile(R::table(), &rec) {}
    R rec;
};

// Several open files changed together: all or nothing. While it is active,
// every operation on its files belongs to it. Destroying an active one rolls back.
//   Transaction tx;
//   if (tx.begin({&adr, &akt}) != NoError) ...   // 32 after the time-out
//   ... adr.erase(); ...
//   tx.commit();
class Transaction {
public:
    static constexpr int kDefaultTimeoutMs = 2000;
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    int begin(const std::vector<RecordFile*>& files, int timeoutMs = kDefaultTimeoutMs);
    int commit();
    void rollback();
    bool active() const;

    // The transaction active on this thread, or nullptr.
    static Transaction* current();

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace velkora::data
