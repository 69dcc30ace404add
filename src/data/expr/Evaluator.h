#pragma once
// The expression evaluator: names bound to variables and record fields, and
// text expressions evaluated over them (conditions of filters and mailing
// lists, placeholders of templates, salutation templates).
//
// The language: string literals in single quotes ('' is a quote inside),
// numbers, bound names, "&" to join texts, + - * / on numbers, comparisons
// = <> < > <= >= (texts when both sides are texts, numbers otherwise; trailing
// blanks never count), NOT, AND, OR, parentheses, one character of a text by
// position (ADR:MERKM[2]) and the functions INSTRING, LEN, CLIP, UPPER, LOWER,
// SUB, LEFT and RIGHT. True is "1", false "0".
//
// Texts compare byte by byte, so case counts, as in the runtime. A text that
// comes from UPPER() or LOWER() shows its converted letters (UPPER('Müller')
// is "MÜLLER") but compares with the collation of the case-insensitive keys:
// umlauts fold onto their base letter and ß onto SS, so the filter
// UPPER(STR:OKEY) = UPPER(...) selects exactly what the key finds.
//
// An expression reads nothing but bound values: no file, process or
// environment access. Nothing throws out of evaluate(); failures set
// errorCode() and errorText().
//
// Bound variables and records are referenced, not copied: each must outlive
// its binding (use a BindingScope). One evaluator per thread.

#include "data/expr/ErrorCode.h"
#include "data/expr/Expression.h"
#include "data/expr/FieldSource.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace velkora::expr {

class Evaluator {
public:
    Evaluator();
    ~Evaluator();
    Evaluator(const Evaluator&) = delete;
    Evaluator& operator=(const Evaluator&) = delete;

    // Binds `name` (case-insensitive) to a variable; evaluations read its
    // value at that moment. A name bound again refers to the new variable.
    void bind(std::string_view name, const std::string& variable);
    void bind(std::string_view name, const std::int32_t& variable);
    void bind(std::string_view name, const double& variable);
    void bind(std::string_view name, std::string&&) = delete;
    void bind(std::string_view name, std::int32_t&&) = delete;
    void bind(std::string_view name, double&&) = delete;
    // Binds every field of `record` under its prefixed name. Memo fields are
    // bound by name separately with bind().
    void bindRecord(const FieldSource& record);
    void unbind(std::string_view name);

    // Opens a scope: bindings and unbindings made after it are undone by the
    // matching popScope(). A popScope() without an open scope does nothing.
    void pushScope();
    void popScope();

    // Evaluates `text` and returns its value as text ("" on error).
    std::string evaluate(std::string_view text);
    std::string evaluate(const Expression& expression);

    // The outcome of the last evaluate(): 0 / None when it succeeded.
    ErrorCode errorCode() const { return errorCode_; }
    const std::string& errorText() const { return errorText_; }

private:
    struct Bindings;
    std::unique_ptr<Bindings> bindings_;
    ErrorCode errorCode_ = ErrorCode::None;
    std::string errorText_;
};

// Opens a binding scope for the lifetime of the object.
class BindingScope {
public:
    explicit BindingScope(Evaluator& evaluator) : evaluator_(evaluator) { evaluator_.pushScope(); }
    ~BindingScope() { evaluator_.popScope(); }
    BindingScope(const BindingScope&) = delete;
    BindingScope& operator=(const BindingScope&) = delete;

private:
    Evaluator& evaluator_;
};

} // namespace velkora::expr
