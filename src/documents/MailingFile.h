#pragma once
// The mailing file: the dBase III table in mailing layout that document
// preparation, mail merge and the template engine share. One buffer serves
// the whole process, as one file name in effect does:
//
//   auto& mail = mailingFile();
//   mail.setName(mailingFilePath(kDocumentMailingName));   // MailPath/_MAIL1
//   MailingFile::create(mail.name());
//   mail.open(files::DbfTable::Access::Write);
//   mail.clear(); mail.rec.NAME1 = "Müller GmbH"; mail.add();
//   mail.close();
//
// openShared()/closeShared() count users, so a run that finds the file open
// (mail merge walking its rows) neither reopens nor closes it.

#include "documents/MailingRecord.h"

#include <string>
#include <string_view>

namespace velkora::documents {

// Names of the mailing file; MailPath + "/" + name.
inline constexpr std::string_view kDefaultMailingName = "QXAILADR";
inline constexpr std::string_view kDocumentMailingName = "_MAIL1";
std::string mailingFilePath(std::string_view name);

// The file's layout does not match the mailing layout.
inline constexpr int kInvalidRecordDeclaration = 47;

class MailingFile {
public:
    MailingRecord rec;

    // The file name in effect (without extension); MailPath/QXAILADR until set.
    std::string name() const;
    void setName(std::string fullName) { name_ = std::move(fullName); }
    void resetName() { name_.clear(); }

    static files::FileError create(const std::string& name);
    static files::FileError remove(const std::string& name);

    // Opens the file in effect; a file of another layout gives kInvalidRecordDeclaration.
    files::FileError open(files::DbfTable::Access access);
    void close();
    bool isOpen() const { return table_.isOpen(); }

    // Opens through the use count; with createIfMissing a missing file is created first.
    files::FileError openShared(files::DbfTable::Access access, bool createIfMissing);
    void closeShared();
    int openCount() const { return openCount_; }

    void clear() { rec = MailingRecord{}; }
    // Reads the next row into the buffer (kRecordNotAvailable after the last).
    files::FileError next();
    void rewind() { table_.rewind(); }
    // Appends the buffer as a new row; rows reach the file in batches, at
    // the latest with flush() or close().
    files::FileError add();
    files::FileError flush() { return table_.flush(); }
    std::uint32_t count() const { return table_.count(); }
    // The record number of the row read last (deleted rows count as passed).
    std::uint32_t position() const { return table_.position(); }

private:
    files::DbfTable table_;
    std::string name_;
    int openCount_ = 0;
};

// The one mailing file of the process.
MailingFile& mailingFile();

} // namespace velkora::documents
