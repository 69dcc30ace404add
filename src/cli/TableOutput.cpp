#include "cli/TableOutput.h"

#include <string_view>

namespace velkora::cli {
namespace {

void writeCsvField(std::ostream& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out << field;
        return;
    }
    out << '"';
    for (char c : field) {
        if (c == '"')
            out << '"';
        out << c;
    }
    out << '"';
}

void writeTabField(std::ostream& out, std::string_view field) {
    for (char c : field) {
        switch (c) {
        case '\t':
            out << "\\t";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\\':
            out << "\\\\";
            break;
        default:
            out << c;
        }
    }
}

} // namespace

void writeCsvRow(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out << ',';
        writeCsvField(out, fields[i]);
    }
    out << "\r\n";
}

void writeTabRow(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out << '\t';
        writeTabField(out, fields[i]);
    }
    out << '\n';
}

} // namespace velkora::cli
