#pragma once
// Builds a TableDef from field declarations and keys named by their fields
// (used by Tables.cpp; "-DATUM" marks a descending component).

#include "data/Schema.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace velkora::data {

enum KeyFlags : unsigned { Duplicates = 0, Unique = 1, Primary = 2, Optional = 4 };

struct KeySpec {
    std::string_view name;
    std::vector<std::string_view> parts;
    unsigned flags = Duplicates;
};

TableDef buildTable(std::string_view name, std::string_view prefix, FileLocation location,
                    std::vector<FieldDef> fields, std::initializer_list<KeySpec> keys, RecordOps ops);
// The table with the orders its lists offer beyond its keys, each named by its fields like a key.
TableDef withListOrders(TableDef table, std::initializer_list<std::vector<std::string_view>> orders);

template <class R> RecordOps recordOps() {
    return RecordOps{
        []() -> void* { return new R(); },
        [](void* r) { delete static_cast<R*>(r); },
        [](void* to, const void* from) { *static_cast<R*>(to) = *static_cast<const R*>(from); },
    };
}

} // namespace velkora::data
