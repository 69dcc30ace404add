#pragma once
// Taking a new data or mail folder into use at once: the files move there
// all or nothing (data/MoveDataFiles.h), and only when they did is the new
// folder written to the start file and used by the next file opened.
// The settings window and `velkora-cli move-data` share it.

#include "data/MoveDataFiles.h"

#include <string>

namespace velkora::app {

enum class FilesThere {
    Refuse, // a target holding some of the files is reported, nothing changes
    Use,    // the files there are taken as they are, nothing moves
};

// Moves the data files from the running DataPath to `newPath` and makes it
// the DataPath (SETUP/DataPath of `startIni` and the running value). On a
// database server nothing moves (copy-data copies there): the new path is
// taken as it is. A data file this process holds open fails the move.
data::MoveReport switchDataPath(const std::string& startIni, const std::string& newPath, FilesThere there);

// The same for the mail folder and its mail-merge file, which is rebuilt
// for every merge: one already in the new folder is used as it is.
data::MoveReport switchMailPath(const std::string& startIni, const std::string& newPath);

} // namespace velkora::app
