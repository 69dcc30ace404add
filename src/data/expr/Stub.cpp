#include "data/expr/Evaluator.h"

namespace velkora::expr {

struct Program {};
struct Evaluator::Bindings {};

Expression::Expression(std::string_view) : errorCode_(ErrorCode::Syntax), errorText_("not available yet") {}
Expression::~Expression() = default;
Expression::Expression(const Expression&) = default;
Expression& Expression::operator=(const Expression&) = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;

Evaluator::Evaluator() : bindings_(std::make_unique<Bindings>()) {}
Evaluator::~Evaluator() = default;
void Evaluator::bind(std::string_view, const std::string&) {}
void Evaluator::bind(std::string_view, const std::int32_t&) {}
void Evaluator::bind(std::string_view, const double&) {}
void Evaluator::bindRecord(const FieldSource&) {}
void Evaluator::unbind(std::string_view) {}
void Evaluator::pushScope() {}
void Evaluator::popScope() {}
std::string Evaluator::evaluate(std::string_view text) {
    return evaluate(Expression(text));
}
std::string Evaluator::evaluate(const Expression& expression) {
    errorCode_ = expression.errorCode();
    errorText_ = expression.errorText();
    return {};
}

} // namespace velkora::expr
