#include "i18n/TranslationKinds.h"

#include "i18n/ControlTexts.h"

#include <charconv>
#include <map>

namespace velkora::i18n {
namespace {

const std::map<int, const char*>& typeNames() {
    static const std::map<int, const char*> names = {
        {StringControl, "String"}, {BoxControl, "Box"},           {ButtonControl, "Button"},
        {PromptControl, "Prompt"}, {OptionControl, "Option"},     {CheckControl, "Check"},
        {GroupControl, "Group"},   {MenuControl, "Menu"},         {MenuItemControl, "MenuItem"},
        {RadioControl, "Radio"},   {MenuBarControl, "MenuBar"},   {ApplicationControl, "Application"},
        {WindowControl, "Window"}, {DropListControl, "DropList"}, {DropComboControl, "DropCombo"},
        {SheetControl, "Sheet"},   {TabControl, "Tab"},           {PanelControl, "Panel"},
    };
    return names;
}

bool startsWith(std::string_view key, std::string_view prefix) {
    return key.size() >= prefix.size() && translationKey(key.substr(0, prefix.size())) == prefix;
}

} // namespace

std::string translationKind(std::string_view key) {
    if (startsWith(key, "L."))
        return "ListHeader";
    if (!startsWith(key, "P."))
        return {};
    const std::string_view digits = key.substr(2, 2);
    int type = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), type);
    const auto name = typeNames().find(type);
    if (error != std::errc() || end != digits.data() + digits.size() || name == typeNames().end())
        return "...";
    return name->second;
}

} // namespace velkora::i18n
