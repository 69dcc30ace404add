#pragma once
// The values of template placeholders: each expression is compiled once per
// run and evaluated against the bindings in effect. A value is cut to 79
// characters, loses its trailing blanks and is written as RTF text. A failed
// evaluation gives nothing, or "[" code "] " text when errors are to be shown.

#include "data/expr/Evaluator.h"

#include <string>
#include <unordered_map>

namespace velkora::documents {

inline constexpr std::size_t kValueSize = 79;

class PlaceholderValues {
public:
    PlaceholderValues(expr::Evaluator& evaluator, bool showErrors)
        : evaluator_(evaluator), showErrors_(showErrors) {}

    // The value as the document shows it (plain text, before RTF escaping).
    std::string value(const std::string& expression);
    // The value of `expression` (template bytes, Windows-1252) as RTF.
    std::string rtf(const std::string& expression);

private:
    expr::Evaluator& evaluator_;
    bool showErrors_;
    std::unordered_map<std::string, expr::Expression> compiled_;
};

} // namespace velkora::documents
