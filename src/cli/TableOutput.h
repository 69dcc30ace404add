#pragma once
// Rows for scripts and spreadsheets: RFC 4180 CSV, and tab-separated lines
// in which tab, line break and backslash are escaped (\t \n \r \\), so every
// record stays on one line whatever its memo holds.

#include <ostream>
#include <string>
#include <vector>

namespace velkora::cli {

void writeCsvRow(std::ostream& out, const std::vector<std::string>& fields);
void writeTabRow(std::ostream& out, const std::vector<std::string>& fields);

} // namespace velkora::cli
