#pragma once
// What recording a contact (a letter, an e-mail, a mail-merge letter) writes
// the same way wherever it comes from: the contact dates on the address and
// a new activity stamped with today and now. The callers fill in what the
// contact was and report failed writes as their part of the program does.

#include "data/RecordFile.h"
#include "data/Tables.h"

#include <string>
#include <string_view>

namespace velkora::activities {

// The first contact date when the address has none, and today as the last.
void markContacted(data::Address& address);

// Clears the activity buffer of `akt` and stamps it as a new activity: the
// next activity number, today as its date and date of change, the clock time.
void startNewActivity(data::File<data::Activity>& akt);

// "[" code "] " text of the last failed operation and `detail` after it,
// captioned with the operation ("PUT(QXADRESS)", "ADD(QXADRAKT)").
void tellFailedWrite(std::string_view caption, const std::string& detail = {});

} // namespace velkora::activities
