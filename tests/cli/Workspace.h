#pragma once
// The workspaces the command cases run on: a copy of the demo workspace
// each, changed by the case's set-up steps.

#include <string>
#include <vector>

namespace velkora::test {

// Copies the demo workspace (made once per test program) into `folder`,
// with the paths of its start file pointing into the copy.
void copyDemoWorkspace(const std::string& folder);

// Runs one set-up step on the workspace in `folder`; false for an unknown step.
// Texts may hold {CR}, {LF} and {TAB} for control characters.
//   remove PATH                    deletes a file
//   write PATH TEXT                writes TEXT
//   ini FILE SECTION KEY VALUE     sets a profile value
//   mailing PATH                   writes the sample dBase file with memo
//   mailing-file PATH              writes two recipients in mailing layout
//   empty TABLE                    deletes a table's file (the next add creates it)
//   add TABLE FIELD=VALUE ...      adds a record to a table of the workspace
//   sqlite TABLE SQL               runs SQL on the table's file (sqlite3 shell)
//   stand-in NAME                  puts the recording stand-in NAME into BIN
//                                  (tests/support/stand-ins; it logs to BIN/NAME.log)
bool runSetupStep(const std::string& folder, const std::vector<std::string>& step);

} // namespace velkora::test
