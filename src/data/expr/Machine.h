#pragma once
// Runs a compiled Program over resolved bindings.

#include "data/expr/Binding.h"
#include "data/expr/ErrorCode.h"
#include "data/expr/Program.h"
#include "data/expr/Value.h"

#include <string>
#include <vector>

namespace velkora::expr {

class Machine {
public:
    // `bindings[i]` is what program.names[i] is bound to. On success the
    // value is left in `result`; otherwise `errorText` says what failed.
    ErrorCode run(const Program& program, const std::vector<const Binding*>& bindings, std::string& result,
                  std::string& errorText);

private:
    // Slots beyond the top keep their text buffers for the next run.
    std::vector<Value> stack_;
};

} // namespace velkora::expr
