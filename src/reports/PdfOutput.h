#pragma once
// The way core code writes a report as a PDF file. Drawing pages needs a
// graphics library the core does not link; a program that offers PDF
// output installs the writer of reports/pages at its start:
//
//   velkora::reports::pdfOutput() = velkora::reports::writePdf;

#include "reports/Report.h"

#include <functional>
#include <string>

namespace velkora::reports {

// Writes the report to the file; "" when written, else the problem.
using PdfOutput = std::function<std::string(const Report& report, const std::string& file)>;

// Empty until a program installs one.
PdfOutput& pdfOutput();

} // namespace velkora::reports
