#pragma once
// Turns an expression text into a Program. Precedence, loosest first:
// OR; AND; NOT; comparisons; &; + -; * /; unary - +; [position]; operands.

#include "data/expr/ErrorCode.h"
#include "data/expr/Program.h"

#include <string>
#include <string_view>

namespace velkora::expr {

// Deepest nesting of parentheses, calls and unary operators that compiles;
// beyond it the text is refused rather than risking the stack.
inline constexpr int kMaxNesting = 100;

struct CompileResult {
    Program program;
    ErrorCode errorCode = ErrorCode::None;
    std::string errorText;
};

CompileResult compileExpression(std::string_view text);

} // namespace velkora::expr
