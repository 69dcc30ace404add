#pragma once
// Where an activity's document lies, and whether it may be handed to the
// desktop to open: a name without a folder lies in the documents folder, a
// full path is used as it is. Only an existing local regular file that is
// neither executable nor a desktop launcher is opened, so a document name
// can never start a program.

#include <optional>
#include <string>

namespace velkora::activities {

// The path of document `name`: `docsPath` + "/" + name when the name holds
// no "/" or "\", else the name itself.
std::string documentPath(const std::string& name, const std::string& docsPath);

// The path to open for `name`, or nullopt when there is nothing that may be
// opened (empty name, missing file, a folder, a program or a launcher).
std::optional<std::string> openableDocument(const std::string& name, const std::string& docsPath);

} // namespace velkora::activities
