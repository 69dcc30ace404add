#include "data/expr/Evaluator.h"

#include "data/expr/Binding.h"
#include "data/expr/Machine.h"

#include <atomic>
#include <optional>
#include <unordered_map>
#include <vector>

namespace velkora::expr {
namespace {

std::string upperName(std::string_view name) {
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return upper;
}

// Told apart by number rather than address, so an evaluator created where
// an old one lived is never mistaken for it.
std::atomic<std::uint64_t> lastEvaluatorId{0};

} // namespace

struct Evaluator::Bindings {
    // Node-based: a Binding stays where it is until its name is unbound.
    std::unordered_map<std::string, Binding> byName;
    // What each change inside a scope replaced, to be restored by popScope().
    struct Undo {
        std::string name;
        std::optional<Binding> previous;
    };
    std::vector<Undo> undo;
    std::vector<std::size_t> scopeStarts;
    // Changes on every bind/unbind, so compiled expressions look their names up again.
    std::uint64_t generation = 1;
    std::uint64_t id = ++lastEvaluatorId;
    Machine machine;

    void remember(const std::string& name) {
        if (scopeStarts.empty())
            return;
        const auto found = byName.find(name);
        undo.push_back({name, found == byName.end() ? std::nullopt : std::optional<Binding>(found->second)});
    }

    void set(std::string_view name, const Binding& binding) {
        std::string key = upperName(name);
        remember(key);
        byName.insert_or_assign(std::move(key), binding);
        ++generation;
    }
};

Evaluator::Evaluator() : bindings_(std::make_unique<Bindings>()) {}
Evaluator::~Evaluator() = default;

void Evaluator::bind(std::string_view name, const std::string& variable) {
    bindings_->set(name, {Binding::Kind::Text, &variable, 0});
}

void Evaluator::bind(std::string_view name, const std::int32_t& variable) {
    bindings_->set(name, {Binding::Kind::Long, &variable, 0});
}

void Evaluator::bind(std::string_view name, const double& variable) {
    bindings_->set(name, {Binding::Kind::Real, &variable, 0});
}

void Evaluator::bindRecord(const FieldSource& record) {
    for (std::size_t i = 0; i < record.fieldCount(); ++i)
        bindings_->set(record.fieldName(i), {Binding::Kind::Field, &record, i});
}

void Evaluator::unbind(std::string_view name) {
    const std::string key = upperName(name);
    bindings_->remember(key);
    bindings_->byName.erase(key);
    ++bindings_->generation;
}

void Evaluator::pushScope() {
    bindings_->scopeStarts.push_back(bindings_->undo.size());
}

void Evaluator::popScope() {
    auto& b = *bindings_;
    if (b.scopeStarts.empty())
        return;
    const std::size_t start = b.scopeStarts.back();
    b.scopeStarts.pop_back();
    for (std::size_t i = b.undo.size(); i-- > start;) {
        auto& undo = b.undo[i];
        if (undo.previous)
            b.byName.insert_or_assign(std::move(undo.name), *undo.previous);
        else
            b.byName.erase(undo.name);
    }
    b.undo.resize(start);
    ++b.generation;
}

std::string Evaluator::evaluate(std::string_view text) {
    return evaluate(Expression(text));
}

std::string Evaluator::evaluate(const Expression& expression) {
    errorCode_ = expression.errorCode();
    errorText_ = expression.errorText();
    if (!expression.ok())
        return {};
    auto& b = *bindings_;
    const Program& program = *expression.program_;
    if (expression.resolvedBy_ != b.id || expression.resolvedGeneration_ != b.generation) {
        expression.resolvedBy_ = 0;
        expression.resolved_.clear();
        for (const std::string& name : program.names) {
            const auto found = b.byName.find(name);
            if (found == b.byName.end()) {
                errorCode_ = ErrorCode::UnknownName;
                errorText_ = "Unknown name " + name;
                return {};
            }
            expression.resolved_.push_back(&found->second);
        }
        expression.resolvedBy_ = b.id;
        expression.resolvedGeneration_ = b.generation;
    }
    std::string result;
    errorCode_ = b.machine.run(program, expression.resolved_, result, errorText_);
    if (errorCode_ != ErrorCode::None)
        result.clear();
    return result;
}

} // namespace velkora::expr
