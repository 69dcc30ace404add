#include "mail/MailRecording.h"

#include "activities/ContactRecord.h"
#include "data/FileServices.h"
#include "shared/FieldTypes.h"

namespace velkora::mail {
namespace {

// A missing address is no error here: the activity still belongs to its number.
bool writeContactDates(std::int32_t adrnr) {
    auto& adr = data::files().QXADRESS;
    adr.clear();
    adr.rec.ADRNR = adrnr;
    const int found = adr.get(*data::Address::table().key("QXADRES1"));
    if (found == data::RecordNotFound)
        return true;
    if (found == data::NoError) {
        activities::markContacted(adr.rec);
        if (adr.put() == data::NoError)
            return true;
    }
    activities::tellFailedWrite("PUT(QXADRESS)");
    return false;
}

// The activity buffer with the e-mail, numbered as the next activity.
void fillMailActivity(const MailContact& contact, const MailMessage& message) {
    auto& akt = data::files().QXADRAKT;
    activities::startNewActivity(akt);
    data::Activity& a = akt.rec;
    a.ADRNR = contact.adrnr;
    a.TKPNR = contact.tkpnr;
    a.AKTART = kMailActivityKind;
    a.AKTPRI = kNoToDoPriority;
    a.TITLE = toCStringField(message.subject, 81);
    a.DOCNAME = toCStringField(message.attachment, 255);
    a.AKTDEV = toCStringField(message.to, 40);
    a.MEMO = toCStringField(message.body, 8000);
}

} // namespace

bool recordSentMail(const MailContact& contact, const MailMessage& message) {
    const bool datesWritten = writeContactDates(contact.adrnr);
    fillMailActivity(contact, message);
    if (data::files().QXADRAKT.add() == data::NoError)
        return datesWritten;
    activities::tellFailedWrite("ADD(QXADRAKT)");
    return false;
}

} // namespace velkora::mail
