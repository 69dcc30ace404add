#include "shared/Prompter.h"

#include "shared/Text.h"

#include <iostream>

namespace velkora {
namespace {

Prompter*& installed() {
    static Prompter* current = nullptr;
    return current;
}

} // namespace

unsigned defaultAnswer(const Prompt& prompt) {
    if (prompt.defaultButton & prompt.buttons)
        return prompt.defaultButton;
    for (unsigned bit = 1; bit <= ButtonHelp; bit <<= 1)
        if (prompt.buttons & bit)
            return bit;
    return ButtonOk;
}

std::string displayText(std::string_view text) {
    return replaceAll(text, "|", "\n");
}

unsigned ConsolePrompter::ask(const Prompt& prompt) {
    std::cerr << prompt.caption << ": " << displayText(prompt.text) << '\n';
    if (answerYes_) {
        for (unsigned positive : {ButtonYes, ButtonOk, ButtonRetry})
            if (prompt.buttons & positive)
                return positive;
    }
    return defaultAnswer(prompt);
}

void ConsolePrompter::beep(int) {}

Prompter& prompter() {
    static ConsolePrompter console;
    return installed() ? *installed() : console;
}

void setPrompter(Prompter* p) {
    installed() = p;
}

unsigned ask(std::string_view text, std::string_view caption, Icon icon, unsigned buttons,
             unsigned defaultButton) {
    return prompter().ask({std::string(text), std::string(caption), icon, buttons, defaultButton});
}

void beep(int count) {
    prompter().beep(count);
}

} // namespace velkora
