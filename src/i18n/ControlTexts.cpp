#include "i18n/ControlTexts.h"

#include "shared/AppState.h"
#include "shared/Text.h"

#include <cstdio>

namespace velkora::i18n {
namespace {

bool takesColon(int type) {
    return type == PromptControl || type == GroupControl;
}

std::string withColon(const std::string& text) {
    return !text.empty() && text.back() == ':' ? text : text + ":";
}

// Keys that are never looked up: a "*" placeholder string, and the feature
// labels of the address form whose texts come from the work file.
bool skippedKey(int type, const std::string& key) {
    if (key == "P.02_*")
        return true;
    return (type == CheckControl || type == PromptControl) &&
           (startsWith(key, "P.12_QXM_") || startsWith(key, "P.10_QXM_"));
}

void addMissing(TranslationTable& table, int type, const ControlTexts& design, const std::string& key) {
    TranslationRecord record;
    record.TRLID = key;
    if (takesColon(type)) {
        record.TRLTXT = withColon(design.text);
    } else {
        record.TRLTXT = design.text;
        record.TRLTIP = design.tip;
        record.TRLMSG = design.msg;
    }
    record.ORGTXT = record.TRLTXT;
    table.add(fitToFields(std::move(record))); // a station adding the same key first wins
}

} // namespace

bool isTranslatedType(int type) {
    switch (type) {
    case StringControl:
    case BoxControl:
    case ButtonControl:
    case PromptControl:
    case OptionControl:
    case CheckControl:
    case GroupControl:
    case MenuControl:
    case MenuItemControl:
    case RadioControl:
    case MenuBarControl:
    case ApplicationControl:
    case WindowControl:
    case DropListControl:
    case DropComboControl:
    case TabControl:
    case PanelControl:
        return true;
    default:
        return false;
    }
}

std::string controlKey(int type, std::string_view text) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "P.%02d_", type);
    return translationKey(prefix + std::string(clip(text)));
}

ControlTexts translateControl(TranslationTable* table, int type, const ControlTexts& design, bool writeTrl) {
    if (design.text.empty() || design.text == "&." || !isTranslatedType(type))
        return design;
    const std::string key = controlKey(type, design.text);
    if (skippedKey(type, key))
        return design;

    const auto record = table ? table->get(key) : std::nullopt;
    if (record) {
        ControlTexts shown = design;
        if (!record->TRLTXT.empty())
            shown.text = record->TRLTXT;
        // Tip and message belong to controls, not to windows and sheets.
        if (type < 30) {
            shown.msg = clip(record->TRLMSG);
            shown.tip = clip(record->TRLTIP);
        }
        return shown;
    }
    if (writeTrl) {
        if (table)
            addMissing(*table, type, design, key);
        return design;
    }
    ControlTexts shown = design;
    if (takesColon(type))
        shown.text = withColon(design.text);
    return shown;
}

std::string translateHeading(TranslationTable* table, std::string_view heading, bool writeTrl) {
    if (heading.empty())
        return std::string(heading);
    const std::string key = translationKey("L." + std::string(heading));
    if (key == "L. ..")
        return std::string(heading);
    const auto record = table ? table->get(key) : std::nullopt;
    if (record && !clip(record->TRLTXT).empty())
        return clip(record->TRLTXT);
    if (record)
        return std::string(heading);
    if (writeTrl && table) {
        TranslationRecord added;
        added.TRLID = key;
        added.TRLTXT = std::string(heading);
        added.ORGTXT = added.TRLTXT;
        table->add(fitToFields(std::move(added)));
    }
    return std::string(heading);
}

std::string translated(int type, std::string_view design) {
    auto table = openTranslationTable();
    return translateControl(table.get(), type, {std::string(design)}, appState().WRITETRL != 0).text;
}

void translateHeadings(std::vector<std::string>& headings) {
    auto table = openTranslationTable();
    const bool writeTrl = appState().WRITETRL != 0;
    for (auto& heading : headings)
        heading = translateHeading(table.get(), heading, writeTrl);
}

} // namespace velkora::i18n
