#pragma once
// The storage behind record files, as the record layer needs it: SQLite
// files, one per table, in a folder (sqlite/), or tables on a PostgreSQL
// server (postgres/) when the data path is a connection string.
// Callers above the record layer use RecordFile, View and Transaction.

#include "data/Errors.h"
#include "data/Schema.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::data {

// One component of an order as the storage sorts it.
struct SortPart {
    int field = 0;
    bool folded = false; // by the case-insensitive fold key of a text field
    bool descending = false;
};

// The sort parts of a key (text components by their fold keys).
std::vector<SortPart> keySortParts(const TableDef& table, const KeyDef& key);
// The stored sort values of a record for `parts`.
std::vector<Value> sortValuesOf(const TableDef& table, const std::vector<SortPart>& parts,
                                const void* record);

// An order as an index serves it: its parts, then the record position (the
// index's last column, descending when the index is read backwards).
struct ServedOrder {
    std::vector<SortPart> parts;
    bool positionDescending = false;
};

// An ordered read: rows of `parts` order (ties by record position),
// optionally only the rows of an optional key (`key`), with the first
// range.size() components equal to `range`, starting after or at `start`.
struct OrderedRead {
    std::vector<SortPart> parts;
    const KeyDef* key = nullptr;     // set when reading an optional key: its records only
    std::vector<Value> range;        // stored form (see storedValue)
    bool positionDescending = false; // ties by record position from high to low
    std::vector<Value> start;        // stored form; fewer than parts: a partial position
    std::int64_t startRow = 0;       // with a full start: the record position within equal keys
    bool hasStart = false;
    bool inclusive = false; // at (true) or after (false) the start
    bool forward = true;
};

// The key whose index serves `parts` (read forwards or backwards), with the
// order it reads in `served`; nullptr when no key does.
const KeyDef* keyServing(const TableDef& table, const std::vector<SortPart>& parts, ServedOrder& served);

// A row as read: the record is in the caller's buffer.
struct RowInfo {
    std::int64_t position = 0;
    std::int64_t version = 0;
    std::vector<Value> sortValues; // stored form of the order's components
};

// Called for each row read; returning false stops the read.
using RowSink = std::function<bool(const RowInfo& row)>;

class FileBackend {
public:
    virtual ~FileBackend() = default;
    virtual bool onServer() const { return false; }

    virtual int open(const std::string& diskName, int busyTimeoutMs) = 0;
    virtual int create(const std::string& diskName) = 0;
    virtual int rebuildKeys() = 0;
    virtual int check() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // The order actually read for `parts`: it begins with them and continues
    // with the rest of the key that serves them (an index is made for an order
    // no key serves). Empty with the current error set when it cannot be served.
    virtual ServedOrder serveOrder(const std::vector<SortPart>& parts) = 0;
    // Reads at most n rows into `record` one after the other; `request.parts`
    // is a key's parts or an order returned by serveOrder.
    virtual int read(const OrderedRead& request, std::size_t n, void* record, const RowSink& sink) = 0;
    virtual int readPosition(std::int64_t position, void* record, std::int64_t& version) = 0;
    virtual int insert(const void* record, std::int64_t& position) = 0;
    // Writes only when the stored version still equals `version` (89 otherwise).
    virtual int update(std::int64_t position, std::int64_t& version, const void* record) = 0;
    virtual int remove(std::int64_t position, std::int64_t version) = 0;
    virtual std::int64_t count() = 0;
    // Records whose number field lies in [low, high].
    virtual std::int64_t countBetween(int field, std::int64_t low, std::int64_t high) = 0;

    virtual int beginBulk() = 0;
    // In a bulk load: adds a record at the position and version it has
    // elsewhere (a store copied whole); later positions follow the highest.
    virtual int insertKept(const void* record, std::int64_t position, std::int64_t version) = 0;
    // The highest position ever given in the file, deleted records included;
    // -1 with the current error set when it cannot be read.
    virtual std::int64_t highestPosition() = 0;
    // In a bulk load: later positions follow `position` at least, as if every
    // position up to it had been given here (a store copied whole).
    virtual int raisePositions(std::int64_t position) = 0;
    virtual int endBulk(bool keep) = 0;
};

// Whether a data path names a database server ("postgresql://...") rather than a folder.
bool isServerAddress(std::string_view path);

// The storage of a table's file, in a folder or on the server.
std::unique_ptr<FileBackend> makeBackend(const TableDef& table, bool onServer);

// The stored form of a value for a sort component (fold key, date encoding).
Value storedValue(const TableDef& table, const SortPart& part, const Value& value);

// A transaction over several open files of this thread.
class TransactionBackend {
public:
    virtual ~TransactionBackend() = default;
    virtual int commit() = 0;
    virtual void rollback() = 0;
};
// Starts one; 32 when the files stay locked for `timeoutMs`.
int beginTransaction(const std::vector<FileBackend*>& files, int timeoutMs,
                     std::unique_ptr<TransactionBackend>& out);

} // namespace velkora::data
