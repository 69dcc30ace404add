#include "ui/layout/ListFormat.h"

#include <cctype>

namespace velkora::layout {
namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isJust(char c) {
    return c == 'L' || c == 'R' || c == 'C' || c == 'D';
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    bool take(char c) {
        if (peek() != c)
            return false;
        ++pos_;
        return true;
    }
    std::optional<int> number() {
        if (!isDigit(peek()))
            return std::nullopt;
        int n = 0;
        while (isDigit(peek())) {
            n = n * 10 + (text_[pos_++] - '0');
            if (n > 100000)
                return std::nullopt;
        }
        return n;
    }
    // Text up to the next `end`, which is consumed; nullopt when it is missing.
    std::optional<std::string> until(char end) {
        const std::size_t stop = text_.find(end, pos_);
        if (stop == std::string_view::npos)
            return std::nullopt;
        std::string out(text_.substr(pos_, stop - pos_));
        pos_ = stop + 1;
        return out;
    }
    // "(n)" after a justification letter.
    bool offset(std::optional<int>& out) {
        if (!take('('))
            return true;
        out = number();
        return out && take(')');
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool readColumn(Reader& in, ListColumn& col) {
    const auto width = in.number();
    if (!width || !isJust(in.peek()))
        return false;
    col.width = *width;
    col.just = in.peek();
    in.take(col.just);
    if (!in.offset(col.offset))
        return false;
    while (!in.atEnd() && in.peek() != '~' && in.peek() != '@') {
        col.flags += in.peek();
        in.take(in.peek());
    }
    if (in.take('~')) {
        const auto header = in.until('~');
        if (!header)
            return false;
        col.header = *header;
        if (isJust(in.peek())) {
            col.headerJust = in.peek();
            in.take(col.headerJust);
            if (!in.offset(col.headerOffset))
                return false;
        }
    }
    if (!in.take('@'))
        return false;
    const auto picture = in.until('@');
    if (!picture)
        return false;
    col.picture = *picture;
    if (in.take('#')) {
        const auto field = in.number();
        if (!field || !in.take('#'))
            return false;
        col.field = *field;
    }
    return true;
}

} // namespace

void ListColumn::setFlag(char flag, bool on) {
    const auto at = flags.find(flag);
    if (on && at == std::string::npos)
        flags += flag;
    else if (!on && at != std::string::npos)
        flags.erase(at, 1);
}

int ListFormat::fieldOf(std::size_t index) const {
    if (index >= columns.size())
        return 0;
    return columns[index].field != 0 ? columns[index].field : static_cast<int>(index) + 1;
}

int ListFormat::indexOfField(int field) const {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (fieldOf(i) == field)
            return static_cast<int>(i);
    return -1;
}

void ListFormat::normaliseFields() {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int field = fieldOf(i);
        columns[i].field = field == static_cast<int>(i) + 1 ? 0 : field;
    }
}

std::optional<ListFormat> parseListFormat(std::string_view text) {
    ListFormat format;
    Reader in(text);
    while (!in.atEnd()) {
        ListColumn col;
        if (!readColumn(in, col))
            return std::nullopt;
        format.columns.push_back(std::move(col));
    }
    if (format.columns.empty())
        return std::nullopt;
    return format;
}

std::string listFormatText(const ListFormat& format) {
    std::string out;
    const auto offset = [&out](const std::optional<int>& value) {
        if (value)
            out += '(' + std::to_string(*value) + ')';
    };
    for (const auto& col : format.columns) {
        out += std::to_string(col.width);
        out += col.just;
        offset(col.offset);
        out += col.flags;
        if (!col.header.empty() || col.headerJust != 0) {
            out += '~' + col.header + '~';
            if (col.headerJust != 0) {
                out += col.headerJust;
                offset(col.headerOffset);
            }
        }
        out += '@' + col.picture + '@';
        if (col.field != 0)
            out += '#' + std::to_string(col.field) + '#';
    }
    return out;
}

} // namespace velkora::layout
