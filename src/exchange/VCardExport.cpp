#include "exchange/VCardExport.h"

#include "exchange/VCard.h"
#include "shared/Text.h"

namespace velkora::exchange {
namespace {

VCardContact addressCard(const data::Address& a) {
    VCardContact c;
    c.fullName = clip(a.NAME1);
    c.org = clip(a.NAME1);
    c.orgUnit = clip(a.NAME2);
    c.street = clip(a.STRASSE);
    c.postalCode = clip(a.PLZ);
    c.locality = clip(a.ORT);
    c.country = clip(a.LAND);
    c.url = clip(a.URL);
    c.note = clip(a.BEMERK);
    return c;
}

VCardContact contactCard(const data::ContactPerson& t, const data::Address& a) {
    VCardContact c;
    c.org = clip(a.NAME1);
    c.family = clip(t.NAME1);
    c.given = clip(t.NAME2);
    c.prefix = clip(t.NAME0);
    c.title = clip(t.ABTPOS);
    c.tel = clip(t.TEL);
    c.fax = clip(t.FAX);
    c.email = clip(t.EMAIL);
    return c;
}

void appendCards(std::string& out, data::File<data::Address>& adr, data::File<data::ContactPerson>& tkp) {
    out += vcard4(addressCard(adr.rec));
    tkp.clear();
    tkp.rec.ADRNR = adr.rec.ADRNR;
    const data::KeyDef& key = *data::ContactPerson::table().key("QXADRTK1");
    tkp.setPrefix(key, 1);
    while (tkp.next() == data::NoError && tkp.rec.ADRNR == adr.rec.ADRNR)
        out += vcard4(contactCard(tkp.rec, adr.rec));
}

} // namespace

std::string exportVCards(data::File<data::Address>& adr, data::File<data::ContactPerson>& tkp,
                         const std::vector<std::int32_t>& numbers) {
    std::string out;
    const data::KeyDef& key = *data::Address::table().key("QXADRES1");
    if (numbers.empty()) {
        adr.set(key);
        while (adr.next() == data::NoError)
            appendCards(out, adr, tkp);
        return out;
    }
    for (const std::int32_t number : numbers) {
        adr.clear();
        adr.rec.ADRNR = number;
        if (adr.get(key) == data::NoError)
            appendCards(out, adr, tkp);
    }
    return out;
}

} // namespace velkora::exchange
