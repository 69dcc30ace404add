#include "documents/MailingRows.h"

#include "shared/Pictures.h"

namespace velkora::documents {

void fillAddressFields(const data::Address& adr, std::string_view addressTypeText, std::string_view docTitle,
                       MailingRecord& m) {
    m.AUSER = adr.AUSER;
    m.ADATUM = std::to_string(adr.ADATUM);
    m.AUHR = adr.AUHR;
    m.STATUS = std::to_string(adr.STATUS);
    m.KLASSE = std::to_string(adr.KLASSE);
    m.ADRART = addressTypeText;
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
    m.MEMO = adr.MEMO;
    m.DOCTITLE = docTitle;
}

void fillContactFields(const data::ContactPerson& tkp, std::string_view contactTypeText, MailingRecord& m) {
    m.KTART = contactTypeText;
    m.KNAME0 = tkp.NAME0;
    m.KNAME1 = tkp.NAME1;
    m.KNAME2 = tkp.NAME2;
    m.ABTPOS = tkp.ABTPOS;
    m.TEL = tkp.TEL;
    m.FAX = tkp.FAX;
    m.EMAIL = tkp.EMAIL;
    m.KZUSATZ = tkp.ZUSATZ;
}

} // namespace velkora::documents
