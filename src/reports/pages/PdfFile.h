#pragma once
// A report as a PDF file, for programs without windows as well: when no
// application object runs yet, one is made that needs no display.

#include "reports/Report.h"

#include <string>

namespace velkora::reports {

// Lays the report out and writes it to `file`; "" when written, else the problem.
std::string writePdf(const Report& report, const std::string& file);

} // namespace velkora::reports
