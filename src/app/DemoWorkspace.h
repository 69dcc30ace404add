#pragma once
// The demo workspace: a ready-to-use start folder made from the template
// kept with the program, so a first start shows a working system.

#include <string>

namespace velkora::app {

// The folder holding the demo template (VELKORA_RESOURCES overrides it).
std::string demoTemplateDir();

// Creates the demo workspace in `dir` unless `dir` already holds a start file
// (a workspace the user has is never overwritten). Returns false with a
// reason in `error` when it cannot be created.
bool ensureDemoWorkspace(const std::string& dir, std::string& error);

} // namespace velkora::app
