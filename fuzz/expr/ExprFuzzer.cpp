// Any text given to the evaluator yields a value or an error, never a crash,
// a hang or a sanitizer report; a compiled expression gives the same answer
// every time it runs.

#include "data/expr/Evaluator.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace velkora::expr;

class Record : public FieldSource {
public:
    std::size_t fieldCount() const override { return 4; }
    std::string_view fieldName(std::size_t index) const override {
        static constexpr std::string_view names[] = {"ADR:STATUS", "ADR:MERKM", "ADR:NAME1", "ADR:ADRNR"};
        return names[index];
    }
    FieldValue fieldValue(std::size_t index) const override {
        switch (index) {
        case 0:
            return FieldValue::ofText("2");
        case 1:
            return FieldValue::ofText("01001000");
        case 2:
            return FieldValue::ofText("Müller GmbH     ");
        default:
            return FieldValue::ofNumber(17);
        }
    }
};

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Record record;
    static const std::string name = "Straße ", memo(300, 'x');
    static const std::int32_t number = 42;
    static const double amount = -2.5;
    static Evaluator evaluator;
    static const bool bound = [] {
        evaluator.bindRecord(record);
        evaluator.bind("F:NAME1", name);
        evaluator.bind("M:MEMO", memo);
        evaluator.bind("LN:NUMBER", number);
        evaluator.bind("LD:AMOUNT", amount);
        return true;
    }();
    (void)bound;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Expression expression(text);
    const std::string first = evaluator.evaluate(expression);
    const ErrorCode code = evaluator.errorCode();
    require((code == ErrorCode::None) == evaluator.errorText().empty());
    require(code == ErrorCode::None || first.empty());
    // Once more from the compiled form, and once from the text.
    require(evaluator.evaluate(expression) == first && evaluator.errorCode() == code);
    require(evaluator.evaluate(text) == first && evaluator.errorCode() == code);
    return 0;
}
