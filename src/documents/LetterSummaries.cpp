#include "documents/LetterSummaries.h"

#include "shared/Text.h"

namespace velkora::documents {

std::string addressSummary(const data::Address& adr) {
    // Without a second name line no blank stands before the comma.
    std::string summary = clip(clip(adr.NAME1) + " " + clip(adr.NAME2));
    if (!clip(adr.NAME0).empty())
        summary += ", " + clip(adr.NAME0);
    return summary + ", " + clip(adr.LD) + " " + clip(adr.PLZ) + " " + clip(adr.ORT) + ", " +
           clip(adr.STRASSE);
}

std::string contactSummary(const data::ContactPerson& tkp) {
    std::string summary;
    if (!clip(tkp.NAME0).empty())
        summary = clip(tkp.NAME0) + ", ";
    return summary + clip(clip(tkp.NAME1) + " " + clip(tkp.NAME2));
}

} // namespace velkora::documents
