// Placeholders while the driver is written; every operation reports 90.
#include "data/DemoData.h"
#include "data/FileServices.h"
#include "data/Reorganise.h"
#include "data/StandardWarnings.h"
#include "data/View.h"

namespace velkora::data {

class FileBackend {};

namespace {
int notYet() {
    setCurrentError({FileSystemError, {}, 0, "not implemented", {}, {}});
    return FileSystemError;
}
} // namespace

RecordFile::RecordFile(const TableDef& table, void* buffer) : table_(table), buffer_(buffer) {}
RecordFile::~RecordFile() = default;
std::string RecordFile::fileName() const {
    return fileName_;
}
std::string RecordFile::diskName() const {
    return fileName() + ".TPS";
}
void RecordFile::sendOption(std::string_view) {}
int RecordFile::open() {
    return notYet();
}
int RecordFile::create() {
    return notYet();
}
int RecordFile::rebuildKeys() {
    return notYet();
}
int RecordFile::check() {
    return notYet();
}
void RecordFile::close() {}
bool RecordFile::isOpen() const {
    return false;
}
void RecordFile::clear() {}
int RecordFile::get(const KeyDef&) {
    return notYet();
}
int RecordFile::reget(RecordPosition) {
    return notYet();
}
void RecordFile::set(const KeyDef&, bool) {}
int RecordFile::next() {
    return notYet();
}
int RecordFile::previous() {
    return notYet();
}
int RecordFile::add() {
    return notYet();
}
int RecordFile::put() {
    return notYet();
}
int RecordFile::erase() {
    return notYet();
}
std::int64_t RecordFile::records() {
    return 0;
}
int RecordFile::beginBulkLoad() {
    return notYet();
}
int RecordFile::append() {
    return notYet();
}
int RecordFile::endBulkLoad() {
    return notYet();
}
std::string RecordFile::text(std::string_view) const {
    return {};
}
void RecordFile::setText(std::string_view, std::string_view) {}

struct Transaction::State {};
Transaction::Transaction() = default;
Transaction::~Transaction() = default;
int Transaction::begin(const std::vector<RecordFile*>&, int) {
    return notYet();
}
int Transaction::commit() {
    return notYet();
}
void Transaction::rollback() {}
bool Transaction::active() const {
    return false;
}
Transaction* Transaction::current() {
    return nullptr;
}

bool parseOrder(const TableDef&, std::string_view, std::vector<OrderPart>&) {
    return false;
}
View::View(RecordFile& file) : file_(file) {}
View::~View() = default;
bool View::setOrder(std::string_view) {
    return false;
}
void View::setRange(std::vector<Value>) {}
void View::setFilter(std::function<bool(const RecordCopy&)>) {}
void View::clearLimits() {}
std::vector<ViewRow> View::first(std::size_t) {
    return {};
}
std::vector<ViewRow> View::last(std::size_t) {
    return {};
}
std::vector<ViewRow> View::from(const std::vector<Value>&, std::size_t) {
    return {};
}
std::vector<ViewRow> View::at(RecordPosition, std::size_t) {
    return {};
}
std::vector<ViewRow> View::after(const ViewRow&, std::size_t) {
    return {};
}
std::vector<ViewRow> View::before(const ViewRow&, std::size_t) {
    return {};
}

RecordFile* Files::byName(std::string_view) {
    return nullptr;
}
Files& files() {
    static Files f;
    return f;
}
bool OpenRecordFile(RecordFile&, bool) {
    return false;
}
void CloseRecordFile(RecordFile&) {}
int UpdateWithIntegrity(RecordFile&, bool) {
    return Failed;
}
int DeleteWithIntegrity(RecordFile&) {
    return 1;
}
void SnapLinkingFields(RecordFile&) {}
std::int32_t NextNumber(RecordFile&, std::string_view, std::string_view, std::string_view) {
    return 1;
}

unsigned ShowStandardWarning(Warn, std::string_view, std::string_view) {
    return ButtonOk;
}
const SavedErrorState& savedErrorState() {
    static SavedErrorState s;
    return s;
}
void RecordErrorState() {}

bool seedDemoData(const std::string&, std::string& error) {
    error = "not implemented";
    return false;
}
bool reorganiseAddressFile() {
    return false;
}

} // namespace velkora::data
