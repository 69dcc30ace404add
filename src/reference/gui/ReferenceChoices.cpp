#include "reference/gui/ReferenceChoices.h"

#include "reference/Countries.h"
#include "reference/gui/PlaceLists.h"
#include "ui/browse/ViewSource.h"

namespace velkora::reference {

std::optional<data::Country> chooseCountry(QWidget* over, const std::string& start) {
    LdListWin list;
    if (list.filesOpen())
        if (const data::RecordPosition found = countryPosition(start))
            list.showRecord(browse::ViewSource::positionText(found));
    list.runSelection(over);
    return list.chosen();
}

std::optional<PostalPick> choosePlace(QWidget* over, bool withStreets) {
    OrtListWin list(withStreets);
    if (list.filesOpen())
        list.startFromAddress();
    list.runSelection(over);
    return list.chosen();
}

form::FieldLookup countryLookup(const char* button, const char* display) {
    auto value = [](const data::Country& c) { return form::LookupValue{c.LD, c.LAND}; };
    form::FieldLookup lookup;
    lookup.button = button;
    lookup.display = display;
    lookup.find = [value](const std::string& typed) -> std::optional<form::LookupValue> {
        const auto found = findCountry(typed);
        return found ? std::optional(value(*found)) : std::nullopt;
    };
    lookup.choose = [value](QWidget* over, const std::string& typed) -> std::optional<form::LookupValue> {
        const auto chosen = chooseCountry(over, typed);
        return chosen ? std::optional(value(*chosen)) : std::nullopt;
    };
    return lookup;
}

} // namespace velkora::reference
