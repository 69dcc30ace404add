#include "addresses/Salutation.h"

#include "data/expr/Evaluator.h"
#include "shared/FieldTypes.h"
#include "shared/Text.h"

namespace velkora {
namespace {

constexpr std::string_view kOpen = "<#";
constexpr std::string_view kClose = "#>";

void appendQuoted(std::string& expression, std::string_view literal) {
    expression.append(replaceAll(literal, "'", "''"));
}

// The names are held as CSTRING(64) values without trailing blanks.
std::string nameValue(std::string_view name) {
    return clip(toCStringField(name, kSalutationChars + 1));
}

} // namespace

std::string salutationExpression(std::string_view templateText) {
    std::string expression = "'";
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = templateText.find(kOpen, pos);
        if (open == std::string_view::npos) {
            appendQuoted(expression, templateText.substr(pos));
            break;
        }
        appendQuoted(expression, templateText.substr(pos, open - pos));
        expression += "'&";
        const std::size_t close = templateText.find(kClose, open + kOpen.size());
        if (close == std::string_view::npos) {
            expression.append(templateText.substr(open + kOpen.size()));
            break;
        }
        expression.append(templateText.substr(open + kOpen.size(), close - open - kOpen.size()));
        expression += "&'";
        pos = close + kClose.size();
    }
    return clip(expression) + "'";
}

std::string FormatName(std::string_view templateText, std::string_view name0, std::string_view name1,
                       std::string_view name2, std::string_view addition) {
    const std::string held = cutChars(templateText, kSalutationTemplateChars);
    const std::string values[] = {nameValue(name0), nameValue(name1), nameValue(name2), nameValue(addition)};
    // A fresh evaluator: the template reaches these four names and nothing else.
    expr::Evaluator evaluator;
    evaluator.bind("F:NAME0", values[0]);
    evaluator.bind("F:NAME1", values[1]);
    evaluator.bind("F:NAME2", values[2]);
    evaluator.bind("F:NAMEZ", values[3]);
    const std::string expanded = evaluator.evaluate(salutationExpression(held));
    return cutChars(evaluator.errorCode() == expr::ErrorCode::None ? expanded : held, kSalutationChars);
}

} // namespace velkora
