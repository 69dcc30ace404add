#pragma once
// New workspaces, made from the template kept with the program: the demo
// workspace a first start shows, or an empty one to begin real work in.

#include <string>

namespace velkora::app {

// The folder holding the workspace template: demo/ in the shared data folder.
std::string demoTemplateDir();

// What a new workspace holds besides its start file, language and help files,
// translation tables and folders.
enum class WorkspaceContent {
    Empty, // every record file empty, no letter templates, no own-company data
    Demo,  // sample addresses, contacts, activities, reference data and letter templates
};

enum class WorkspaceCreation { Created, StartFileExists, Failed };

// Makes a workspace in `dir` (created when missing). A folder that already
// holds a start file is left as it is (StartFileExists); Failed leaves a
// reason in `error`.
WorkspaceCreation createWorkspace(const std::string& dir, WorkspaceContent content, std::string& error);

// Creates the demo workspace in `dir` unless `dir` already holds a start file
// (a workspace the user has is never overwritten). Returns false with a
// reason in `error` when it cannot be created.
bool ensureDemoWorkspace(const std::string& dir, std::string& error);

} // namespace velkora::app
