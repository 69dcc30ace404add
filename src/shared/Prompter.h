#pragma once
// Every question and notice the program puts to the user goes through one
// prompter: a message box in the windows, standard error in the command line
// tool, a script in the tests.

#include <string>
#include <string_view>

namespace velkora {

// Buttons as a bit set; a prompter returns the one pressed.
enum Button : unsigned {
    ButtonOk = 1,
    ButtonYes = 2,
    ButtonNo = 4,
    ButtonAbort = 8,
    ButtonRetry = 16,
    ButtonIgnore = 32,
    ButtonCancel = 64,
    ButtonHelp = 128,
};

enum class Icon { None, Information, Exclamation, Question, Stop };

struct Prompt {
    std::string text; // "|" marks a line break
    std::string caption;
    Icon icon = Icon::None;
    unsigned buttons = ButtonOk;
    unsigned defaultButton = 0; // 0: the first button of the set
};

// The button a prompt takes when nobody answers: its default, else its first.
unsigned defaultAnswer(const Prompt& prompt);
// The text with "|" turned into line breaks, as a person reads it.
std::string displayText(std::string_view text);

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows the prompt and returns the button pressed (one bit of prompt.buttons).
    virtual unsigned ask(const Prompt& prompt) = 0;
    // Short warning sounds.
    virtual void beep(int count) = 0;
};

// Writes "caption: text" to standard error ("|" as line breaks) and takes
// the default button, or the first positive button when told to answer yes.
class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(bool answerYes = false) : answerYes_(answerYes) {}
    unsigned ask(const Prompt& prompt) override;
    void beep(int count) override;

private:
    bool answerYes_;
};

// The prompter in use; a console prompter until one is installed.
Prompter& prompter();
// Installs `p` (not owned); nullptr restores the console prompter.
void setPrompter(Prompter* p);

// Shorthand: shows a prompt through the current prompter.
unsigned ask(std::string_view text, std::string_view caption, Icon icon = Icon::None,
             unsigned buttons = ButtonOk, unsigned defaultButton = 0);
void beep(int count = 1);

} // namespace velkora
