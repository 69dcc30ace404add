#pragma once
// What a bound name refers to: a variable of the caller or a field of a record.

#include "data/expr/FieldSource.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace velkora::expr {

struct Binding {
    enum class Kind : std::uint8_t { Text, Long, Real, Field };
    Kind kind = Kind::Text;
    const void* target = nullptr; // the variable, or the FieldSource
    std::size_t field = 0;        // the field's index in its FieldSource
};

} // namespace velkora::expr
