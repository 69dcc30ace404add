#include "documents/PlaceholderValues.h"

#include "data/files/CodePage.h"
#include "documents/RtfText.h"
#include "shared/Text.h"

namespace velkora::documents {

std::string PlaceholderValues::value(const std::string& expression) {
    auto it = compiled_.find(expression);
    if (it == compiled_.end())
        it = compiled_.emplace(expression, expr::Expression(files::ansiToUtf8(expression))).first;
    std::string result = evaluator_.evaluate(it->second);
    if (evaluator_.errorCode() != expr::ErrorCode::None) {
        result.clear();
        if (showErrors_)
            result = "[" + std::to_string(static_cast<int>(evaluator_.errorCode())) + "] " +
                     clip(evaluator_.errorText());
    }
    return clip(cutChars(result, kValueSize));
}

std::string PlaceholderValues::rtf(const std::string& expression) {
    return rtfText(value(expression));
}

} // namespace velkora::documents
