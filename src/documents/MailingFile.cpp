#include "documents/MailingFile.h"

#include "shared/AppState.h"

namespace velkora::documents {

using files::DbfTable;
using files::FileError;

std::string mailingFilePath(std::string_view name) {
    return joinPath(appState().MAILPATH, std::string(name));
}

std::string MailingFile::name() const {
    return name_.empty() ? mailingFilePath(kDefaultMailingName) : name_;
}

FileError MailingFile::create(const std::string& name) {
    return DbfTable::create(name, mailingDbfFields());
}

FileError MailingFile::remove(const std::string& name) {
    return DbfTable::remove(name);
}

FileError MailingFile::open(DbfTable::Access access) {
    if (FileError error = table_.open(name(), access))
        return error;
    const auto expected = mailingDbfFields();
    const auto& actual = table_.fields();
    bool same = actual.size() == expected.size();
    for (std::size_t i = 0; same && i < actual.size(); ++i)
        same = actual[i].name == expected[i].name && actual[i].type == expected[i].type &&
               actual[i].width == expected[i].width;
    if (!same) {
        table_.close();
        return {kInvalidRecordDeclaration,
                "Invalid Record Declaration: not a mailing file (" + DbfTable::tableFileName(name()) + ")"};
    }
    return {};
}

void MailingFile::close() {
    table_.close();
    openCount_ = 0;
}

FileError MailingFile::openShared(DbfTable::Access access, bool createIfMissing) {
    if (openCount_ > 0) {
        ++openCount_;
        return {};
    }
    FileError error = open(access);
    if (error.code == files::kFileNotFound && createIfMissing) {
        error = create(name());
        if (!error)
            error = open(access);
    }
    if (!error)
        openCount_ = 1;
    return error;
}

void MailingFile::closeShared() {
    if (openCount_ > 1) {
        --openCount_;
        return;
    }
    close();
}

FileError MailingFile::next() {
    files::DbfRecord row;
    if (FileError error = table_.next(row))
        return error;
    fromDbfRecord(row, rec);
    return {};
}

FileError MailingFile::add() {
    return table_.append(toDbfRecord(rec));
}

MailingFile& mailingFile() {
    static MailingFile file;
    return file;
}

} // namespace velkora::documents
