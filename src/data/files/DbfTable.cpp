#include "data/files/DbfTable.h"

#include "data/files/CodePage.h"
#include "shared/Clock.h"
#include "shared/Text.h"

#include <algorithm>
#include <array>

namespace velkora::files {
namespace {

constexpr unsigned char kVersionPlain = 0x03;
constexpr unsigned char kVersionMemo = 0x83;
constexpr unsigned char kHeaderEnd = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr unsigned char kLanguageCp850 = 0x02;
constexpr std::size_t kFileHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr std::size_t kMemoFieldWidth = 10;
// A memo longer than this is cut on reading: dBase III memos stay far below,
// so more can only come from a damaged file.
constexpr std::size_t kMemoReadLimit = 1u << 20;

std::uint32_t le16(const unsigned char* p) {
    return p[0] | (std::uint32_t(p[1]) << 8);
}
std::uint32_t le32(const unsigned char* p) {
    return p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
void putLe16(std::string& s, std::size_t at, std::uint32_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
std::string le32Bytes(std::uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

// Year (since 1900), month and day of the last change, as the header keeps them.
std::string updateDate() {
    const CivilDate date = localNow().date;
    return {static_cast<char>(std::clamp(date.year - 1900, 0, 255)), static_cast<char>(date.month),
            static_cast<char>(date.day)};
}

FileError invalid(const std::string& file, const std::string& why) {
    return {kInvalidDataFile, "Invalid Data File: " + why + " (" + file + ")"};
}
FileError invalidMemo(const std::string& file, const std::string& why) {
    return {kInvalidMemoFile, "Invalid Memo File: " + why + " (" + file + ")"};
}

bool validType(char type) {
    return type == 'C' || type == 'N' || type == 'D' || type == 'L' || type == 'M';
}

// Appends the field's bytes on disk: OEM text, numbers to the right, the rest to the left.
void appendFieldBytes(std::string& out, const DbfField& field, std::string_view value) {
    const auto width = static_cast<std::size_t>(field.width);
    if (field.type == DbfType::Numeric) {
        // A number too wide for its field is marked with asterisks, as dBase
        // does, rather than stored with digits cut off.
        const std::string bytes = trim(utf8ToOem(value));
        out +=
            bytes.size() <= width ? std::string(width - bytes.size(), ' ') + bytes : std::string(width, '*');
        return;
    }
    const std::size_t start = out.size();
    appendFromUtf8(CodePage::Oem850, value, out);
    out.resize(start + width, ' ');
}

std::uint32_t parseBlockNumber(std::string_view digits, bool& ok) {
    ok = true;
    std::uint64_t block = 0;
    for (const char c : digits) {
        if (c == ' ' || c == '\0')
            continue;
        if (c < '0' || c > '9' || block > 0xFFFFFFFFull / 10) {
            ok = false;
            return 0;
        }
        block = block * 10 + static_cast<unsigned>(c - '0');
    }
    if (block > 0xFFFFFFFFull)
        ok = false;
    return static_cast<std::uint32_t>(block);
}

bool endsWithIgnoreCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && equalsIgnoreCase(text.substr(text.size() - suffix.size()), suffix);
}

} // namespace

std::string DbfTable::tableFileName(const std::string& name) {
    return endsWithIgnoreCase(name, ".dbf") ? name : name + ".DBF";
}

std::string DbfTable::memoFileName(const std::string& tableFile) {
    // LibreOffice looks for the memo file under the lower-case extension only.
    return tableFile.substr(0, tableFile.size() - 4) + ".dbt";
}

namespace {
// Memo files written by other programs may carry the upper-case extension.
std::string upperCaseMemoName(const std::string& memoFile) {
    return memoFile.substr(0, memoFile.size() - 4) + ".DBT";
}
} // namespace

FileError DbfTable::create(const std::string& name, const std::vector<DbfField>& fields) {
    const std::string file = tableFileName(name);
    if (fields.empty() || fields.size() > 255)
        return invalid(file, "a table needs 1 to 255 fields");
    std::string header(kFileHeaderSize, '\0');
    std::uint32_t recordLength = 1;
    bool hasMemo = false;
    for (const DbfField& field : fields) {
        const bool memo = field.type == DbfType::Memo;
        if (field.name.empty() || field.name.size() > 10 || field.width < 1 || field.width > 254 ||
            (memo && field.width != static_cast<int>(kMemoFieldWidth)) ||
            !validType(static_cast<char>(field.type)))
            return invalid(file, "field " + field.name + " cannot be stored");
        hasMemo = hasMemo || memo;
        std::string descriptor(kDescriptorSize, '\0');
        const std::string upper = upperText(field.name);
        std::copy(upper.begin(), upper.end(), descriptor.begin());
        descriptor[11] = static_cast<char>(field.type);
        descriptor[16] = static_cast<char>(field.width);
        descriptor[17] = static_cast<char>(field.decimals);
        header += descriptor;
        recordLength += static_cast<std::uint32_t>(field.width);
    }
    header += static_cast<char>(kHeaderEnd);
    header[0] = static_cast<char>(hasMemo ? kVersionMemo : kVersionPlain);
    header.replace(1, 3, updateDate());
    putLe16(header, 8, static_cast<std::uint32_t>(header.size()));
    putLe16(header, 10, recordLength);
    header[29] = static_cast<char>(kLanguageCp850);
    header += kEndOfFile;

    FileHandle table;
    if (FileError error = table.open(file, FileHandle::Mode::CreateTruncate))
        return error;
    if (FileError error = table.writeAt(0, header))
        return error;
    const std::string memoFile = memoFileName(file);
    if (!hasMemo) {
        // A memo file of an earlier layout would only mislead.
        removeFile(memoFile);
        removeFile(upperCaseMemoName(memoFile));
        return {};
    }
    // Block 0 holds the next free block; the version byte at 16 is what dBase III writes.
    std::string block0(kMemoBlockSize, '\0');
    block0.replace(0, 4, le32Bytes(1));
    block0[16] = 0x03;
    FileHandle memo;
    if (FileError error = memo.open(memoFile, FileHandle::Mode::CreateTruncate))
        return error;
    return memo.writeAt(0, block0);
}

FileError DbfTable::remove(const std::string& name) {
    const std::string file = tableFileName(name);
    FileError error = removeFile(file);
    const std::string memoFile = memoFileName(file);
    for (const std::string& memo : {memoFile, upperCaseMemoName(memoFile)}) {
        const FileError memoError = removeFile(memo);
        if (!error && memoError && memoError.code != kFileNotFound)
            error = memoError;
    }
    return error;
}

int DbfTable::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (equalsIgnoreCase(fields_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

FileError DbfTable::notOpen() const {
    return {kFileNotOpen, "File Not Open"};
}

FileError DbfTable::notWritable() const {
    return {kAccessDenied, "Access Denied: opened for reading (" + fileName_ + ")"};
}

FileError DbfTable::open(const std::string& name, Access access) {
    close();
    const std::string file = tableFileName(name);
    const auto mode = access == Access::Write ? FileHandle::Mode::ReadWrite : FileHandle::Mode::Read;
    FileError error = table_.open(file, mode);
    if (!error && access == Access::Write)
        error = table_.denyWriters();
    std::uint64_t size = 0;
    if (!error)
        error = table_.size(size);
    if (!error) {
        fileName_ = file;
        error = readHeader(size);
    }
    const bool hasMemo = std::any_of(fields_.begin(), fields_.end(),
                                     [](const DbfField& f) { return f.type == DbfType::Memo; });
    if (!error && hasMemo) {
        std::string memoFile = memoFileName(file);
        error = memo_.open(memoFile, mode);
        if (error.code == kFileNotFound && !memo_.open(upperCaseMemoName(memoFile), mode))
            error = {};
        std::uint64_t memoSize = 0;
        if (!error)
            error = memo_.size(memoSize);
        memoBlocks_ = memoSize / kMemoBlockSize;
        if (!error && memoBlocks_ == 0)
            error = invalidMemo(memoFile, "no header block");
    }
    if (error) {
        close();
        return error;
    }
    writable_ = access == Access::Write;
    return {};
}

FileError DbfTable::readHeader(std::uint64_t fileSize) {
    std::array<unsigned char, kFileHeaderSize> head{};
    std::size_t got = 0;
    if (FileError error = table_.readAt(0, reinterpret_cast<char*>(head.data()), head.size(), got))
        return error;
    if (got < head.size())
        return invalid(fileName_, "header too short");
    if (head[0] != kVersionPlain && head[0] != kVersionMemo)
        return invalid(fileName_, "not a dBase III table");
    count_ = written_ = le32(&head[4]);
    headerLength_ = le16(&head[8]);
    recordLength_ = le16(&head[10]);
    if (headerLength_ < kFileHeaderSize + kDescriptorSize + 1 || headerLength_ > fileSize)
        return invalid(fileName_, "header length out of range");
    if (recordLength_ < 2)
        return invalid(fileName_, "record length out of range");

    std::string descriptors(headerLength_ - kFileHeaderSize, '\0');
    if (FileError error = table_.readAt(kFileHeaderSize, descriptors.data(), descriptors.size(), got))
        return error;
    std::uint32_t used = 1;
    bool terminated = false;
    for (std::size_t at = 0; at < descriptors.size(); at += kDescriptorSize) {
        if (static_cast<unsigned char>(descriptors[at]) == kHeaderEnd) {
            terminated = true;
            break;
        }
        if (at + kDescriptorSize > descriptors.size())
            break;
        const auto* d = reinterpret_cast<const unsigned char*>(descriptors.data() + at);
        DbfField field;
        field.name = std::string(descriptors.data() + at, std::find(d, d + 11, 0) - d);
        const char type = static_cast<char>(d[11]);
        field.width = d[16];
        field.decimals = d[17];
        if (!validType(type) || field.width == 0 || field.name.empty())
            return invalid(fileName_,
                           "field descriptor " + std::to_string(fields_.size() + 1) + " is invalid");
        field.type = static_cast<DbfType>(type);
        if (field.type == DbfType::Memo && field.width != static_cast<int>(kMemoFieldWidth))
            return invalid(fileName_, "memo field " + field.name + " is not 10 wide");
        offsets_.push_back(used);
        used += static_cast<std::uint32_t>(field.width);
        fields_.push_back(std::move(field));
    }
    if (!terminated || fields_.empty())
        return invalid(fileName_, "field descriptors are not terminated");
    if (used > recordLength_)
        return invalid(fileName_, "field lengths overflow the record");
    if (headerLength_ + std::uint64_t(count_) * recordLength_ > fileSize)
        return invalid(fileName_, "record count larger than the file");
    return {};
}

void DbfTable::close() {
    if (writable_ && isOpen())
        flush();
    pending_.clear();
    written_ = 0;
    table_.close();
    memo_.close();
    fields_.clear();
    offsets_.clear();
    count_ = headerLength_ = recordLength_ = position_ = 0;
    memoBlocks_ = 0;
    writable_ = false;
}

FileError DbfTable::read(std::uint32_t recno, DbfRecord& record) {
    if (!isOpen())
        return notOpen();
    if (FileError error = flush())
        return error;
    if (recno == 0 || recno > count_)
        return {kRecordNotAvailable, "Record Not Available"};
    std::string raw(recordLength_, ' ');
    std::size_t got = 0;
    const std::uint64_t at = headerLength_ + std::uint64_t(recno - 1) * recordLength_;
    if (FileError error = table_.readAt(at, raw.data(), raw.size(), got))
        return error;
    if (got < raw.size())
        return invalid(fileName_, "record " + std::to_string(recno) + " is cut short");
    record.deleted = raw[0] == '*';
    record.values.assign(fields_.size(), {});
    record.memoBlocks.assign(fields_.size(), 0);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const std::string_view bytes(raw.data() + offsets_[i], static_cast<std::size_t>(fields_[i].width));
        if (fields_[i].type != DbfType::Memo) {
            record.values[i] = oemToUtf8(bytes);
            continue;
        }
        bool ok = false;
        const std::uint32_t block = parseBlockNumber(bytes, ok);
        if (!ok)
            return invalidMemo(fileName_,
                               "record " + std::to_string(recno) + " has no valid memo block number");
        record.memoBlocks[i] = block;
        if (block != 0)
            if (FileError error = readMemo(block, record.values[i]))
                return error;
    }
    position_ = recno;
    return {};
}

FileError DbfTable::next(DbfRecord& record) {
    if (!isOpen())
        return notOpen();
    while (position_ < count_) {
        if (FileError error = read(position_ + 1, record)) {
            ++position_; // a damaged record must not stop a reader forever
            return error;
        }
        if (!record.deleted)
            return {};
    }
    return {kRecordNotAvailable, "Record Not Available"};
}

FileError DbfTable::readMemo(std::uint32_t block, std::string& text) {
    if (block >= memoBlocks_)
        return invalidMemo(memoFileName(fileName_), "memo block " + std::to_string(block) + " past the end");
    std::string oem;
    std::array<char, kMemoBlockSize> chunk{};
    for (std::uint64_t at = std::uint64_t(block) * kMemoBlockSize; oem.size() < kMemoReadLimit;
         at += kMemoBlockSize) {
        std::size_t got = 0;
        if (FileError error = memo_.readAt(at, chunk.data(), chunk.size(), got))
            return error;
        const auto end = std::find(chunk.begin(), chunk.begin() + got, kEndOfFile);
        oem.append(chunk.begin(), end);
        if (end != chunk.begin() + got || got < chunk.size())
            break;
    }
    if (oem.size() > kMemoReadLimit)
        oem.resize(kMemoReadLimit);
    text = oemToUtf8(oem);
    return {};
}

FileError DbfTable::writeMemo(std::string_view text, std::uint32_t& block) {
    std::string oem = utf8ToOem(text);
    std::erase(oem, kEndOfFile); // it would end the memo early
    block = 0;
    if (oem.empty())
        return {};
    std::array<unsigned char, 4> head{};
    std::size_t got = 0;
    if (FileError error = memo_.readAt(0, reinterpret_cast<char*>(head.data()), head.size(), got))
        return error;
    const std::uint32_t next = le32(head.data());
    if (got < head.size() || next == 0)
        return invalidMemo(memoFileName(fileName_), "next free block is not set");
    oem.append(2, kEndOfFile);
    const std::uint64_t blocks = (oem.size() + kMemoBlockSize - 1) / kMemoBlockSize;
    if (next + blocks > 0xFFFFFFFFull)
        return invalidMemo(memoFileName(fileName_), "memo file is full");
    oem.resize(blocks * kMemoBlockSize, '\0');
    if (FileError error = memo_.writeAt(std::uint64_t(next) * kMemoBlockSize, oem))
        return error;
    const auto newNext = static_cast<std::uint32_t>(next + blocks);
    if (FileError error = memo_.writeAt(0, le32Bytes(newNext)))
        return error;
    memoBlocks_ = std::max<std::uint64_t>(memoBlocks_, newNext);
    block = next;
    return {};
}

FileError DbfTable::append(const DbfRecord& record) {
    if (!isOpen())
        return notOpen();
    if (!writable_)
        return notWritable();
    if (count_ == 0xFFFFFFFFu)
        return invalid(fileName_, "table is full");
    const std::size_t start = pending_.size();
    pending_ += ' ';
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const std::string_view value = i < record.values.size() ? std::string_view(record.values[i]) : "";
        if (fields_[i].type != DbfType::Memo) {
            appendFieldBytes(pending_, fields_[i], value);
            continue;
        }
        std::uint32_t block = 0;
        if (FileError error = writeMemo(value, block)) {
            pending_.resize(start);
            return error;
        }
        // The block number stands to the right, blank when there is no memo.
        const std::string digits = block == 0 ? std::string() : std::to_string(block);
        pending_ += std::string(kMemoFieldWidth - digits.size(), ' ') + digits;
    }
    pending_.resize(start + recordLength_, ' ');
    position_ = ++count_;
    return pending_.size() >= kPendingBytes ? flush() : FileError{};
}

FileError DbfTable::flush() {
    if (pending_.empty())
        return {};
    pending_ += kEndOfFile;
    const std::uint64_t at = headerLength_ + std::uint64_t(written_) * recordLength_;
    FileError error = table_.writeAt(at, pending_);
    pending_.clear();
    if (!error)
        error = table_.writeAt(1, updateDate() + le32Bytes(count_));
    if (error) {
        // What did not reach the file is not in the table.
        count_ = written_;
        position_ = std::min(position_, count_);
        return error;
    }
    written_ = count_;
    return {};
}

FileError DbfTable::recordWritable(std::uint32_t recno) {
    if (!isOpen())
        return notOpen();
    if (!writable_)
        return notWritable();
    if (recno == 0 || recno > count_)
        return {kRecordNotAvailable, "Record Not Available"};
    // A record still waiting to be appended would be written over the change.
    return flush();
}

FileError DbfTable::markDeleted(std::uint32_t recno) {
    if (FileError error = recordWritable(recno))
        return error;
    const std::uint64_t at = headerLength_ + std::uint64_t(recno - 1) * recordLength_;
    if (FileError error = table_.writeAt(at, "*"))
        return error;
    return table_.writeAt(1, updateDate());
}

FileError DbfTable::writeField(std::uint32_t recno, int field, std::string_view value) {
    if (FileError error = recordWritable(recno))
        return error;
    if (field < 0 || static_cast<std::size_t>(field) >= fields_.size() ||
        fields_[static_cast<std::size_t>(field)].type == DbfType::Memo)
        return {kRecordNotAvailable, "Record Not Available: no such field"};
    const auto f = static_cast<std::size_t>(field);
    const std::uint64_t at = headerLength_ + std::uint64_t(recno - 1) * recordLength_ + offsets_[f];
    std::string bytes;
    appendFieldBytes(bytes, fields_[f], value);
    return table_.writeAt(at, bytes);
}

} // namespace velkora::files
