#include "data/CopyData.h"

#include "data/RecordFile.h"
#include "data/Tables.h"

#include <memory>

namespace velkora::data {

namespace {

// A table's file in the source and in the target, both over one record buffer.
class TablePair {
public:
    TablePair(const TableDef& table, const std::string& target)
        : buffer_(table.ops.create(), table.ops.destroy), source(table, buffer_.get()),
          copy(table, buffer_.get()) {
        copy.setFileName(tableFileName(target, table.name));
    }

    std::unique_ptr<void, void (*)(void*)> buffer_;
    RecordFile source;
    RecordFile copy;
};

std::string problemText() {
    const CurrentError& e = currentError();
    return e.fileSystemText.empty() ? e.text : e.text + ": " + e.fileSystemText;
}

CopyReport failed(CopyProblem problem, const TableDef& table, std::string detail) {
    CopyReport report;
    report.problem = problem;
    report.table = std::string(table.name);
    report.detail = std::move(detail);
    return report;
}

// Records of the source, in position order, added to the open, empty target.
bool copyRecords(TablePair& pair, std::int64_t& copied, CopyProblem& problem) {
    problem = CopyProblem::ReadFailed;
    const RecordPosition highest = pair.source.highestPosition();
    if (highest < 0)
        return false;
    problem = CopyProblem::WriteFailed;
    if (pair.copy.beginBulkLoad() != NoError)
        return false;
    pair.source.set();
    int code = NoError;
    while ((code = pair.source.next()) == NoError) {
        if (pair.copy.addKept(pair.source.position(), pair.source.version()) != NoError) {
            pair.copy.cancelBulkLoad();
            return false;
        }
        ++copied;
    }
    if (code != RecordNotAvailable) {
        const std::string reason = problemText();
        pair.copy.cancelBulkLoad();
        problem = CopyProblem::ReadFailed;
        setCurrentError({code, reason, 0, {}, pair.source.diskName(), {}});
        return false;
    }
    // Positions the source gave to records deleted since are not given again.
    if (pair.copy.raisePositions(highest) != NoError) {
        pair.copy.cancelBulkLoad();
        return false;
    }
    return pair.copy.endBulkLoad() == NoError;
}

} // namespace

CopyReport copyDataPath(const std::string& target) {
    std::vector<std::unique_ptr<TablePair>> pairs;
    for (const TableDef* table : allTables())
        if (table->location == FileLocation::DataPath)
            pairs.push_back(std::make_unique<TablePair>(*table, target));

    // A target with records is refused before anything is written.
    for (auto& pair : pairs) {
        if (pair->copy.open() != NoError)
            continue;
        const std::int64_t records = pair->copy.records();
        pair->copy.close();
        if (records > 0)
            return failed(CopyProblem::TargetHoldsData, pair->copy.table(), pair->copy.diskName());
    }

    CopyReport report;
    for (auto& pair : pairs) {
        const TableDef& table = pair->source.table();
        const int opened = pair->source.open();
        if (opened != NoError && opened != FileNotFound)
            return failed(CopyProblem::ReadFailed, table, problemText());
        if (pair->copy.create() != NoError || pair->copy.open() != NoError)
            return failed(CopyProblem::WriteFailed, table, problemText());
        std::int64_t copied = 0;
        CopyProblem problem = CopyProblem::None;
        if (opened == NoError && !copyRecords(*pair, copied, problem))
            return failed(problem, table, problemText());
        const std::int64_t expected = opened == NoError ? pair->source.records() : 0;
        if (pair->copy.records() != expected || copied != expected)
            return failed(CopyProblem::CountsDiffer, table,
                          std::to_string(expected) + " / " + std::to_string(pair->copy.records()));
        if (pair->copy.check() != NoError)
            return failed(CopyProblem::KeysDamaged, table, problemText());
        report.copied.push_back({std::string(table.name), copied, pair->copy.diskName()});
        pair->source.close();
        pair->copy.close();
    }
    return report;
}

} // namespace velkora::data
