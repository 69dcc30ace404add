#pragma once
// Telephone dialling from the contact list: the work file's switch and
// prefix, the one argument the dialler gets, and starting it. The dialler
// is started with an argument vector, never through a shell, and nobody
// waits for it; its failures are shown when it ends.

#include <string>

namespace velkora::addresses {

struct DialSettings {
    bool enabled = false; // [DEFAULT] TAPIDialing not 0
    std::string prefix;   // [DEFAULT] DialPrefix, at most 3 characters
};
// Reads the settings; the prefix only when dialling is on.
DialSettings readDialSettings(const std::string& workIni);

// The dialler's one argument: a double quote, the clipped prefix, the
// clipped number as stored, a double quote ("0" and "089 1234" give "0089 1234").
// A number in international form gets no prefix and goes with "+", which the
// dialler cannot mistake for a prefix: "0049 89 12345" gives "+49 89 12345".
std::string dialArgument(const std::string& prefix, const std::string& number);

// Starts the dialler for `number` without waiting. When it cannot start, or
// ends with a failure, the reason (what the dialler wrote to standard error)
// is shown through the prompter as soon as it is known.
void dial(const DialSettings& settings, const std::string& number);

} // namespace velkora::addresses
