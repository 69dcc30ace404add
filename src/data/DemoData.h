#pragma once
// Sample data for the demo workspace.

#include <string>

namespace velkora::data {

enum class SeedRecords {
    TranslationsOnly, // an empty workspace: only the translation tables are filled
    All,
};

// Creates every table file (paths from appState()) and loads
// seedDir/<FILE>.tsv into it when present: first line the field names
// without prefix, tab-separated; one record per line. The translation tables
// load from ORB.tsv (German) and ORBEN.tsv (English) into InitPath.
// False with a reason in `error` when a file cannot be created or loaded.
bool seedDemoData(const std::string& seedDir, std::string& error, SeedRecords which = SeedRecords::All);

} // namespace velkora::data
