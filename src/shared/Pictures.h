#pragma once
// Display pictures: how a value is shown in a list column or entry field and
// read back from what the user typed. Supported families:
//   @s n / @S n      text, cut to n characters
//   @n / N ...       numbers: [-][fill 0 or _]size[.places][B], e.g. @n_6B, @n-14, @n3, N05, N05B, N02,
//                    with the decimal and thousands separators of the language (1.234,50 in German)
//   @d17 / D17B      dates in the short date format (dd.MM.yyyy unless the environment says otherwise)
//   @T01 / T01B      times as hh:mm
// A trailing B shows zero as blank; a trailing justification letter (L, R, C)
// belongs to the column, not the value, and is ignored here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkora {

enum class PictureKind { Text, Number, Date, Time, Unknown };

struct Picture {
    PictureKind kind = PictureKind::Unknown;
    int size = 0;   // characters (text, number)
    int places = 0; // decimals (number)
    char fill = 0;  // '0', '_' or 0 (number)
    bool blankZero = false;
    bool leadingSign = false;
    int dateStyle = 17;  // the number after d (date)
    bool upperS = false; // @S rather than @s: the column is computed text
};

Picture parsePicture(std::string_view picture);

// The short date format; "dd.MM.yyyy" unless an environment file names another.
void setShortDateFormat(std::string format);
const std::string& shortDateFormat();

// The separators numbers are shown and read with; "," and "." (German)
// unless an environment file names others. 0 keeps the German one.
void setNumberSeparators(char decimal, char thousands);

std::string formatNumber(std::string_view picture, double value);
std::string formatDate(std::string_view picture, std::int32_t dayNumber);
std::string formatTime(std::string_view picture, std::int32_t clockValue);
// Formats a value held as text (a number, a day number or a clock value for
// those pictures) by the picture's kind.
std::string formatValue(std::string_view picture, std::string_view value);

// Reads what the user typed back into a value; nullopt when it does not fit.
std::optional<double> parseNumber(std::string_view picture, std::string_view text);
// 0 for an empty text; nullopt for a text that is no valid date.
std::optional<std::int32_t> parseDate(std::string_view text);
std::optional<std::int32_t> parseTime(std::string_view text);

} // namespace velkora
