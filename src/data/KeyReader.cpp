#include "data/KeyReader.h"


namespace velkora::data {

KeyReader::KeyReader(RecordFile& file, const KeyDef& key) : file_(file), key_(key) {
    request_.parts = keySortParts(file.table(), key);
}

void KeyReader::startAt(const std::vector<Value>& leading) {
    request_.start.clear();
    for (std::size_t i = 0; i < leading.size() && i < request_.parts.size(); ++i)
        request_.start.push_back(storedValue(file_.table(), request_.parts[i], leading[i]));
    request_.hasStart = !request_.start.empty();
    request_.inclusive = true;
    request_.startRow = 0;
    atEnd_ = false;
}

int KeyReader::read(std::size_t n, const std::function<bool()>& visit) {
    if (!file_.isOpen() || file_.backend() == nullptr)
        return RecordNotAvailable;
    std::size_t got = 0;
    bool stopped = false;
    const int code = file_.backend()->read(request_, n, file_.buffer(), [&](const RowInfo& row) {
        ++got;
        file_.setReadState(row.position, row.version);
        request_.hasStart = true;
        request_.inclusive = false;
        request_.start = row.sortValues;
        request_.startRow = row.position;
        stopped = !visit();
        return !stopped;
    });
    atEnd_ = code == NoError && !stopped && got < n;
    return code;
}

} // namespace velkora::data
