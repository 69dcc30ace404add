#pragma once
// How the contact list stores what the contact form returned, and deletes
// a contact person. The form edits only TkpExchange; these write QXADRTKP
// and tell the user about failures with the standard warnings.

#include "data/FileServices.h"

namespace velkora::addresses {

// Adds the contact of `exchange` under the next free number of its address.
// A failed add shows InsertError; confirmed, the number is drawn afresh (a
// second station may have taken it meanwhile) and the add tried once more;
// a second failure sounds two beeps. True when the contact is stored; the
// buffer then holds it.
bool addContact(data::File<data::ContactPerson>& tkp, const data::ContactPerson& exchange);

// Writes `exchange` over the stored contact with its ADRNR and TKPNR.
// A contact that has gone shows RecordFetchError and writes nothing; a
// failed write shows UpdateError and is tried again while the user says Yes.
bool changeContact(data::File<data::ContactPerson>& tkp, const data::ContactPerson& exchange);

// Deletes the contact in the buffer once the user confirms StandardDelete.
bool deleteContact(data::File<data::ContactPerson>& tkp);

} // namespace velkora::addresses
