#pragma once
// What the reorganisation of the address file tells when it has finished:
// one message of the catalogue, shown by the window and printed by the tool.

#include "data/Reorganise.h"
#include "shared/Prompter.h"

namespace velkora::app {

// The message box ("M.ADR_REORGANISED") with the counts of `summary`.
Prompt reorganiseReport(const data::ReorganiseSummary& summary);

} // namespace velkora::app
