#pragma once
// The translation of one control's texts, independent of the toolkit: the
// key built from the control type and its design text, the skip rules, the
// colon rule for prompts and groups, and recording missing keys (WriteTRL).

#include "i18n/Translation.h"

#include <string>
#include <string_view>
#include <vector>

namespace velkora::i18n {

// Control type codes as they appear in "P." keys (shared with existing tables).
enum ControlType : int {
    VariableStringControl = 1,
    StringControl = 2,
    ImageControl = 3,
    BoxControl = 6,
    EntryControl = 8,
    ButtonControl = 9,
    PromptControl = 10,
    OptionControl = 11,
    CheckControl = 12,
    GroupControl = 13,
    ListControl = 14,
    ComboControl = 15,
    SpinControl = 16,
    TextControl = 17,
    MenuControl = 19,
    MenuItemControl = 20,
    RadioControl = 21,
    MenuBarControl = 22,
    ApplicationControl = 24,
    WindowControl = 25,
    DropListControl = 33,
    DropComboControl = 34,
    SheetControl = 37,
    TabControl = 38,
    PanelControl = 39,
};

// True for the types whose text is translated.
bool isTranslatedType(int type);

// "P." + two-digit type + "_" + text clipped and upper-cased, cut to 32.
std::string controlKey(int type, std::string_view text);

struct ControlTexts {
    std::string text;
    std::string tip; // tooltip
    std::string msg; // status-bar message
};

// The texts a control shows after translation. `design` holds the texts the
// control was designed with. With `writeTrl` a missing key is added to the
// table (an add error is ignored); otherwise prompts and groups get a colon.
ControlTexts translateControl(TranslationTable* table, int type, const ControlTexts& design, bool writeTrl);

// The heading a list column shows after translation ("L." + heading).
std::string translateHeading(TranslationTable* table, std::string_view heading, bool writeTrl);

// The translation of a text a window sets while it runs (a title for the
// request, a tip for the window in front), keyed like a control of `type`
// designed with `design`; the design text itself when the table lacks it.
std::string translated(int type, std::string_view design);

// Translates every heading of a list, for lists that are not Qt item views.
void translateHeadings(std::vector<std::string>& headings);

} // namespace velkora::i18n
