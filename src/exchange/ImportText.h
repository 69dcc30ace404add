#pragma once
// Text import files: which code page they are in, and how a line is cut into
// columns, delimited or at fixed positions.
//
//   const TextEncoding enc = detectEncoding(bytes, /*oemBox=*/false);
//   TextRecords records(decodeText(bytes, enc), /*quoted=*/true);
//   for (std::string line; records.next(line);)
//       use(splitDelimited(line, ";", /*removeQuotes=*/true));

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::exchange {

enum class TextEncoding { Oem850, Utf8, Ansi1252 };

// The "OEM" box means CP850. Without it a file with a UTF-8 byte-order mark,
// or one that is valid UTF-8 throughout, is UTF-8; any other Windows-1252.
TextEncoding detectEncoding(std::string_view bytes, bool oemBox);
bool isValidUtf8(std::string_view bytes);
// The file's text as UTF-8, without a byte-order mark.
std::string decodeText(std::string_view bytes, TextEncoding encoding);

// The longest column text a delimited line gives.
inline constexpr std::size_t kColumnChars = 254;

// Cuts a line at every occurrence of `delimiter`, the rest after the last one
// being the last column; trailing blanks of the line are dropped first.
// Without `removeQuotes` quotes mean nothing. With it a column in double
// quotes keeps its delimiters and line breaks, "" inside stands for one
// quote, and the quotes around it go (the CSV convention).
std::vector<std::string> splitDelimited(std::string_view line, std::string_view delimiter, bool removeQuotes);

// A column of a fixed-length file: its first character (1-based) and length.
struct FixedColumn {
    int position = 0;
    int length = 0;
};
// The columns' texts, counted in characters, without surrounding blanks; a
// column past the end of the line is empty.
std::vector<std::string> splitFixed(std::string_view line, const std::vector<FixedColumn>& columns);

// The lines of a decoded text, without CR LF. With `quoted` a line break
// inside double quotes belongs to the line (a quoted CSV column).
class TextRecords {
public:
    TextRecords(std::string text, bool quoted) : text_(std::move(text)), quoted_(quoted) {}
    bool next(std::string& line);
    // How far reading has come, 0 to 1.
    double progress() const;

private:
    std::string text_;
    bool quoted_;
    std::size_t at_ = 0;
};

} // namespace velkora::exchange
