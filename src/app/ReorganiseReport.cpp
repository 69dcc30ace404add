#include "app/ReorganiseReport.h"

#include "i18n/Messages.h"
#include "shared/Text.h"

#include <string>

namespace velkora::app {

Prompt reorganiseReport(const data::ReorganiseSummary& summary) {
    Prompt prompt =
        i18n::messagePrompt("M.ADR_REORGANISED", Icon::Information,
                            "Data maintenance has finished. Addresses read: %1, of them unreadable: %2.");
    prompt.text =
        fillArguments(prompt.text, {std::to_string(summary.records), std::to_string(summary.unreadable)});
    return prompt;
}

} // namespace velkora::app
