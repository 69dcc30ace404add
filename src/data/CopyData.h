#pragma once
// Copies every table of the workspace's data path (appState().DATAPATH) to
// another data path, a folder or a server, record by record with positions
// and versions kept, then compares the counts and checks the keys there.
//
//   const CopyReport report = copyDataPath("postgresql:///velkora?service=office");
//   if (report.problem != CopyProblem::None) ... report.table, report.detail

#include <cstdint>
#include <string>
#include <vector>

namespace velkora::data {

enum class CopyProblem {
    None,
    TargetHoldsData, // nothing was copied: the target already has records
    ReadFailed,      // the source table could not be opened or read
    WriteFailed,     // the target table could not be made or written
    CountsDiffer,    // the target holds another number of records than the source
    KeysDamaged,     // the target's check found a problem
};

struct CopiedTable {
    std::string table;
    std::int64_t records = 0;
    std::string target; // the target's full name
};

struct CopyReport {
    CopyProblem problem = CopyProblem::None;
    std::string table;  // where it happened
    std::string detail; // the record layer's error text
    std::vector<CopiedTable> copied;
};

CopyReport copyDataPath(const std::string& target);

} // namespace velkora::data
