#pragma once
// The one way a contact person is written to QXADRTKP, for the contact
// list and for the contact tab of the address form: the fields the contact
// form edits go onto the record with the phone index of the telephone, and a
// new contact takes the next free number of its address.
//
// The contact list writes at once and tells the user about failures with
// the standard warnings (addContact, changeContact, deleteContact); the
// address form writes its rows when the address is saved (ContactRows)
// and reports failures itself.

#include "data/FileServices.h"

#include <cstdint>

namespace velkora::addresses {

// Adds `edited` as a contact of address `adrnr` under the next free number
// of that address; returns the record error (NoError when stored, the
// buffer then holding it).
int addNumberedContact(data::File<data::ContactPerson>& tkp, const data::ContactPerson& edited,
                       std::int32_t adrnr);

// Writes `edited` over the stored contact in the buffer. The record keeps
// its numbers and what the form does not show (AUXID, NOFAX, NOMAIL).
// Returns the record error.
int putEditedContact(data::File<data::ContactPerson>& tkp, const data::ContactPerson& edited);

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
