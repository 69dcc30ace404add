#include "activities/ActivityTexts.h"

#include "shared/Pictures.h"
#include "shared/Text.h"

namespace velkora::activities {

std::string addressHeading(const data::Address& a) {
    return cutChars(
        clip(a.NAME1) + " " + clip(a.NAME2) + ", " + clip(a.LD) + " " + clip(a.PLZ) + " " + clip(a.ORT), 100);
}

std::string addressLine(const data::Address& a) {
    return cutChars(addressHeading(a) + ", " + clip(a.STRASSE), 120);
}

std::string contactLine(const data::ContactPerson& c, const std::vector<std::string>& contactKinds) {
    std::string text = clip(c.NAME1) + " " + clip(c.NAME2);
    if (c.KTART != 0 && c.KTART <= contactKinds.size())
        text += ", " + clip(contactKinds[c.KTART - 1u]);
    return cutChars(text + " " + clip(c.ABTPOS), 80);
}

std::string remarkOnOneLine(const std::string& remark) {
    return cutChars(replaceAll(remark, "\r\n", " "), 200);
}

std::string dateAndTime(std::int32_t date, std::int32_t time) {
    return cutChars(formatDate("@d17B", date) + " " + formatTime("@T01B", time), 16);
}

Lamp priorityLamp(int priority) {
    switch (priority) {
    case 1:
        return RedLamp;
    case 2:
        return OrangeLamp;
    case 3:
        return YellowLamp;
    default:
        return LampOff;
    }
}

std::optional<std::vector<std::string>>
activityLocatorValues(const std::string& field, const std::string& text, const ValueList& kinds) {
    if (field == "AKT:DATUM") {
        const auto day = parseDate(text);
        if (!day)
            return std::nullopt;
        return std::vector<std::string>{std::to_string(*day), "0"};
    }
    if (field == "AKT:AKTART")
        return std::vector<std::string>{std::to_string(entryStartingWith(kinds, text))};
    if (field == "AKT:TITLE")
        return std::vector<std::string>{cutChars(text, 80)};
    if (field == "AKT:BEMERK")
        return std::vector<std::string>{text};
    return std::vector<std::string>{text};
}

} // namespace velkora::activities
