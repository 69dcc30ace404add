#include "i18n/Messages.h"

#include "i18n/Environment.h"
#include "shared/FieldTypes.h"
#include "shared/Text.h"

#include <cstdio>

namespace velkora::i18n {
namespace {

// Widths of the message buffers: text CSTRING(255), caption and name CSTRING(64).
constexpr std::size_t kTextSize = 255;
constexpr std::size_t kCaptionSize = 64;
constexpr std::size_t kNameSize = 64;

Prompt makePrompt(std::string text, std::string caption, Icon icon, unsigned buttons,
                  unsigned defaultButton) {
    Prompt prompt;
    prompt.text = clip(toCStringField(text, kTextSize));
    prompt.caption = clip(toCStringField(caption, kCaptionSize));
    prompt.icon = icon;
    prompt.buttons = buttons == 0 ? unsigned(ButtonOk) : buttons;
    prompt.defaultButton = defaultButton;
    return prompt;
}

} // namespace

Prompt messagePrompt(std::string_view id, Icon icon, std::string_view defaultText, unsigned buttons,
                     unsigned defaultButton) {
    if (!startsWith(id, "M."))
        return makePrompt("Invalid Message ID: " + clip(id), "Translator", icon, buttons, defaultButton);

    const std::string name = toCStringField(id.substr(2), kNameSize);
    std::string text;
    if (auto found = environmentValue("APPWARN", "Warn:" + name))
        text = *found;
    else
        text = "Message \"Warn:" + name + "\" not found.||" + clip(defaultText);
    std::string caption = environmentValue("APPWARN", "Capt:" + name).value_or(name);
    return makePrompt(std::move(text), std::move(caption), icon, buttons, defaultButton);
}

unsigned ShowMessage(std::string_view id, Icon icon, std::string_view defaultText, unsigned buttons,
                     unsigned defaultButton) {
    return prompter().ask(messagePrompt(id, icon, defaultText, buttons, defaultButton));
}

unsigned ShowMessageWith(std::string_view id, Icon icon, std::string_view defaultText,
                         std::initializer_list<std::string_view> values) {
    Prompt prompt = messagePrompt(id, icon, defaultText);
    prompt.text = fillArguments(prompt.text, values);
    return prompter().ask(prompt);
}

std::string mapiErrorId(int resultCode) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", resultCode);
    return std::string("M.MAPI_Error") + digits;
}

} // namespace velkora::i18n
