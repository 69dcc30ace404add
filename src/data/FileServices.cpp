#include "data/FileServices.h"

#include "data/Backend.h"
#include "data/IntegrityRules.h"
#include "data/RecordFields.h"
#include "data/StandardWarnings.h"
#include "shared/ApplicationEnd.h"
#include "shared/Text.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>

namespace velkora::data {

namespace {

constexpr std::int32_t kWalkFrom = 9999;

// The linking-field value of the record last loaded for change, by parent table.
struct Snapshot {
    RecordPosition position = 0;
    Value value;
};
std::map<std::string, Snapshot, std::less<>>& snapshots() {
    static std::map<std::string, Snapshot, std::less<>> values;
    return values;
}

Value linkValue(const RecordFile& file, int field) {
    return file.table().fields[static_cast<std::size_t>(field)].get(file.buffer());
}

bool sameLink(const FieldDef& field, const Value& a, const Value& b) {
    if (field.isText())
        return clip(foldText(valueText(a))) == clip(foldText(valueText(b)));
    return a == b;
}

// The dependant files of an operation, opened through the counters and closed
// again. Their record buffers are shared with the windows, so each buffer is
// given back as it was.
class DependantFiles {
public:
    bool open(const std::vector<RecordFile*>& wanted) {
        for (RecordFile* f : wanted) {
            if (!OpenRecordFile(*f))
                return false;
            opened_.push_back({f, RecordCopy(f->table(), f->buffer()), f->position(), f->version()});
        }
        return true;
    }
    ~DependantFiles() {
        for (Saved& saved : opened_) {
            saved.file->table().ops.copy(saved.file->buffer(), saved.buffer.data());
            saved.file->setReadState(saved.position, saved.version);
            CloseRecordFile(*saved.file);
        }
    }
    std::vector<RecordFile*> files() const {
        std::vector<RecordFile*> out;
        for (const Saved& saved : opened_)
            out.push_back(saved.file);
        return out;
    }

private:
    struct Saved {
        RecordFile* file;
        RecordCopy buffer;
        RecordPosition position;
        std::int64_t version;
    };
    std::vector<Saved> opened_;
};

// Positions `file` at the first record whose key begins with `value` and
// calls `each` for every record that still has it; false on a failure
// (its warning shown). `each` returns false to fail.
template <class Each> bool scanLinked(RecordFile& file, const LinkStep& step, const Value& value, Each each) {
    const TableDef& table = file.table();
    const KeyDef& key = *table.key(step.key);
    const int field = table.fieldIndex(step.field);
    file.clear();
    setField(table, file.buffer(), field, value);
    file.setPrefix(key, 1);
    for (;;) {
        const int code = file.next();
        if (code == RecordNotAvailable)
            return true;
        if (code != NoError) {
            RecordErrorState();
            ShowStandardWarning(Warn::RecordFetchError, table.name);
            return false;
        }
        if (!sameLink(table.fields[static_cast<std::size_t>(field)], linkValue(file, field), value))
            return true;
        if (!each(file))
            return false;
    }
}

bool deleteDependants(const TableDef& parent, const Value& value);

bool deleteOne(RecordFile& file) {
    const TableDef& table = file.table();
    if (const IntegrityRule* rule = ruleFor(table))
        if (!deleteDependants(table, linkValue(file, table.fieldIndex(rule->field))))
            return false;
    if (file.erase() != NoError) {
        RecordErrorState();
        ShowStandardWarning(Warn::RIDeleteError, table.name);
        return false;
    }
    return true;
}

bool deleteDependants(const TableDef& parent, const Value& value) {
    const IntegrityRule* rule = ruleFor(parent);
    if (!rule)
        return true;
    for (const LinkStep& step : rule->onDelete) {
        RecordFile& dependant = *files().byName(step.table);
        if (rule->restrictDelete) {
            bool referenced = false;
            if (!scanLinked(dependant, step, value,
                            [&](RecordFile&) {
                                referenced = true;
                                return false;
                            }) &&
                !referenced)
                return false;
            if (referenced) {
                ShowStandardWarning(Warn::RestrictDelete, step.table);
                return false;
            }
            continue;
        }
        if (!scanLinked(dependant, step, value, deleteOne))
            return false;
    }
    return true;
}

bool carryKeyChange(const IntegrityRule& rule, const Value& oldValue, const Value& newValue) {
    for (const LinkStep& step : rule.onChange) {
        RecordFile& dependant = *files().byName(step.table);
        const int field = dependant.table().fieldIndex(step.field);
        const bool ok = scanLinked(dependant, step, oldValue, [&](RecordFile& file) {
            setField(file.table(), file.buffer(), field, newValue);
            if (file.put() == NoError)
                return true;
            RecordErrorState();
            ShowStandardWarning(Warn::RIUpdateError, file.table().name);
            return false;
        });
        if (!ok)
            return false;
    }
    return true;
}

std::vector<RecordFile*> dependantFiles(const TableDef& table, bool forDelete) {
    std::vector<RecordFile*> out;
    auto addTable = [&out](std::string_view name) {
        RecordFile* f = files().byName(name);
        if (std::find(out.begin(), out.end(), f) == out.end())
            out.push_back(f);
    };
    std::vector<const TableDef*> pending{&table};
    while (!pending.empty()) {
        const TableDef* current = pending.back();
        pending.pop_back();
        const IntegrityRule* rule = ruleFor(*current);
        if (!rule)
            continue;
        for (const LinkStep& step : forDelete ? rule->onDelete : rule->onChange) {
            addTable(step.table);
            if (forDelete && !rule->restrictDelete)
                pending.push_back(tableByName(step.table));
        }
    }
    return out;
}

std::vector<RecordFile*> withParent(RecordFile& parent, const std::vector<RecordFile*>& dependants) {
    std::vector<RecordFile*> all{&parent};
    all.insert(all.end(), dependants.begin(), dependants.end());
    return all;
}

} // namespace

RecordFile* Files::byName(std::string_view nameOrPrefix) {
    const TableDef* table = tableByName(nameOrPrefix);
    if (!table)
        return nullptr;
    for (RecordFile* f :
         std::initializer_list<RecordFile*>{&QXADRESS, &QXADRTKP, &QXADRAKT, &QXADRLND, &QXADRORT, &QXADRSTR,
                                            &QXADRBRA, &QXATTMAT, &QXAKTATM, &QXACKUSR, &qxTRL})
        if (&f->table() == table)
            return f;
    return nullptr;
}

Files& files() {
    static Files instance;
    return instance;
}

bool OpenRecordFile(RecordFile& file, bool createAllowed) {
    if (file.openCount() > 0) {
        file.setOpenCount(file.openCount() + 1);
        return true;
    }
    int code = file.open();
    if (code == FileLocked) {
        file.sendOption("Recover=10");
        code = file.open();
    }
    const std::string name = file.fileName();
    if (code == FileNotFound) {
        if (!createAllowed) {
            ShowStandardWarning(Warn::CreateError, name);
            return false;
        }
        if (file.create() != NoError) {
            ShowStandardWarning(Warn::CreateError, name);
            return false;
        }
        code = file.open();
        if (code != NoError && code != FileAlreadyOpen) {
            ShowStandardWarning(Warn::CreateOpenError, name);
            return false;
        }
    } else if (code == InvalidRecordDeclaration) {
        ShowStandardWarning(Warn::InvalidFile, name);
        return false;
    } else if (code == InvalidKeyFile) {
        if (ShowStandardWarning(Warn::InvalidKey, name) != ButtonYes)
            return false;
        if (file.rebuildKeys() != NoError) {
            ShowStandardWarning(Warn::RebuildError, name);
            return false;
        }
        code = file.open();
    }
    if (code != NoError && code != FileAlreadyOpen) {
        ShowStandardWarning(Warn::DiskError, name);
        endApplication("Disk Error");
        return false;
    }
    file.setOpenCount(file.openCount() + 1);
    return true;
}

void CloseRecordFile(RecordFile& file) {
    if (file.openCount() == 0)
        return;
    file.setOpenCount(file.openCount() - 1);
    if (file.openCount() == 0)
        file.close();
}

bool OpenedFiles::open(const std::vector<RecordFile*>& files) {
    const std::size_t before = open_.size();
    for (RecordFile* file : files) {
        if (!OpenRecordFile(*file)) {
            while (open_.size() > before) {
                CloseRecordFile(*open_.back());
                open_.pop_back();
            }
            return false;
        }
        open_.push_back(file);
    }
    return true;
}

void OpenedFiles::close() {
    for (RecordFile* file : open_)
        CloseRecordFile(*file);
    open_.clear();
}

void SnapLinkingFields(RecordFile& table) {
    if (const IntegrityRule* rule = ruleFor(table.table()))
        snapshots()[std::string(table.table().name)] = {
            table.position(), linkValue(table, table.table().fieldIndex(rule->field))};
}

int UpdateWithIntegrity(RecordFile& table, bool fromForm) {
    const TableDef& def = table.table();
    const IntegrityRule* rule = ruleFor(def);
    DependantFiles dependants;
    if (!dependants.open(dependantFiles(def, false)))
        return Failed;
    Transaction tx;
    if (tx.begin(withParent(table, dependants.files())) != NoError) {
        RecordErrorState();
        ShowStandardWarning(Warn::LogoutError, "Update", def.name);
        return Failed;
    }
    const int linkField = rule ? def.fieldIndex(rule->field) : -1;
    // Without a snapshot of this record the stored value stands for it: it is what dependants hold.
    std::optional<Value> oldValue;
    if (rule) {
        const auto snap = snapshots().find(def.name);
        if (snap != snapshots().end() && snap->second.position == table.position()) {
            oldValue = snap->second.value;
        } else {
            RecordCopy stored(def, table.buffer());
            std::int64_t version = 0;
            if (table.backend()->readPosition(table.position(), stored.data(), version) == NoError)
                oldValue = def.fields[static_cast<std::size_t>(linkField)].get(stored.data());
        }
    }
    const std::int64_t versionBefore = table.version();
    if (table.put() != NoError) {
        RecordErrorState();
        if (savedErrorState().code == RecordChanged) {
            if (fromForm)
                ShowStandardWarning(Warn::RIFormUpdateError);
            else
                ShowStandardWarning(Warn::RIUpdateError, "Record Changed by Another Station");
            table.reget(table.position());
            SnapLinkingFields(table);
            return ChangedByOtherStation;
        }
        ShowStandardWarning(Warn::RIUpdateError, def.name);
        return Failed;
    }
    if (rule && oldValue) {
        const Value newValue = linkValue(table, linkField);
        if (!(newValue == *oldValue) && !carryKeyChange(*rule, *oldValue, newValue)) {
            tx.rollback();
            table.setReadState(table.position(), versionBefore);
            setField(def, table.buffer(), linkField, *oldValue);
            return Failed;
        }
    }
    if (tx.commit() != NoError) {
        RecordErrorState();
        table.setReadState(table.position(), versionBefore);
        ShowStandardWarning(Warn::RIUpdateError, def.name);
        return Failed;
    }
    SnapLinkingFields(table);
    return Saved;
}

int DeleteWithIntegrity(RecordFile& table) {
    const TableDef& def = table.table();
    const RecordPosition position = table.position();
    DependantFiles dependants;
    if (!dependants.open(dependantFiles(def, true)))
        return 1;
    Transaction tx;
    if (tx.begin(withParent(table, dependants.files())) != NoError) {
        RecordErrorState();
        ShowStandardWarning(Warn::LogoutError, "Delete", def.name);
        return 1;
    }
    if (table.reget(position) != NoError) {
        RecordErrorState();
        ShowStandardWarning(Warn::RecordFetchError, def.name);
        return 1;
    }
    if (const IntegrityRule* rule = ruleFor(def)) {
        if (!deleteDependants(def, linkValue(table, def.fieldIndex(rule->field)))) {
            tx.rollback();
            return 1;
        }
    }
    if (table.erase() != NoError) {
        RecordErrorState();
        ShowStandardWarning(Warn::RIDeleteError, def.name);
        return 1;
    }
    if (tx.commit() != NoError) {
        RecordErrorState();
        ShowStandardWarning(Warn::RIDeleteError, def.name);
        return 1;
    }
    return 0;
}

std::int32_t NextNumber(RecordFile& file, std::string_view keyName, std::string_view numberField,
                        std::string_view filter) {
    const TableDef& table = file.table();
    const KeyDef* key = table.key(keyName);
    const int field = table.fieldIndex(numberField);
    if (!key || field < 0)
        return 0;
    std::size_t leading = 0;
    while (leading < key->parts.size() && key->parts[leading].field != field)
        ++leading;
    // The caller's buffer is left as it was; the search reads into it.
    const RecordCopy saved(table, file.buffer());
    const RecordPosition savedPosition = file.position();
    const std::int64_t savedVersion = file.version();
    auto restore = [&]() {
        table.ops.copy(file.buffer(), saved.data());
        file.setReadState(savedPosition, savedVersion);
    };
    auto numberOf = [&]() {
        return std::get<std::int64_t>(table.fields[static_cast<std::size_t>(field)].get(file.buffer()));
    };
    auto matches = [&]() { return recordMatches(table, file.buffer(), filter); };

    setField(table, file.buffer(), field, std::int64_t{std::numeric_limits<std::int32_t>::max()});
    file.set(*key, true);
    std::int64_t highest = 0;
    if (file.previous() == NoError && matches())
        highest = numberOf();
    std::int64_t number = highest + 1;
    if (number >= kWalkFrom) {
        // Dense numbers (the usual case) have no gap to find: skip the walk.
        const bool wholeFile = leading == 0 && trim(filter).empty();
        // The numbers are unique, so 1..highest are all taken when the records
        // above zero number `highest` (the whole-file count is the quick one).
        const bool dense =
            wholeFile && file.records() - file.backend()->countBetween(
                                              field, std::numeric_limits<std::int64_t>::min(), 0) >=
                             highest;
        if (!dense) {
            table.ops.copy(file.buffer(), saved.data());
            file.setPrefix(*key, leading);
            std::int64_t count = 1;
            while (file.next() == NoError && matches()) {
                const std::int64_t n = numberOf();
                if (n < count)
                    continue; // zero and negative numbers are not in the count
                if (n != count)
                    break;
                ++count;
            }
            number = count;
        }
    }
    restore();
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(number, std::numeric_limits<std::int32_t>::max()));
}

} // namespace velkora::data
