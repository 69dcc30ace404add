#include "documents/MailingFiller.h"

#include "data/RecordFile.h"
#include "documents/FileErrorMessage.h"
#include "documents/MailingFile.h"
#include "documents/MailingRows.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

namespace velkora::documents {
namespace {

using files::FileError;

// The configured text of an address or contact kind; kind 0 ("none chosen")
// has none, as the key numbered 0 holds the preselection, not a text.
std::string kindText(std::string_view section, std::string_view keyStem, int kind,
                     std::string_view fallback1) {
    if (kind <= 0)
        return {};
    return profile::read(appState().WORKINI, section, std::string(keyStem) + std::to_string(kind),
                         kind == 1 ? fallback1 : std::string_view());
}

struct Failure {
    FileError error;
    const char* caption;
};

// Close, delete, create; a missing file is no failure.
std::optional<Failure> recreate(MailingFile& mailing) {
    mailing.close();
    const std::string name = mailing.name();
    if (FileError error = MailingFile::remove(name); error && error.code != files::kFileNotFound)
        return Failure{error, "REMOVE(QXAILADR):2"};
    if (FileError error = MailingFile::create(name))
        return Failure{error, "CREATE(QXAILADR):2"};
    return std::nullopt;
}

// The contact person by address and contact number, read through a file of
// its own so the contact windows keep their buffer.
std::optional<data::ContactPerson> readContact(std::int32_t adrnr, std::int32_t tkpnr) {
    data::File<data::ContactPerson> tkp;
    if (tkp.open() != data::NoError)
        return std::nullopt;
    tkp.rec.ADRNR = adrnr;
    tkp.rec.TKPNR = tkpnr;
    const data::KeyDef* key = data::ContactPerson::table().key("QXADRTK1");
    const bool found = key && tkp.get(*key) == data::NoError;
    tkp.close();
    return found ? std::optional(tkp.rec) : std::nullopt;
}

} // namespace

bool FillMailingFileWithRow(const MailingRecord& row) {
    MailingFile& mailing = mailingFile();
    if (auto failure = recreate(mailing)) {
        if ((failure = recreate(mailing))) {
            showFileError(failure->error, failure->caption);
            return false;
        }
    }
    if (FileError error = mailing.open(files::DbfTable::Access::Write)) {
        showFileError(error, "OPEN(QXAILADR)");
        return false;
    }
    mailing.rec = row;
    FileError error = mailing.add();
    if (!error)
        error = mailing.flush();
    mailing.close();
    if (error) {
        showFileError(error, "ADD(QXAILADR)");
        return false;
    }
    return true;
}

bool FillMailingFileForAddress(const data::Address& address, std::optional<std::int32_t> contactNumber,
                               std::string_view docTitle) {
    MailingRecord row;
    fillAddressFields(address, kindText("ADRART", "AdrArt", address.ADRART, {}), docTitle, row);
    row.BEMERKUNG = address.BEMERK;
    if (contactNumber) {
        if (const auto contact = readContact(address.ADRNR, *contactNumber)) {
            if (!clip(contact->BRANR).empty())
                row.BRANR = contact->BRANR;
            fillContactFields(*contact, kindText("ADRTKP", "AdrKArt", contact->KTART, "Personal"), row);
            row.BEMERKUNG = contact->BEMERK;
        }
    }
    return FillMailingFileWithRow(row);
}

} // namespace velkora::documents
