#pragma once
// The prompter of the windows: a modal message box with the caption, the
// text ("|" = line break), the icon, the buttons of the bit set and the
// default button; returns the button pressed.

#include "shared/Prompter.h"

class QMessageBox;

namespace velkora::app {

class QtPrompter : public Prompter {
public:
    unsigned ask(const Prompt& prompt) override;
    void beep(int count) override;
};

// The message box for a prompt, not yet shown (tests look at it).
QMessageBox* buildMessageBox(const Prompt& prompt);

} // namespace velkora::app
