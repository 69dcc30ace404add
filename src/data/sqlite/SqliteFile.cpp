// The SQLite storage of a record file: one database file per table.
#include "data/sqlite/SqliteFile.h"

#include "data/Backend.h"
#include "data/sqlite/Connection.h"
#include "data/sqlite/Layout.h"
#include "shared/AppState.h"
#include "shared/Text.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <sys/stat.h>

namespace velkora::data {

namespace sqlite {
namespace {

struct Route {
    Connection* connection = nullptr;
    std::string schema;
};

std::string signature(const std::vector<SortPart>& parts) {
    std::string s;
    for (const SortPart& p : parts)
        s += std::to_string(p.field) + (p.folded ? "u" : "") + (p.descending ? "d" : "") + ",";
    return s;
}

Value columnValue(sqlite3_stmt* s, int column) {
    switch (sqlite3_column_type(s, column)) {
    case SQLITE_INTEGER:
        return std::int64_t{sqlite3_column_int64(s, column)};
    case SQLITE_FLOAT:
        return sqlite3_column_double(s, column);
    case SQLITE_NULL:
        return std::int64_t{0};
    default:
        return std::string(reinterpret_cast<const char*>(sqlite3_column_text(s, column)),
                           static_cast<std::size_t>(sqlite3_column_bytes(s, column)));
    }
}

void bindValue(sqlite3_stmt* s, int index, const Value& v) {
    if (const auto* i = std::get_if<std::int64_t>(&v))
        sqlite3_bind_int64(s, index, *i);
    else if (const auto* d = std::get_if<double>(&v))
        sqlite3_bind_double(s, index, *d);
    else {
        const auto& text = std::get<std::string>(v);
        sqlite3_bind_text(s, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
}

// One stored value of a record as it is bound to a statement. A text points
// into the record where it needs no change, or into `kept`, which keeps its
// buffer from record to record, so that writing allocates almost nothing.
struct BoundValue {
    enum class Kind : std::uint8_t { Integer, Real, Text };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view text;
    std::string kept;

    void setInteger(std::int64_t i) {
        kind = Kind::Integer;
        integer = i;
    }
    void setText(std::string_view t, bool copy) {
        kind = Kind::Text;
        if (copy) {
            kept.assign(t);
            t = kept;
        }
        text = t;
    }
    void set(const Value& v) {
        if (const auto* i = std::get_if<std::int64_t>(&v))
            setInteger(*i);
        else if (const auto* d = std::get_if<double>(&v)) {
            kind = Kind::Real;
            real = *d;
        } else
            setText(std::get<std::string>(v), true);
    }
    // Whether column `column` of the row `s` stands on holds this value.
    bool equals(sqlite3_stmt* s, int column) const {
        switch (kind) {
        case Kind::Integer:
            return sqlite3_column_type(s, column) == SQLITE_INTEGER &&
                   sqlite3_column_int64(s, column) == integer;
        case Kind::Real:
            return sqlite3_column_type(s, column) == SQLITE_FLOAT && sqlite3_column_double(s, column) == real;
        case Kind::Text:
            if (sqlite3_column_type(s, column) != SQLITE_TEXT)
                return false;
            {
                const auto* stored = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
                return std::string_view(stored, static_cast<std::size_t>(sqlite3_column_bytes(s, column))) ==
                       text;
            }
        }
        return false;
    }
    void bind(sqlite3_stmt* s, int index) const {
        switch (kind) {
        case Kind::Integer:
            sqlite3_bind_int64(s, index, integer);
            break;
        case Kind::Real:
            sqlite3_bind_double(s, index, real);
            break;
        case Kind::Text:
            sqlite3_bind_text(s, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
            break;
        }
    }
};

long fileSize(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
}

class SqliteFile : public FileBackend {
public:
    explicit SqliteFile(const TableDef& table)
        : table_(table), foldColumns_(static_cast<std::size_t>(
                             std::count_if(table.fields.begin(), table.fields.end(), hasFoldColumn))) {}

    int open(const std::string& diskName, int busyTimeoutMs) override {
        if (own_.isOpen())
            return fail(FileAlreadyOpen);
        diskName_ = diskName;
        // A file left empty by a creation that never finished counts as missing.
        if (fileSize(diskName) <= 0)
            return fail(FileNotFound);
        int rc = own_.open(diskName, false);
        if (rc != SQLITE_OK)
            return openError(rc);
        own_.setBusyTimeout(busyTimeoutMs);
        int code = verifyLayout(own_);
        // Nothing in it (a creation that died was undone): as good as missing.
        if (code == InvalidRecordDeclaration && !holdsOtherData(own_))
            code = fail(FileNotFound);
        if (code == NoError)
            code = verifyKeys();
        if (code != NoError)
            return closeWith(code);
        own_.setBusyTimeout(kOperationTimeoutMs);
        return NoError;
    }

    int create(const std::string& diskName) override {
        diskName_ = diskName;
        Connection c;
        int rc = c.open(diskName, true);
        if (rc != SQLITE_OK)
            return reportSqliteError(rc, nullptr, diskName_, c.openFailure());
        c.setBusyTimeout(kOperationTimeoutMs);
        rc = c.exec("PRAGMA journal_mode = DELETE");
        // The write lock first, the look inside it: a station creating the
        // file at the same moment has either finished or not begun.
        if (rc == SQLITE_OK)
            rc = c.exec("BEGIN IMMEDIATE");
        if (rc != SQLITE_OK)
            return sqliteError(rc, c.handle());
        int code = NoError;
        if (tableExists(c)) {
            code = verifyLayout(c); // made by another station: its records stand
        } else if (holdsOtherData(c)) {
            code = fail(InvalidRecordDeclaration);
        } else {
            std::string sql = createTableSql(table_) + ";";
            for (const KeyDef& key : table_.keys)
                sql += createIndexSql(table_, key) + ";";
            rc = c.exec(sql + createListOrderIndexesSql(table_));
            if (rc != SQLITE_OK)
                code = sqliteError(rc, c.handle());
        }
        if (code == NoError && (rc = c.exec("COMMIT")) != SQLITE_OK)
            code = sqliteError(rc, c.handle());
        if (code != NoError)
            c.exec("ROLLBACK");
        return code;
    }

    int rebuildKeys() override {
        const bool wasOpen = own_.isOpen();
        if (!wasOpen) {
            if (fileSize(diskName_) <= 0)
                return fail(FileNotFound);
            const int rc = own_.open(diskName_, false);
            if (rc != SQLITE_OK)
                return openError(rc);
            own_.setBusyTimeout(kOperationTimeoutMs);
            if (const int code = verifyLayout(own_); code != NoError)
                return closeWith(code);
        }
        std::string orders;
        std::string sql = "BEGIN IMMEDIATE;" + dropIndexes(orders);
        std::string folds;
        for (const FieldDef& f : table_.fields)
            if (hasFoldColumn(f))
                folds +=
                    (folds.empty() ? "" : ", ") + quoted(foldColumn(f)) + " = fold(" + quoted(f.name) + ")";
        if (!folds.empty())
            sql += "UPDATE " + quoted(table_.name) + " SET " + folds + ";";
        for (const KeyDef& key : table_.keys)
            sql += createIndexSql(table_, key) + ";";
        sql += orders + createListOrderIndexesSql(table_) + "COMMIT;";
        own_.forgetStatements();
        indexOf_.clear();
        const int rc = own_.exec(sql);
        int code = NoError;
        if (rc != SQLITE_OK) {
            code = sqliteError(rc);
            own_.exec("ROLLBACK");
        }
        if (!wasOpen)
            own_.close();
        return code;
    }

    int check() override {
        sqlite3_stmt* s = own_.statement("PRAGMA integrity_check");
        if (!s)
            return sqliteError(sqlite3_errcode(own_.handle()));
        std::string problems;
        {
            StatementUse use(s);
            int rc;
            while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
                const std::string line = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
                if (line != "ok")
                    problems += line + "\n";
            }
            if (rc != SQLITE_DONE)
                return sqliteError(rc);
        }
        std::string stale;
        for (const FieldDef& f : table_.fields)
            if (hasFoldColumn(f))
                stale += (stale.empty() ? "" : " OR ") + quoted(foldColumn(f)) + " IS NOT fold(" +
                         quoted(f.name) + ")";
        if (!stale.empty()) {
            sqlite3_stmt* q =
                own_.statement("SELECT count(*) FROM " + quoted(table_.name) + " WHERE " + stale);
            if (!q)
                return sqliteError(sqlite3_errcode(own_.handle()));
            StatementUse use(q);
            const int rc = sqlite3_step(q);
            if (rc != SQLITE_ROW)
                return sqliteError(rc);
            if (const auto n = sqlite3_column_int64(q, 0); n > 0)
                problems += std::to_string(n) + " records with stale key values\n";
        }
        if (!problems.empty())
            return fail(InvalidKeyFile, problems);
        return NoError;
    }

    void close() override {
        own_.close();
        indexOf_.clear();
    }
    bool isOpen() const override { return own_.isOpen(); }

    ServedOrder serveOrder(const std::vector<SortPart>& parts) override {
        ServedOrder served;
        if (const KeyDef* key = keyServing(table_, parts, served)) {
            indexOf_[signature(served.parts)] = keyIndexName(table_, *key);
            return served;
        }
        // No key serves it: the index of a list order, or (for an order no list
        // declares, or a file made before a list offered it) one made now and kept.
        std::vector<SortPart> normal = parts;
        const bool inverted = ascendingFirst(normal);
        const std::string name = orderIndexName(table_, normal);
        if (!indexExists(name)) {
            if (const int rc = own_.exec(createOrderIndexSql(table_, normal)); rc != SQLITE_OK) {
                sqliteError(rc, own_.handle());
                return {};
            }
            own_.forgetStatements();
        }
        indexOf_[signature(parts)] = name;
        return {parts, inverted};
    }

    int read(const OrderedRead& r, std::size_t n, void* record, const RowSink& sink) override {
        if (const int code = ready(); code != NoError)
            return code;
        const auto index = indexFor(r);
        if (!index)
            return errorCode();
        const std::size_t k = r.parts.size();
        const std::size_t ranged = std::min(r.range.size(), k);
        // Levels of the position search, deepest first: equal on the components
        // before the level, beyond the start on the level's own component.
        std::vector<std::size_t> levels;
        if (!r.hasStart) {
            levels.push_back(0);
        } else {
            const std::size_t given = std::min(r.start.size(), k);
            const std::size_t deepest = given == k ? k + 1 : given;
            for (std::size_t level = deepest; level > ranged; --level)
                levels.push_back(level);
        }
        std::size_t got = 0;
        bool first = true;
        for (const std::size_t level : levels) {
            sqlite3_stmt* s = conn().statement(readSql(r, *index, ranged, level, r.inclusive && first));
            first = false;
            if (!s)
                return sqliteError(sqlite3_errcode(conn().handle()));
            StatementUse use(s);
            int bind = 1;
            for (std::size_t i = 0; i < ranged; ++i)
                bindValue(s, bind++, r.range[i]);
            if (level > 0) {
                for (std::size_t i = ranged; i + 1 < level && i < k; ++i)
                    bindValue(s, bind++, r.start[i]);
                if (level == k + 1)
                    sqlite3_bind_int64(s, bind++, r.startRow);
                else
                    bindValue(s, bind++, r.start[level - 1]);
            }
            sqlite3_bind_int64(s, bind, static_cast<sqlite3_int64>(n - got));
            int rc;
            while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
                RowInfo row = loadRow(s, record, k);
                ++got;
                if (!sink(row) || got >= n)
                    return NoError;
            }
            if (rc != SQLITE_DONE)
                return sqliteError(rc);
        }
        return NoError;
    }

    int readPosition(std::int64_t position, void* record, std::int64_t& version) override {
        if (const int code = ready(); code != NoError)
            return code;
        sqlite3_stmt* s = conn().statement(sql().byPosition);
        if (!s)
            return sqliteError(sqlite3_errcode(conn().handle()));
        StatementUse use(s);
        sqlite3_bind_int64(s, 1, position);
        const int rc = sqlite3_step(s);
        if (rc == SQLITE_DONE)
            return fail(RecordNotFound);
        if (rc != SQLITE_ROW)
            return sqliteError(rc);
        version = loadRow(s, record, 0).version;
        return NoError;
    }

    int insert(const void* record, std::int64_t& position) override {
        if (!own_.isOpen())
            return fail(FileNotOpen);
        if (bulk_)
            return insertBulk(record, position = nextPosition_, 1);
        sqlite3_stmt* s = conn().statement(sql().insert);
        if (!s)
            return sqliteError(sqlite3_errcode(conn().handle()));
        StatementUse use(s);
        const std::size_t stored = stage(record, row_, false);
        row_[stored].setInteger(1); // version
        bindRow(s, 1, row_.data(), stored + 1);
        const int rc = sqlite3_step(s);
        if (rc != SQLITE_DONE)
            return writeError(rc);
        position = sqlite3_last_insert_rowid(conn().handle());
        return NoError;
    }

    int update(std::int64_t position, std::int64_t& version, const void* record) override {
        if (const int code = ready(); code != NoError)
            return code;
        // Only the columns that differ from the stored record are written: every
        // index over a written column is rewritten, even with its value unchanged.
        const std::size_t stored = stage(record, row_, false);
        const Sql& q = sql();
        sqlite3_stmt* current = conn().statement(q.storedValues);
        if (!current)
            return sqliteError(sqlite3_errcode(conn().handle()));
        changed_.clear();
        {
            StatementUse use(current);
            sqlite3_bind_int64(current, 1, position);
            sqlite3_bind_int64(current, 2, version);
            const int rc = sqlite3_step(current);
            if (rc == SQLITE_DONE)
                return missingOrChanged(position);
            if (rc != SQLITE_ROW)
                return sqliteError(rc);
            for (std::size_t i = 0; i < stored; ++i)
                if (!row_[i].equals(current, static_cast<int>(i)))
                    changed_.push_back(i);
        }
        std::string sets;
        for (const std::size_t i : changed_)
            sets += q.storedColumns[i] + " = ?, ";
        // Made afresh each time: there are as many texts as sets of changed columns.
        const OneOffStatement update(conn().handle(), "UPDATE " + q.table + " SET " + sets + q.nextVersion);
        sqlite3_stmt* s = update.get();
        if (!s)
            return sqliteError(sqlite3_errcode(conn().handle()));
        int bind = 1;
        for (const std::size_t i : changed_)
            row_[i].bind(s, bind++);
        sqlite3_bind_int64(s, bind++, position);
        sqlite3_bind_int64(s, bind, version);
        if (const int rc = sqlite3_step(s); rc != SQLITE_DONE)
            return writeError(rc);
        if (sqlite3_changes(conn().handle()) == 0)
            return missingOrChanged(position);
        ++version;
        return NoError;
    }

    int remove(std::int64_t position, std::int64_t version) override {
        if (const int code = ready(); code != NoError)
            return code;
        sqlite3_stmt* s = conn().statement(sql().remove);
        if (!s)
            return sqliteError(sqlite3_errcode(conn().handle()));
        {
            StatementUse use(s);
            sqlite3_bind_int64(s, 1, position);
            sqlite3_bind_int64(s, 2, version);
            const int rc = sqlite3_step(s);
            if (rc != SQLITE_DONE)
                return writeError(rc);
        }
        if (sqlite3_changes(conn().handle()) == 0)
            return missingOrChanged(position);
        return NoError;
    }

    std::int64_t count() override {
        if (ready() != NoError)
            return 0;
        sqlite3_stmt* s = conn().statement("SELECT count(*) FROM " + sql().table);
        if (!s)
            return sqliteError(sqlite3_errcode(conn().handle())), 0;
        StatementUse use(s);
        if (const int rc = sqlite3_step(s); rc != SQLITE_ROW)
            return sqliteError(rc), 0;
        return sqlite3_column_int64(s, 0);
    }

    std::int64_t countBetween(int field, std::int64_t low, std::int64_t high) override {
        if (ready() != NoError)
            return 0;
        const std::string column = quoted(table_.fields.at(static_cast<std::size_t>(field)).name);
        sqlite3_stmt* s =
            conn().statement("SELECT count(*) FROM " + sql().table + " WHERE " + column + " BETWEEN ? AND ?");
        if (!s)
            return sqliteError(sqlite3_errcode(conn().handle())), 0;
        StatementUse use(s);
        sqlite3_bind_int64(s, 1, low);
        sqlite3_bind_int64(s, 2, high);
        if (const int rc = sqlite3_step(s); rc != SQLITE_ROW)
            return sqliteError(rc), 0;
        return sqlite3_column_int64(s, 0);
    }

    int insertKept(const void* record, std::int64_t position, std::int64_t version) override {
        if (!bulk_)
            return fail(FileNotOpen);
        return insertBulk(record, position, version);
    }

    std::int64_t highestPosition() override {
        if (ready() != NoError)
            return -1;
        sqlite3_stmt* s = conn().statement("SELECT max(coalesce((SELECT seq FROM " + sql().sequence +
                                           " WHERE name = ?), 0), coalesce((SELECT max(" +
                                           quoted(kPositionColumn) + ") FROM " + sql().table + "), 0))");
        if (!s)
            return sqliteError(sqlite3_errcode(conn().handle())), -1;
        StatementUse use(s);
        sqlite3_bind_text(s, 1, table_.name.data(), static_cast<int>(table_.name.size()), SQLITE_STATIC);
        if (const int rc = sqlite3_step(s); rc != SQLITE_ROW)
            return sqliteError(rc), -1;
        return sqlite3_column_int64(s, 0);
    }

    int raisePositions(std::int64_t position) override {
        if (!bulk_)
            return fail(FileNotOpen);
        nextPosition_ = std::max(nextPosition_, position + 1);
        return NoError;
    }

    int beginBulk() override {
        if (!own_.isOpen())
            return fail(FileNotOpen);
        // A cache of up to 512 MB (taken only as the load grows) keeps a million
        // addresses in memory until the commit, and sorting in memory makes the
        // key builds fast; smaller caches cost a third more time at that size.
        own_.exec("PRAGMA cache_size = -524288; PRAGMA temp_store = MEMORY");
        own_.forgetStatements();
        indexOf_.clear();
        if (const int rc = own_.exec("BEGIN IMMEDIATE"); rc != SQLITE_OK)
            return sqliteError(rc);
        // Positions are given here, so that rows can be written many to a statement.
        const std::int64_t highest = highestPosition();
        if (highest < 0) {
            own_.exec("ROLLBACK");
            return currentError().code;
        }
        nextPosition_ = highest + 1;
        sqlite3_stmt* s = own_.statement("SELECT NOT EXISTS (SELECT 1 FROM " + sql().table + ")");
        int rc = s ? sqlite3_step(s) : sqlite3_errcode(own_.handle());
        const bool empty = rc == SQLITE_ROW && sqlite3_column_int(s, 0) != 0;
        if (rc == SQLITE_ROW)
            rc = SQLITE_OK;
        if (s)
            sqlite3_reset(s);
        // Into an empty file the keys are built once at the end; into a filled
        // one they are kept up record by record, which costs far less than
        // building them again over the whole file.
        buildKeysAtEnd_ = empty;
        if (rc == SQLITE_OK && empty) {
            rc = own_.exec(dropIndexes(bulkOrders_));
            own_.forgetStatements();
        }
        if (rc != SQLITE_OK) {
            const int code = sqliteError(rc);
            own_.forgetStatements();
            own_.exec("ROLLBACK");
            return code;
        }
        const std::size_t width = rowWidth() + 1; // and the position
        const auto limit =
            static_cast<std::size_t>(sqlite3_limit(own_.handle(), SQLITE_LIMIT_VARIABLE_NUMBER, -1));
        batchRows_ = std::clamp<std::size_t>(limit / width, 1, kBatchRows);
        batch_.resize(batchRows_ * width);
        pending_ = 0;
        bulk_ = true;
        return NoError;
    }

    int endBulk(bool keep) override {
        int code = keep ? flushBulk() : NoError;
        stopBulk();
        if (keep && code == NoError) {
            std::string sql = keepHighestPositionSql();
            if (buildKeysAtEnd_) {
                for (const KeyDef& key : table_.keys)
                    sql += createIndexSql(table_, key) + ";";
                sql += bulkOrders_ + createListOrderIndexesSql(table_);
            }
            if (const int rc = own_.exec(sql + "COMMIT;"); rc != SQLITE_OK)
                code = writeError(rc);
        }
        if (!keep || code != NoError)
            own_.exec("ROLLBACK");
        own_.exec("PRAGMA cache_size = -2000; PRAGMA temp_store = DEFAULT");
        return code;
    }

    // Transactions route this file's statements through their connection.
    void routeThrough(Connection* connection, std::string schema) {
        route_ = {connection, std::move(schema)};
    }
    void clearRoute() { route_ = {}; }
    const std::string& diskName() const { return diskName_; }

private:
    static constexpr int kOperationTimeoutMs = 2000;

    Connection& conn() { return route_.connection ? *route_.connection : own_; }

    // Before any other use of the file: it is open, and rows a bulk load holds back are written.
    int ready() {
        if (!own_.isOpen())
            return fail(FileNotOpen);
        return flushBulk();
    }

    // Values bound for one record: fields, fold keys, version.
    std::size_t rowWidth() const { return table_.fields.size() + foldColumns_ + 1; }

    int insertBulk(const void* record, std::int64_t position, std::int64_t version) {
        BoundValue* row = &batch_[pending_ * (rowWidth() + 1)];
        const std::size_t stored = stage(record, row, true);
        row[stored].setInteger(version);
        nextPosition_ = std::max(nextPosition_, position + 1);
        row[stored + 1].setInteger(position);
        if (++pending_ < batchRows_)
            return NoError;
        return flushBulk();
    }

    // Records written record the highest position themselves; one raised above
    // them is written here.
    std::string keepHighestPositionSql() {
        const std::string highest = std::to_string(nextPosition_ - 1);
        const std::string name = "'" + std::string(table_.name) + "'";
        const std::string sequence = sql().sequence;
        return "UPDATE " + sequence + " SET seq = " + highest + " WHERE name = " + name + " AND seq < " +
               highest + "; INSERT INTO " + sequence + " (name, seq) SELECT " + name + ", " + highest +
               " WHERE " + highest + " > 0 AND NOT EXISTS (SELECT 1 FROM " + sequence +
               " WHERE name = " + name + ");";
    }

    void stopBulk() {
        bulk_ = false;
        pending_ = 0;
        batch_ = {};
        own_.forgetStatements();
    }

    int flushBulk() {
        if (pending_ == 0)
            return NoError;
        const std::size_t rows = pending_;
        pending_ = 0;
        // The text of a full batch is made once; the last, shorter one only ends a load.
        if (rows == batchRows_ && fullBatchSql_.empty())
            fullBatchSql_ = bulkInsertSql(rows);
        const std::string lastBatchSql = rows == batchRows_ ? std::string() : bulkInsertSql(rows);
        sqlite3_stmt* s = own_.statement(rows == batchRows_ ? fullBatchSql_ : lastBatchSql);
        if (!s)
            return sqliteError(sqlite3_errcode(own_.handle()));
        const std::size_t width = rowWidth() + 1;
        for (std::size_t i = 0; i < rows; ++i)
            bindRow(s, static_cast<int>(i * width) + 1, &batch_[i * width], width);
        // Every value is bound again for the next batch: reset only, the error read first.
        const int rc = sqlite3_step(s);
        const int code = rc == SQLITE_DONE ? NoError : writeError(rc);
        sqlite3_reset(s);
        return code;
    }

    // "INSERT ... VALUES (...), (...)" for `rows` records with their positions.
    std::string bulkInsertSql(std::size_t rows) {
        std::string columns, marks;
        for (const auto& [name, type] : expectedColumns(table_)) {
            if (name == kPositionColumn)
                continue;
            columns += quoted(name) + ", ";
            marks += "?, ";
        }
        const std::string row = "(" + marks + "?)";
        std::string insert =
            "INSERT INTO " + sql().table + " (" + columns + quoted(kPositionColumn) + ") VALUES " + row;
        for (std::size_t i = 1; i < rows; ++i)
            insert += ", " + row;
        return insert;
    }

    int fail(int code, std::string text = {}) {
        setCurrentError({code, std::move(text), 0, {}, diskName_, {}});
        return code;
    }
    int sqliteError(int rc, sqlite3* db = nullptr) {
        return reportSqliteError(rc, db ? db : conn().handle(), diskName_);
    }
    int closeWith(int code) {
        own_.close();
        return code;
    }
    int openError(int rc) { return closeWith(reportSqliteError(rc, nullptr, diskName_, own_.openFailure())); }

    bool tableExists(Connection& c) {
        sqlite3_stmt* s = c.statement("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
        if (!s)
            return false;
        StatementUse use(s);
        sqlite3_bind_text(s, 1, table_.name.data(), static_cast<int>(table_.name.size()), SQLITE_STATIC);
        return sqlite3_step(s) == SQLITE_ROW;
    }

    // Anything in the file's schema (asked where the table is missing: it belongs to someone else).
    bool holdsOtherData(Connection& c) {
        sqlite3_stmt* s = c.statement("SELECT 1 FROM sqlite_master");
        if (!s)
            return true;
        StatementUse use(s);
        return sqlite3_step(s) != SQLITE_DONE;
    }

    int verifyLayout(Connection& c) {
        sqlite3_stmt* s = c.statement("SELECT name, type FROM pragma_table_info(?)");
        if (!s)
            return sqliteError(sqlite3_errcode(c.handle()), c.handle());
        StatementUse use(s);
        sqlite3_bind_text(s, 1, table_.name.data(), static_cast<int>(table_.name.size()), SQLITE_STATIC);
        std::vector<std::pair<std::string, std::string>> found;
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            found.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)),
                               reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
        if (rc != SQLITE_DONE)
            return sqliteError(rc, c.handle());
        if (found != expectedColumns(table_))
            return fail(InvalidRecordDeclaration, errorTextOf(InvalidRecordDeclaration));
        return NoError;
    }

    bool indexExists(const std::string& name) {
        sqlite3_stmt* s = own_.statement("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?");
        if (!s)
            return false;
        StatementUse use(s);
        sqlite3_bind_text(s, 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
        return sqlite3_step(s) == SQLITE_ROW;
    }

    std::map<std::string, std::string> indexDefinitions() {
        std::map<std::string, std::string> out;
        sqlite3_stmt* s =
            own_.statement("SELECT name, sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ?");
        if (!s)
            return out;
        StatementUse use(s);
        sqlite3_bind_text(s, 1, table_.name.data(), static_cast<int>(table_.name.size()), SQLITE_STATIC);
        while (sqlite3_step(s) == SQLITE_ROW) {
            const auto* sql = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
            out.emplace(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), sql ? sql : "");
        }
        return out;
    }

    // Statements dropping every index of the table; `orders` receives the
    // statements that make the list-order indexes again (other stations read by them).
    std::string dropIndexes(std::string& orders) {
        std::string sql;
        orders.clear();
        for (const auto& [name, definition] : indexDefinitions()) {
            if (definition.empty()) // automatic indexes cannot be dropped
                continue;
            sql += "DROP INDEX " + quoted(name) + ";";
            if (name.starts_with("ORD_"))
                orders += definition + ";";
        }
        return sql;
    }

    int verifyKeys() {
        const auto found = indexDefinitions();
        for (const KeyDef& key : table_.keys) {
            const auto it = found.find(keyIndexName(table_, key));
            if (it == found.end() || it->second != createIndexSql(table_, key))
                return fail(InvalidKeyFile, std::string(key.name) + ": " + errorTextOf(InvalidKeyFile));
        }
        return NoError;
    }

    // The index a read walks; empty for physical order (no sort parts).
    std::optional<std::string> indexFor(const OrderedRead& r) {
        if (r.key)
            return keyIndexName(table_, *r.key);
        if (r.parts.empty())
            return std::string();
        const auto it = indexOf_.find(signature(r.parts));
        if (it != indexOf_.end())
            return it->second;
        if (serveOrder(r.parts).parts.empty())
            return std::nullopt;
        return indexOf_[signature(r.parts)];
    }

    // The statements of the file for the schema it is reached under, made once.
    struct Sql {
        std::string table;      // "main"."QXADRESS"
        std::string sequence;   // "main".sqlite_sequence: the highest position given
        std::string selectList; // fields, position, version
        std::string insert, remove, byPosition;
        std::vector<std::string> storedColumns; // fields and fold keys, as staged
        std::string storedValues;               // their values in a record of a position and version
        std::string nextVersion;                // the end of an update: new version, where
    };

    const Sql& sql() {
        const std::string schema = route_.connection ? route_.schema : std::string("main");
        auto found = sql_.find(schema);
        if (found != sql_.end())
            return found->second;
        Sql q;
        q.table = quoted(schema) + "." + quoted(table_.name);
        q.sequence = quoted(schema) + ".sqlite_sequence";
        std::string columns, marks;
        for (const auto& [name, type] : expectedColumns(table_)) {
            if (name == kPositionColumn)
                continue;
            columns += (columns.empty() ? "" : ", ") + quoted(name);
            marks += marks.empty() ? "?" : ", ?";
            if (name != kVersionColumn)
                q.storedColumns.push_back(quoted(name));
        }
        for (const FieldDef& f : table_.fields)
            q.selectList += (q.selectList.empty() ? "" : ", ") + quoted(f.name);
        q.selectList += ", " + quoted(kPositionColumn) + ", " + quoted(kVersionColumn);
        const std::string where = " WHERE " + quoted(kPositionColumn) + " = ?";
        const std::string watched = where + " AND " + quoted(kVersionColumn) + " = ?";
        q.insert = "INSERT INTO " + q.table + " (" + columns + ") VALUES (" + marks + ")";
        q.nextVersion = quoted(kVersionColumn) + " = " + quoted(kVersionColumn) + " + 1" + watched;
        std::string stored;
        for (const std::string& column : q.storedColumns)
            stored += (stored.empty() ? "" : ", ") + column;
        q.storedValues = "SELECT " + stored + " FROM " + q.table + watched;
        q.remove = "DELETE FROM " + q.table + watched;
        q.byPosition = "SELECT " + q.selectList + " FROM " + q.table + where;
        return sql_.emplace(schema, std::move(q)).first->second;
    }

    const std::string& readSql(const OrderedRead& r, const std::string& index, std::size_t ranged,
                               std::size_t level, bool inclusive) {
        const Sql& base = sql();
        std::string cacheKey = base.table + index + signature(r.parts) + "|" + std::to_string(ranged) + "|" +
                               std::to_string(level) + (inclusive ? "i" : "x") + (r.forward ? "f" : "b") +
                               (r.positionDescending ? "d" : "a");
        auto found = readSql_.find(cacheKey);
        if (found != readSql_.end())
            return found->second;
        const std::size_t k = r.parts.size();
        std::string where;
        auto add = [&where](const std::string& term) {
            where += (where.empty() ? " WHERE " : " AND ") + term;
        };
        if (r.key && r.key->optional)
            add(optionalPredicate(table_, *r.key));
        for (std::size_t i = 0; i < ranged; ++i)
            add(quoted(columnOf(table_, r.parts[i])) + " = ?");
        if (level > 0) {
            for (std::size_t i = ranged; i + 1 < level && i < k; ++i)
                add(quoted(columnOf(table_, r.parts[i])) + " = ?");
            const bool positionLevel = level == k + 1;
            const bool descending = positionLevel ? r.positionDescending : r.parts[level - 1].descending;
            const bool greater = r.forward != descending;
            const std::string column = positionLevel ? kPositionColumn : columnOf(table_, r.parts[level - 1]);
            add(quoted(column) + (greater ? " >" : " <") + (inclusive ? "= ?" : " ?"));
        }
        std::string order;
        for (const SortPart& p : r.parts)
            order += quoted(columnOf(table_, p)) + ((p.descending != !r.forward) ? " DESC, " : ", ");
        order += quoted(kPositionColumn) + (r.positionDescending != !r.forward ? " DESC" : "");
        const std::string indexed = index.empty() ? "" : " INDEXED BY " + quoted(index);
        std::string select = base.selectList;
        for (const SortPart& p : r.parts)
            select += ", " + quoted(columnOf(table_, p));
        return readSql_
            .emplace(std::move(cacheKey), "SELECT " + select + " FROM " + base.table + indexed + where +
                                              " ORDER BY " + order + " LIMIT ?")
            .first->second;
    }

    RowInfo loadRow(sqlite3_stmt* s, void* record, std::size_t sortParts) const {
        const int fields = static_cast<int>(table_.fields.size());
        for (int i = 0; i < fields; ++i) {
            const FieldDef& f = table_.fields[static_cast<std::size_t>(i)];
            f.set(record, fromStored(f, columnValue(s, i)), f);
        }
        RowInfo row;
        row.position = sqlite3_column_int64(s, fields);
        row.version = sqlite3_column_int64(s, fields + 1);
        row.sortValues.reserve(sortParts);
        for (std::size_t i = 0; i < sortParts; ++i)
            row.sortValues.push_back(columnValue(s, fields + 2 + static_cast<int>(i)));
        return row;
    }

    // Puts the stored values of a record and its fold keys into `out` (grown
    // when needed); returns how many. With `copy` the texts are copied, else
    // they point into the record, which must then stay unchanged until bound.
    std::size_t stage(const void* record, std::vector<BoundValue>& out, bool copy) {
        out.resize(rowWidth());
        return stage(record, out.data(), copy);
    }
    std::size_t stage(const void* record, BoundValue* out, bool copy) const {
        std::size_t at = 0;
        std::size_t foldAt = table_.fields.size();
        for (const FieldDef& f : table_.fields) {
            BoundValue& v = out[at++];
            if (!f.view) {
                v.set(toStored(f, f.get(record)));
                continue;
            }
            v.setText(fittedText(f, f.view(record)), copy);
            if (!hasFoldColumn(f))
                continue;
            BoundValue& key = out[foldAt++];
            if (isFolded(v.text) && (v.text.empty() || v.text.back() != ' ')) {
                key.setText(v.text, false); // codes and numbers are their own key
                continue;
            }
            foldTextInto(key.kept, v.text);
            key.kept.resize(clipped(key.kept).size());
            key.setText(key.kept, false);
        }
        return foldAt;
    }

    static void bindRow(sqlite3_stmt* s, int first, const BoundValue* values, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            values[i].bind(s, first + static_cast<int>(i));
    }

    int writeError(int rc) {
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY) {
            setCurrentError({DuplicateKeyError, {}, 0, {}, diskName_, duplicateKeyName()});
            return DuplicateKeyError;
        }
        return sqliteError(rc);
    }

    // The unique key named by SQLite's message "UNIQUE constraint failed: T.a, T.b".
    std::string duplicateKeyName() {
        std::string message = sqlite3_errmsg(conn().handle());
        const auto colon = message.find(": ");
        std::vector<std::string> columns;
        if (colon != std::string::npos) {
            std::string rest = message.substr(colon + 2);
            std::size_t pos = 0;
            while (pos <= rest.size()) {
                const auto comma = rest.find(", ", pos);
                std::string item =
                    rest.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
                if (const auto dot = item.find('.'); dot != std::string::npos)
                    item = item.substr(dot + 1);
                columns.push_back(item);
                if (comma == std::string::npos)
                    break;
                pos = comma + 2;
            }
        }
        for (const KeyDef& key : table_.keys) {
            if (!key.unique)
                continue;
            std::vector<std::string> keyColumns;
            for (const SortPart& p : keySortParts(table_, key))
                keyColumns.push_back(columnOf(table_, p));
            if (keyColumns == columns)
                return std::string(table_.prefix) + ":" + std::string(key.name);
        }
        return {};
    }

    int missingOrChanged(std::int64_t position) {
        sqlite3_stmt* s =
            conn().statement("SELECT 1 FROM " + sql().table + " WHERE " + quoted(kPositionColumn) + " = ?");
        if (!s)
            return sqliteError(sqlite3_errcode(conn().handle()));
        StatementUse use(s);
        sqlite3_bind_int64(s, 1, position);
        return fail(sqlite3_step(s) == SQLITE_ROW ? RecordChanged : RecordNotFound);
    }

    const TableDef& table_;
    Connection own_;
    std::string diskName_;
    Route route_;
    std::map<std::string, std::string> indexOf_; // order signature -> index name
    std::map<std::string, Sql> sql_;             // by schema
    std::map<std::string, std::string> readSql_;
    std::vector<BoundValue> row_;      // values of the last single write
    std::vector<std::size_t> changed_; // of row_, those an update writes
    std::string bulkOrders_;           // list-order indexes to make again after a bulk load
    std::size_t foldColumns_ = 0;

    // A bulk load writes batchRows_ records per statement, numbering them itself.
    static constexpr std::size_t kBatchRows = 64;
    bool bulk_ = false;
    bool buildKeysAtEnd_ = false;
    std::int64_t nextPosition_ = 0;
    std::vector<BoundValue> batch_;
    std::size_t batchRows_ = 1;
    std::size_t pending_ = 0;
    std::string fullBatchSql_;
};

class SqliteTransaction : public TransactionBackend {
public:
    ~SqliteTransaction() override { rollback(); }

    int begin(const std::vector<FileBackend*>& files, int timeoutMs) {
        for (FileBackend* f : files)
            files_.push_back(static_cast<SqliteFile*>(f));
        if (files_.empty())
            return NoError;
        const std::string& mainFile = files_.front()->diskName();
        int rc = connection_.open(mainFile, false);
        connection_.setBusyTimeout(timeoutMs);
        for (std::size_t i = 1; i < files_.size() && rc == SQLITE_OK; ++i) {
            sqlite3_stmt* s = connection_.statement("ATTACH DATABASE ? AS " + schemaOf(i));
            if (!s) {
                rc = sqlite3_errcode(connection_.handle());
                break;
            }
            StatementUse use(s);
            const std::string& name = files_[i]->diskName();
            sqlite3_bind_text(s, 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
            rc = sqlite3_step(s);
            if (rc == SQLITE_DONE)
                rc = SQLITE_OK;
        }
        if (rc == SQLITE_OK)
            rc = connection_.exec("BEGIN IMMEDIATE");
        if (rc != SQLITE_OK) {
            const int code = reportSqliteError(rc, connection_.handle(), mainFile);
            files_.clear();
            connection_.close();
            return code;
        }
        active_ = true;
        for (std::size_t i = 0; i < files_.size(); ++i)
            files_[i]->routeThrough(&connection_, i == 0 ? "main" : schemaOf(i));
        return NoError;
    }

    int commit() override {
        if (!active_)
            return NoError;
        const int rc = connection_.exec("COMMIT");
        int code = NoError;
        if (rc != SQLITE_OK) {
            code = reportSqliteError(rc, connection_.handle(), files_.front()->diskName());
            connection_.exec("ROLLBACK");
        }
        finish();
        return code;
    }

    void rollback() override {
        if (!active_)
            return;
        connection_.exec("ROLLBACK");
        finish();
    }

private:
    static std::string schemaOf(std::size_t i) { return "t" + std::to_string(i); }

    void finish() {
        for (SqliteFile* f : files_)
            f->clearRoute();
        files_.clear();
        connection_.close();
        active_ = false;
    }

    Connection connection_;
    std::vector<SqliteFile*> files_;
    bool active_ = false;
};

} // namespace
} // namespace sqlite

std::unique_ptr<FileBackend> sqlite::makeSqliteFile(const TableDef& table) {
    return std::make_unique<SqliteFile>(table);
}

Value storedValue(const TableDef& table, const SortPart& part, const Value& value) {
    const FieldDef& f = table.fields.at(static_cast<std::size_t>(part.field));
    if (part.folded && sqlite::hasFoldColumn(f))
        return clip(foldText(valueText(value)));
    return sqlite::toStored(f, value);
}

int sqlite::beginSqliteTransaction(const std::vector<FileBackend*>& files, int timeoutMs,
                                   std::unique_ptr<TransactionBackend>& out) {
    auto tx = std::make_unique<SqliteTransaction>();
    const int code = tx->begin(files, timeoutMs);
    if (code == NoError)
        out = std::move(tx);
    return code;
}

} // namespace velkora::data
