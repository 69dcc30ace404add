#include "addresses/ContactWrites.h"

#include "addresses/PhoneIndex.h"
#include "data/StandardWarnings.h"
#include "shared/Prompter.h"

#include <string>

namespace velkora::addresses {
namespace {

// The fields the form hands back, and the phone index of the telephone.
void takeEdited(const data::ContactPerson& x, data::ContactPerson& r) {
    r.AUSER = x.AUSER;
    r.ADATUM = x.ADATUM;
    r.AUHR = x.AUHR;
    r.KTART = x.KTART;
    r.STATUS = x.STATUS;
    r.NAME0 = x.NAME0;
    r.NAME1 = x.NAME1;
    r.NAME2 = x.NAME2;
    r.ABTPOS = x.ABTPOS;
    r.EMAIL = x.EMAIL;
    r.BRANR = x.BRANR;
    r.ZUSATZ = x.ZUSATZ;
    r.MERKM = x.MERKM;
    r.BDD = x.BDD;
    r.BMM = x.BMM;
    r.BYY = x.BYY;
    r.ALARM = x.ALARM;
    r.BEMERK = x.BEMERK;
    r.MEMO = x.MEMO;
    r.TEL = x.TEL;
    r.FAX = x.FAX;
    r.TFX = TFX4TelFax(r.TEL);
}

bool added(data::File<data::ContactPerson>& tkp, const data::ContactPerson& exchange) {
    if (addNumberedContact(tkp, exchange, exchange.ADRNR) == data::NoError)
        return true;
    data::RecordErrorState();
    return false;
}

// Reads the stored contact with the exchange's numbers into the buffer.
bool fetchStored(data::File<data::ContactPerson>& tkp, const data::ContactPerson& exchange) {
    tkp.clear();
    tkp.rec.ADRNR = exchange.ADRNR;
    tkp.rec.TKPNR = exchange.TKPNR;
    if (tkp.get(*data::ContactPerson::table().key("QXADRTK1")) == data::NoError)
        return true;
    data::RecordErrorState();
    data::ShowStandardWarning(data::Warn::RecordFetchError, tkp.table().name);
    return false;
}

} // namespace

int addNumberedContact(data::File<data::ContactPerson>& tkp, const data::ContactPerson& edited,
                       std::int32_t adrnr) {
    tkp.clear();
    tkp.rec.ADRNR = adrnr;
    takeEdited(edited, tkp.rec);
    tkp.rec.TKPNR =
        data::NextNumber(tkp, "TKP:QXADRTK1", "TKP:TKPNR", "TKP:ADRNR = " + std::to_string(adrnr));
    return tkp.add();
}

int putEditedContact(data::File<data::ContactPerson>& tkp, const data::ContactPerson& edited) {
    takeEdited(edited, tkp.rec);
    return tkp.put();
}

bool addContact(data::File<data::ContactPerson>& tkp, const data::ContactPerson& exchange) {
    if (added(tkp, exchange))
        return true;
    if (data::ShowStandardWarning(data::Warn::InsertError, tkp.table().name) != ButtonOk)
        return false;
    if (added(tkp, exchange))
        return true;
    beep(2);
    return false;
}

bool changeContact(data::File<data::ContactPerson>& tkp, const data::ContactPerson& exchange) {
    if (!fetchStored(tkp, exchange))
        return false;
    for (;;) {
        if (putEditedContact(tkp, exchange) == data::NoError)
            return true;
        data::RecordErrorState();
        beep();
        if (data::ShowStandardWarning(data::Warn::UpdateError, tkp.table().name) != ButtonYes)
            return false;
        // Written again over the record as it is stored now.
        if (!fetchStored(tkp, exchange))
            return false;
    }
}

bool deleteContact(data::File<data::ContactPerson>& tkp) {
    if (data::ShowStandardWarning(data::Warn::StandardDelete) != ButtonOk)
        return false;
    return data::DeleteWithIntegrity(tkp) == 0;
}

} // namespace velkora::addresses
