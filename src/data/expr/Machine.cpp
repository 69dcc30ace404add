#include "data/expr/Machine.h"

#include "data/expr/Functions.h"
#include "shared/Text.h"

#include <span>

namespace velkora::expr {
namespace {

void load(Value& slot, const Binding& binding) {
    switch (binding.kind) {
    case Binding::Kind::Text:
        slot.setBorrowed(*static_cast<const std::string*>(binding.target));
        return;
    case Binding::Kind::Long:
        slot.setNumber(*static_cast<const std::int32_t*>(binding.target));
        return;
    case Binding::Kind::Real:
        slot.setNumber(*static_cast<const double*>(binding.target));
        return;
    case Binding::Kind::Field: {
        const FieldValue value = static_cast<const FieldSource*>(binding.target)->fieldValue(binding.field);
        if (value.isNumber)
            slot.setNumber(value.number);
        else
            slot.setBorrowed(value.text);
        return;
    }
    }
}

// text[position]: one character, or empty outside the text.
void index(Value& text, const Value& position) {
    const double wanted = toNumber(position);
    const std::string digits = text.isNumber ? formatNumber(text.number) : std::string();
    const std::string_view whole = text.isNumber ? std::string_view(digits) : text.text();
    std::string character;
    // A position never exceeds the byte count, which also keeps the cast in range.
    if (wanted >= 1 && wanted <= double(whole.size()))
        character = subChars(whole, static_cast<std::size_t>(wanted), 1);
    text.setOwned(text.caseless) = std::move(character);
}

bool concat(Value& left, const Value& right) {
    if (!left.isOwned) {
        // The slot's own buffer takes the left text, so it is reused next time.
        const bool wasNumber = left.isNumber;
        const double number = left.number;
        const std::string_view borrowed = left.borrowed;
        std::string& joined = left.setOwned(left.caseless);
        if (wasNumber)
            appendNumber(joined, number);
        else
            joined.append(borrowed);
    }
    appendText(left.owned, right);
    left.caseless = left.caseless || right.caseless;
    return left.owned.size() <= kMaxTextBytes;
}

bool compare(Op op, const Value& left, const Value& right) {
    const int order = compareValues(left, right);
    switch (op) {
    case Op::Equal:
        return order == 0;
    case Op::NotEqual:
        return order != 0;
    case Op::Less:
        return order < 0;
    case Op::Greater:
        return order > 0;
    case Op::LessEqual:
        return order <= 0;
    default:
        return order >= 0;
    }
}

} // namespace

ErrorCode Machine::run(const Program& program, const std::vector<const Binding*>& bindings,
                       std::string& result, std::string& errorText) {
    if (stack_.size() < program.maxStack)
        stack_.resize(program.maxStack);
    std::size_t top = 0; // number of values on the stack
    const auto& code = program.code;
    for (std::size_t pc = 0; pc < code.size(); ++pc) {
        const Instruction& instruction = code[pc];
        switch (instruction.op) {
        case Op::PushNumber:
            stack_[top++].setNumber(program.numbers[instruction.arg]);
            break;
        case Op::PushText:
            stack_[top++].setBorrowed(program.texts[instruction.arg]);
            break;
        case Op::PushName:
            load(stack_[top++], *bindings[instruction.arg]);
            break;
        case Op::Index:
            --top;
            index(stack_[top - 1], stack_[top]);
            break;
        case Op::Negate:
            stack_[top - 1].setNumber(-toNumber(stack_[top - 1]));
            break;
        case Op::ToNumber:
            stack_[top - 1].setNumber(toNumber(stack_[top - 1]));
            break;
        case Op::Add:
        case Op::Subtract:
        case Op::Multiply:
        case Op::Divide: {
            --top;
            const double left = toNumber(stack_[top - 1]), right = toNumber(stack_[top]);
            double value = 0;
            switch (instruction.op) {
            case Op::Add:
                value = left + right;
                break;
            case Op::Subtract:
                value = left - right;
                break;
            case Op::Multiply:
                value = left * right;
                break;
            default:
                if (right == 0) {
                    errorText = "Division by zero";
                    return ErrorCode::DivisionByZero;
                }
                value = left / right;
            }
            stack_[top - 1].setNumber(value);
            break;
        }
        case Op::Concat:
            --top;
            if (!concat(stack_[top - 1], stack_[top])) {
                errorText = "Text longer than " + std::to_string(kMaxTextBytes) + " bytes";
                return ErrorCode::TooLong;
            }
            break;
        case Op::Equal:
        case Op::NotEqual:
        case Op::Less:
        case Op::Greater:
        case Op::LessEqual:
        case Op::GreaterEqual:
            --top;
            stack_[top - 1].setNumber(compare(instruction.op, stack_[top - 1], stack_[top]) ? 1 : 0);
            break;
        case Op::Not:
            stack_[top - 1].setNumber(isTrue(stack_[top - 1]) ? 0 : 1);
            break;
        case Op::AndJump:
        case Op::OrJump: {
            const bool value = isTrue(stack_[top - 1]);
            if (value == (instruction.op == Op::OrJump)) {
                stack_[top - 1].setNumber(value ? 1 : 0);
                pc = instruction.arg - 1; // the loop steps on to the target
            } else {
                --top;
            }
            break;
        }
        case Op::ToBool:
            stack_[top - 1].setNumber(isTrue(stack_[top - 1]) ? 1 : 0);
            break;
        case Op::Call: {
            const Function& function = functions()[instruction.arg];
            top -= instruction.argc;
            const ErrorCode code = function.apply(std::span<Value>(stack_.data() + top, instruction.argc));
            ++top;
            if (code != ErrorCode::None) {
                errorText = std::string("Result of ") + std::string(function.name) + " too long";
                return code;
            }
            break;
        }
        }
    }
    result.clear();
    appendText(result, stack_[0]);
    return ErrorCode::None;
}

} // namespace velkora::expr
