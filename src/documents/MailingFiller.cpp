#include "documents/MailingFiller.h"

#include "data/RecordFile.h"
#include "documents/FileErrorMessage.h"
#include "documents/MailingFile.h"
#include "shared/AppState.h"
#include "shared/Pictures.h"
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

void copyAddress(const data::Address& adr, std::string_view docTitle, MailingRecord& m) {
    m.AUSER = adr.AUSER;
    m.ADATUM = std::to_string(adr.ADATUM);
    m.AUHR = adr.AUHR;
    m.STATUS = std::to_string(adr.STATUS);
    m.KLASSE = std::to_string(adr.KLASSE);
    m.ADRART = kindText("ADRART", "AdrArt", adr.ADRART, {});
    m.ADRNR = std::to_string(adr.ADRNR);
    m.NAME0 = adr.NAME0;
    m.NAME1 = adr.NAME1;
    m.NAME2 = adr.NAME2;
    m.BRANR = adr.BRANR;
    m.ZUSATZ = adr.ZUSATZ;
    m.URL = adr.URL;
    m.LD = adr.LD;
    m.LAND = adr.LAND;
    m.PLZ = adr.PLZ;
    m.POSTFACH = adr.POSTFACH;
    m.POSTFPLZ = adr.POSTFPLZ;
    m.ORT = adr.ORT;
    m.STRASSE = adr.STRASSE;
    m.ALARM = adr.ALARM;
    m.BRANCHE = adr.BRANCHE;
    m.MERKM = adr.MERKM;
    m.USTID = adr.USTID;
    m.EKONT = formatDate("D17B", adr.EKONT);
    m.LKONT = formatDate("D17B", adr.LKONT);
    m.ANZDRUCK = std::to_string(adr.ANZDRUCK);
    m.BLZ = adr.BLZ;
    m.BANK = adr.BANK;
    m.KTONR = adr.KTONR;
    m.ADRGRP = adr.ADRGRP;
    m.BEMERKUNG = adr.BEMERK;
    m.MEMO = adr.MEMO;
    m.DOCTITLE = std::string(docTitle);
}

void copyContact(const data::ContactPerson& tkp, MailingRecord& m) {
    if (!clip(tkp.BRANR).empty())
        m.BRANR = tkp.BRANR;
    m.KNAME0 = tkp.NAME0;
    m.KNAME1 = tkp.NAME1;
    m.KNAME2 = tkp.NAME2;
    m.KTART = kindText("ADRTKP", "AdrKArt", tkp.KTART, "Personal");
    m.ABTPOS = tkp.ABTPOS;
    m.TEL = tkp.TEL;
    m.FAX = tkp.FAX;
    m.EMAIL = tkp.EMAIL;
    m.KZUSATZ = tkp.ZUSATZ;
    m.BEMERKUNG = tkp.BEMERK;
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

bool FillMailingFileForAddress(const data::Address& address, std::optional<std::int32_t> contactNumber,
                               std::string_view docTitle) {
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
    mailing.clear();
    copyAddress(address, docTitle, mailing.rec);
    if (contactNumber)
        if (const auto contact = readContact(address.ADRNR, *contactNumber))
            copyContact(*contact, mailing.rec);
    const FileError error = mailing.add();
    mailing.close();
    if (error) {
        showFileError(error, "ADD(QXAILADR)");
        return false;
    }
    return true;
}

} // namespace velkora::documents
