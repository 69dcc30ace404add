#pragma once
// Error codes of the expression evaluator. Callers show them as
// "[" code "] " text, so they stay stable.

namespace velkora::expr {

enum class ErrorCode : int {
    None = 0,
    Syntax = 800,          // the text is not a well-formed expression
    UnknownName = 801,     // a name that is not bound
    UnknownFunction = 802, // a function the evaluator does not know
    ArgumentCount = 803,   // a function called with too few or too many arguments
    DivisionByZero = 804,
    TooComplex = 805, // nested deeper than the evaluator follows
    TooLong = 806,    // a text result beyond the evaluator's limit
};

// The code as callers show it.
constexpr int number(ErrorCode code) {
    return static_cast<int>(code);
}

} // namespace velkora::expr
