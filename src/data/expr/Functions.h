#pragma once
// The built-in functions, with the runtime's meanings:
//   INSTRING(sub, text [, step [, start]])  step number of the first match, 0 if none
//   LEN(text)              length in characters, trailing blanks included
//   CLIP(text)             without trailing blanks
//   UPPER(text), LOWER(text)
//   SUB(text, start, length)  a part; a negative start counts from the end
//   LEFT(text [, length])  leading blanks moved to the end (left-justified)
//   RIGHT(text [, length]) trailing blanks moved to the front (right-justified)
// Positions and lengths count characters, never bytes.

#include "data/expr/ErrorCode.h"
#include "data/expr/Value.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velkora::expr {

struct Function {
    std::string_view name;
    std::uint8_t minArgs;
    std::uint8_t maxArgs;
    // Reads the arguments and leaves the result in the first of them.
    ErrorCode (*apply)(std::span<Value> args);
};

std::span<const Function> functions();
// The index of the function called `upperName`, or -1.
int findFunction(std::string_view upperName);

} // namespace velkora::expr
