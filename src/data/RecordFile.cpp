#include "data/RecordFile.h"

#include "data/Backend.h"
#include "shared/AppState.h"
#include "shared/Text.h"

#include <cstdlib>
#include <limits>

namespace velkora::data {

namespace {
constexpr int kOpenTimeoutMs = 2000;
thread_local Transaction* activeTransaction = nullptr;
} // namespace

std::vector<SortPart> keySortParts(const TableDef& table, const KeyDef& key) {
    std::vector<SortPart> parts;
    for (const KeyPart& k : key.parts)
        parts.push_back({k.field, table.fields[static_cast<std::size_t>(k.field)].isText(), k.descending});
    return parts;
}

namespace {
bool sameDirection(const std::vector<SortPart>& a, const std::vector<SortPart>& b, bool inverted) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].field != b[i].field || a[i].folded != b[i].folded ||
            (a[i].descending != b[i].descending) != inverted)
            return false;
    return true;
}
} // namespace

const KeyDef* keyServing(const TableDef& table, const std::vector<SortPart>& parts, ServedOrder& served) {
    for (const KeyDef& key : table.keys) {
        if (key.optional || key.parts.size() < parts.size())
            continue;
        std::vector<SortPart> full = keySortParts(table, key);
        const std::vector<SortPart> lead(full.begin(), full.begin() + static_cast<long>(parts.size()));
        for (bool inverted : {false, true}) {
            if (!sameDirection(parts, lead, inverted))
                continue;
            if (inverted)
                for (SortPart& p : full)
                    p.descending = !p.descending;
            served = {full, inverted};
            return &key;
        }
    }
    return nullptr;
}

std::vector<Value> sortValuesOf(const TableDef& table, const std::vector<SortPart>& parts,
                                const void* record) {
    std::vector<Value> values;
    values.reserve(parts.size());
    for (const SortPart& p : parts)
        values.push_back(storedValue(table, p, table.fields[static_cast<std::size_t>(p.field)].get(record)));
    return values;
}

RecordFile::RecordFile(const TableDef& table, void* buffer)
    : table_(table), buffer_(buffer), backend_(makeBackend(table, false)) {}

RecordFile::~RecordFile() = default;

std::string RecordFile::fileName() const {
    if (!fileName_.empty())
        return fileName_;
    const AppState& state = appState();
    switch (table_.location) {
    case FileLocation::InitPath:
        return joinPath(state.INITPATH, std::string(table_.name));
    case FileLocation::TranslationFile:
        return state.TRLFILE;
    case FileLocation::DataPath:
        break;
    }
    return tableFileName(state.DATAPATH, table_.name);
}

std::string tableFileName(const std::string& dataPath, std::string_view table) {
    // On a server a table is named after the connection: "postgresql:///velkora#QXADRESS".
    if (isServerAddress(dataPath))
        return dataPath + "#" + std::string(table);
    return joinPath(dataPath, std::string(table));
}

std::string RecordFile::diskName() const {
    const std::string name = fileName();
    return isServerAddress(name) ? name : name + ".TPS";
}

FileBackend& RecordFile::storage() {
    const bool onServer = isServerAddress(fileName());
    if (!backend_->isOpen() && backend_->onServer() != onServer)
        backend_ = makeBackend(table_, onServer);
    return *backend_;
}

void RecordFile::sendOption(std::string_view option) {
    const auto eq = option.find('=');
    if (eq != std::string_view::npos && equalsIgnoreCase(trim(option.substr(0, eq)), "Recover"))
        recoverSeconds_ = std::atoi(std::string(option.substr(eq + 1)).c_str());
}

int RecordFile::fail(int code, std::string text) {
    setCurrentError({code, std::move(text), 0, {}, diskName(), {}});
    return code;
}

int RecordFile::open() {
    if (backend_->isOpen())
        return fail(FileAlreadyOpen);
    const int timeout = recoverSeconds_ > 0 ? recoverSeconds_ * 1000 : kOpenTimeoutMs;
    recoverSeconds_ = 0;
    const int code = storage().open(diskName(), timeout);
    if (code == NoError)
        clearCurrentError();
    cursorKey_ = nullptr;
    position_ = 0;
    return code;
}

int RecordFile::create() {
    const int code = storage().create(diskName());
    if (code == NoError)
        clearCurrentError();
    return code;
}

int RecordFile::rebuildKeys() {
    if (!backend_->isOpen()) {
        // Rebuilding a closed file: the backend opens it for the rebuild only.
        const int code = storage().open(diskName(), kOpenTimeoutMs);
        if (code == NoError) {
            const int rebuilt = backend_->rebuildKeys();
            backend_->close();
            return rebuilt;
        }
        if (code != InvalidKeyFile)
            return code;
    }
    return backend_->rebuildKeys();
}

int RecordFile::check() {
    if (!backend_->isOpen())
        return fail(FileNotOpen);
    return backend_->check();
}

void RecordFile::close() {
    backend_->close();
    cursorKey_ = nullptr;
    position_ = 0;
}

bool RecordFile::isOpen() const {
    return backend_->isOpen();
}

void RecordFile::clear() {
    void* fresh = table_.ops.create();
    table_.ops.copy(buffer_, fresh);
    table_.ops.destroy(fresh);
}

int RecordFile::get(const KeyDef& key) {
    OrderedRead request;
    request.parts = keySortParts(table_, key);
    request.key = &key;
    request.range = sortValuesOf(table_, request.parts, buffer_);
    bool found = false;
    const int code = backend_->read(request, 1, buffer_, [&](const RowInfo& row) {
        found = true;
        setReadState(row.position, row.version);
        return false;
    });
    if (code != NoError)
        return code;
    if (!found)
        return fail(RecordNotFound);
    clearCurrentError();
    return NoError;
}

int RecordFile::reget(RecordPosition position) {
    std::int64_t version = 0;
    const int code = backend_->readPosition(position, buffer_, version);
    if (code != NoError)
        return code;
    setReadState(position, version);
    if (cursorKey_ || physical_) {
        cursorValues_ = cursorKey_ ? sortValuesOf(table_, keySortParts(table_, *cursorKey_), buffer_)
                                   : std::vector<Value>{};
        cursorRow_ = position;
        cursorState_ = CursorState::OnRecord;
    }
    clearCurrentError();
    return NoError;
}

void RecordFile::set() {
    cursorKey_ = nullptr;
    physical_ = true;
    cursorRow_ = 0;
    cursorValues_.clear();
    cursorState_ = CursorState::Start;
}

void RecordFile::set(const KeyDef& key, bool fromBuffer) {
    cursorKey_ = &key;
    physical_ = false;
    cursorRow_ = 0;
    cursorValues_.clear();
    cursorState_ = CursorState::Start;
    if (fromBuffer) {
        cursorValues_ = sortValuesOf(table_, keySortParts(table_, key), buffer_);
        cursorState_ = CursorState::FromValues;
    }
}

void RecordFile::setPrefix(const KeyDef& key, std::size_t components) {
    set(key, true);
    if (components < cursorValues_.size())
        cursorValues_.resize(components);
    if (cursorValues_.empty())
        cursorState_ = CursorState::Start;
}

int RecordFile::readAt(bool forward) {
    if (!cursorKey_ && !physical_)
        return fail(RecordNotAvailable);
    OrderedRead request;
    if (cursorKey_)
        request.parts = keySortParts(table_, *cursorKey_);
    request.key = cursorKey_;
    request.forward = forward;
    if (cursorState_ != CursorState::Start) {
        request.hasStart = true;
        request.start = cursorValues_;
        if (cursorState_ == CursorState::FromValues) {
            // At the values themselves: every record with equal components counts.
            request.inclusive = true;
            request.startRow = forward ? 0 : std::numeric_limits<std::int64_t>::max();
        } else {
            request.startRow = cursorRow_;
        }
    }
    bool found = false;
    const int code = backend_->read(request, 1, buffer_, [&](const RowInfo& row) {
        found = true;
        setReadState(row.position, row.version);
        cursorValues_ = row.sortValues;
        cursorRow_ = row.position;
        cursorState_ = CursorState::OnRecord;
        return false;
    });
    if (code != NoError) {
        // In physical order an unreadable record is passed over on the next read.
        if (physical_ && forward) {
            cursorRow_ += 1;
            cursorState_ = CursorState::OnRecord;
        }
        return code;
    }
    if (!found)
        return fail(RecordNotAvailable);
    clearCurrentError();
    return NoError;
}

int RecordFile::next() {
    return readAt(true);
}
int RecordFile::previous() {
    return readAt(false);
}

int RecordFile::scan(const std::function<bool()>& each) {
    constexpr std::size_t kPageRows = 5000;
    OrderedRead request;
    bool more = true;
    while (more) {
        std::size_t rows = 0;
        const int code = backend_->read(request, kPageRows, buffer_, [&](const RowInfo& row) {
            ++rows;
            setReadState(row.position, row.version);
            request.startRow = row.position;
            more = each();
            return more;
        });
        if (code != NoError)
            return code;
        request.hasStart = true;
        more = more && rows == kPageRows;
    }
    clearCurrentError();
    return NoError;
}

int RecordFile::add() {
    std::int64_t position = 0;
    const int code = backend_->insert(buffer_, position);
    if (code != NoError)
        return code;
    setReadState(position, 1);
    clearCurrentError();
    return NoError;
}

int RecordFile::put() {
    if (position_ == 0)
        return fail(RecordNotFound);
    std::int64_t version = version_;
    const int code = backend_->update(position_, version, buffer_);
    if (code != NoError)
        return code;
    version_ = version;
    clearCurrentError();
    return NoError;
}

int RecordFile::erase() {
    if (position_ == 0)
        return fail(RecordNotFound);
    const int code = backend_->remove(position_, version_);
    if (code != NoError)
        return code;
    position_ = 0;
    clearCurrentError();
    return NoError;
}

std::int64_t RecordFile::records() {
    return backend_->count();
}

int RecordFile::beginBulkLoad() {
    return backend_->beginBulk();
}
int RecordFile::addKept(RecordPosition position, std::int64_t version) {
    const int code = backend_->insertKept(buffer_, position, version);
    if (code != NoError)
        return code;
    setReadState(position, version);
    clearCurrentError();
    return NoError;
}
RecordPosition RecordFile::highestPosition() {
    return backend_->highestPosition();
}
int RecordFile::raisePositions(RecordPosition highest) {
    return backend_->raisePositions(highest);
}
int RecordFile::endBulkLoad() {
    return backend_->endBulk(true);
}
void RecordFile::cancelBulkLoad() {
    backend_->endBulk(false);
}

std::string RecordFile::text(std::string_view prefixedName) const {
    const int f = table_.fieldIndex(prefixedName);
    return f < 0 ? std::string() : fieldText(table_, buffer_, f);
}

void RecordFile::setText(std::string_view prefixedName, std::string_view value) {
    const int f = table_.fieldIndex(prefixedName);
    if (f >= 0)
        setFieldText(table_, buffer_, f, value);
}

struct Transaction::State {
    std::unique_ptr<TransactionBackend> backend;
};

Transaction::Transaction() : state_(std::make_unique<State>()) {}

Transaction::~Transaction() {
    rollback();
}

int Transaction::begin(const std::vector<RecordFile*>& files, int timeoutMs) {
    if (active() || activeTransaction) {
        setCurrentError({FileSystemError, {}, 0, "a transaction is already active", {}, {}});
        return FileSystemError;
    }
    std::vector<FileBackend*> backends;
    for (RecordFile* f : files) {
        if (!f->isOpen()) {
            setCurrentError({FileNotOpen, {}, 0, {}, f->diskName(), {}});
            return FileNotOpen;
        }
        backends.push_back(f->backend());
    }
    const int code = beginTransaction(backends, timeoutMs, state_->backend);
    if (code == NoError)
        activeTransaction = this;
    return code;
}

int Transaction::commit() {
    if (!active())
        return NoError;
    const int code = state_->backend->commit();
    state_->backend.reset();
    activeTransaction = nullptr;
    return code;
}

void Transaction::rollback() {
    if (!active())
        return;
    state_->backend->rollback();
    state_->backend.reset();
    activeTransaction = nullptr;
}

bool Transaction::active() const {
    return state_ && state_->backend != nullptr;
}

Transaction* Transaction::current() {
    return activeTransaction;
}

} // namespace velkora::data
