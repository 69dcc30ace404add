#pragma once
// A compiled expression: postfix instructions for a value stack. Running it
// needs no recursion, so long chains ("1+1+...") cannot exhaust the stack,
// and AND/OR jump over the side they do not need.

#include <cstdint>
#include <string>
#include <vector>

namespace velkora::expr {

enum class Op : std::uint8_t {
    PushNumber, // numbers[arg]
    PushText,   // texts[arg]
    PushName,   // the value bound to names[arg]
    Index,      // text[position]: one character
    Negate,
    ToNumber, // unary +
    Add,
    Subtract,
    Multiply,
    Divide,
    Concat,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Not,
    // AND/OR: when the left side decides, leave 0/1 and jump to arg;
    // otherwise drop it and go on with the right side.
    AndJump,
    OrJump,
    ToBool, // 0 or 1 from the right side of AND/OR
    Call,   // functions()[arg] with argc arguments on the stack
};

struct Instruction {
    Op op;
    std::uint8_t argc = 0;
    std::uint32_t arg = 0;
};

struct Program {
    std::vector<Instruction> code;
    std::vector<double> numbers;
    std::vector<std::string> texts;
    std::vector<std::string> names; // upper-cased, each once
    std::size_t maxStack = 0;
};

} // namespace velkora::expr
