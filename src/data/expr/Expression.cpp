#include "data/expr/Expression.h"

#include "data/expr/Compiler.h"

namespace velkora::expr {

Expression::Expression(std::string_view text) {
    CompileResult compiled = compileExpression(text);
    errorCode_ = compiled.errorCode;
    errorText_ = std::move(compiled.errorText);
    program_ = std::make_shared<const Program>(std::move(compiled.program));
}

Expression::~Expression() = default;
Expression::Expression(const Expression& other) = default;
Expression& Expression::operator=(const Expression& other) = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;

} // namespace velkora::expr
