#pragma once
// A prompter for tests: records every prompt and answers from a script.
// Unscripted prompts take their default button, so a forgotten answer shows
// up as a recorded prompt rather than a hang.

#include "shared/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace velkora::test {

class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() { setPrompter(this); }
    ~ScriptedPrompter() override { setPrompter(nullptr); }
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    // The answer to the next prompt (one of the Button bits).
    void setNextAnswer(unsigned button) { answers_.push_back(button); }

    unsigned ask(const Prompt& prompt) override {
        prompts_.push_back(prompt);
        if (answers_.empty())
            return defaultAnswer(prompt);
        const unsigned answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void beep(int count) override { beeps_ += count; }

    const std::vector<Prompt>& prompts() const { return prompts_; }
    // The texts shown so far, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& p : prompts_)
            out.push_back(p.text);
        return out;
    }
    const Prompt& last() const { return prompts_.back(); }
    int beeps() const { return beeps_; }
    void clear() {
        prompts_.clear();
        answers_.clear();
        beeps_ = 0;
    }

private:
    std::deque<unsigned> answers_;
    std::vector<Prompt> prompts_;
    int beeps_ = 0;
};

} // namespace velkora::test
