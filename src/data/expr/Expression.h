#pragma once
// A compiled expression: parsed once, evaluated many times by an Evaluator
// (the mailing-list selection evaluates one condition per address).
// Compiling checks the syntax and the functions; names are looked up when
// the expression is evaluated, so bindings may be made after compiling.
//
// Not for concurrent use: an Expression remembers where its names were found
// by the evaluator that ran it last, so each thread compiles its own.

#include "data/expr/ErrorCode.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::expr {

struct Program;
struct Binding;

class Expression {
public:
    explicit Expression(std::string_view text);
    ~Expression();
    Expression(const Expression& other);
    Expression& operator=(const Expression& other);
    Expression(Expression&&) noexcept;
    Expression& operator=(Expression&&) noexcept;

    bool ok() const { return errorCode_ == ErrorCode::None; }
    // The syntax error found while compiling (None when the text compiled).
    ErrorCode errorCode() const { return errorCode_; }
    const std::string& errorText() const { return errorText_; }

private:
    friend class Evaluator;

    std::shared_ptr<const Program> program_;
    ErrorCode errorCode_ = ErrorCode::None;
    std::string errorText_;
    // Where each name of the program was found, valid for one evaluator and
    // as long as its bindings have not changed.
    mutable std::uint64_t resolvedBy_ = 0;
    mutable std::uint64_t resolvedGeneration_ = 0;
    mutable std::vector<const Binding*> resolved_;
};

} // namespace velkora::expr
