#pragma once
// The integrity rules between tables: which dependants a delete cascades to
// (or is refused by) and which linking fields a key change is carried to,
// each in the order given.

#include "data/Schema.h"

#include <string_view>
#include <vector>

namespace velkora::data {

// The dependant records of a parent: `table` read by `key` where `field`
// equals the parent's linking field.
struct LinkStep {
    std::string_view table;
    std::string_view key;
    std::string_view field;
};

struct IntegrityRule {
    std::string_view parent;
    std::string_view field;      // the parent's linking field
    bool restrictDelete = false; // refuse the delete while dependants exist
    std::vector<LinkStep> onDelete;
    std::vector<LinkStep> onChange;
};

// The rule of a parent table; nullptr for tables without dependants.
const IntegrityRule* ruleFor(const TableDef& table);

} // namespace velkora::data
