#pragma once
// Rows of a CSV text as LibreOffice writes them (RFC 4180 quoting, any
// separator); a line break inside quotes stays part of the field.

#include <string>
#include <vector>

namespace velkora::test {

std::vector<std::vector<std::string>> parseCsv(const std::string& text, char separator = ',');

} // namespace velkora::test
