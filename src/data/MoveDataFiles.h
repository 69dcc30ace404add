#pragma once
// Moves the files of a folder set (the data files of the data path, the
// mail-merge file) into another folder, all or nothing: every file is
// copied under a temporary name, compared with its original and only then
// given its name; the originals are removed when every copy is in place.
// A failure removes the copies made so far, so the files stay where they
// were. A file of the same name in the target is never overwritten: the
// move is refused before anything is copied.
//
//   const MoveReport report = moveFiles(dataFileNames(), appState().DATAPATH, newFolder);
//   switch (report.outcome) { case MoveOutcome::Moved: ... }

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::data {

// The files of the data path: NAME.TPS of every table kept there.
std::vector<std::string> dataFileNames();
// The files of the mail-merge data file QXAILADR in the mail folder.
std::vector<std::string> mailFileNames();

enum class MoveOutcome {
    Moved,          // every file present is in the target now, the originals are gone
    NothingToMove,  // no file was there to move, or both folders are one
    TargetOccupied, // the target holds some of the files: nothing was done
    Failed,         // a step failed: the copies were removed, the originals stay
};

struct MoveReport {
    MoveOutcome outcome = MoveOutcome::NothingToMove;
    std::vector<std::string> moved;    // the names moved (Moved)
    std::vector<std::string> occupied; // the names the target holds already (TargetOccupied)
    std::vector<std::string> leftOver; // originals that could not be removed after the copy (Moved)
    std::string file;                  // where a step failed (Failed)
    std::string detail;                // why it failed
};

MoveReport moveFiles(const std::vector<std::string>& names, const std::string& from, const std::string& to);

// The names of `names` that `folder` holds.
std::vector<std::string> filesIn(const std::vector<std::string>& names, const std::string& folder);

// A fault put into the move by tests: called before each step ("copy",
// "check", "remove") of each file; a non-empty text makes that step fail
// with it. An empty function removes it.
using MoveFault = std::function<std::string(std::string_view step, const std::string& file)>;
void setMoveFault(MoveFault fault);

} // namespace velkora::data
