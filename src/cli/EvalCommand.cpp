#include "cli/Commands.h"
#include "data/expr/Evaluator.h"

#include <deque>

namespace velkora::cli {
namespace {

constexpr std::string_view kBind = "--bind";

std::optional<UsageProblem> checkBindings(const ParsedArguments& arguments) {
    for (const std::string& binding : arguments.values(kBind))
        if (binding.find('=') == std::string::npos || binding.front() == '=')
            return UsageProblem{Msg::BindWithoutName, binding};
    return std::nullopt;
}

int evaluate(const Invocation& call) {
    expr::Evaluator evaluator;
    // The evaluator reads bound variables when it evaluates: keep them alive.
    std::deque<std::string> values;
    for (const std::string& binding : call.arguments.values(kBind)) {
        const std::size_t equals = binding.find('=');
        values.push_back(binding.substr(equals + 1));
        evaluator.bind(std::string_view(binding).substr(0, equals), values.back());
    }
    const std::string value = evaluator.evaluate(call.arguments.positional.front());
    if (evaluator.errorCode() != expr::ErrorCode::None) {
        call.err << '[' << static_cast<int>(evaluator.errorCode()) << "] " << evaluator.errorText() << '\n';
        return kFailed;
    }
    call.out << value << '\n';
    return kSuccess;
}

} // namespace

CommandSpec evalCommand() {
    return {"eval", Msg::EvalSummary, Msg::EvalHelp, {{kBind, OptionSpec::Kind::List}}, 1,
            1,      evaluate,         checkBindings};
}

} // namespace velkora::cli
