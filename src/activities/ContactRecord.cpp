#include "activities/ContactRecord.h"

#include "data/Errors.h"
#include "data/FileServices.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"
#include "shared/Prompter.h"

namespace velkora::activities {

void markContacted(data::Address& address) {
    if (address.EKONT == 0)
        address.EKONT = today();
    address.LKONT = today();
}

void startNewActivity(data::File<data::Activity>& akt) {
    const std::int32_t aktid = data::NextNumber(akt, "AKT:QXADRAK6", "AKT:AKTID", "");
    akt.clear();
    data::Activity& a = akt.rec;
    a.AKTID = aktid;
    a.ADATUM = today();
    a.DATUM = a.ADATUM;
    a.UHR = clockNow();
    a.AUHR = formatTime("@T01", a.UHR);
}

void tellFailedWrite(std::string_view caption, const std::string& detail) {
    ask("[" + std::to_string(data::errorCode()) + "] " + data::errorText() + detail, caption,
        Icon::Exclamation);
}

} // namespace velkora::activities
