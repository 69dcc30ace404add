#pragma once
// One section of a template (the whole template, or a group's header or
// footer) made ready for expansion:
//   1. line joining: one CR LF at the very end goes, the remaining lines
//      are joined with nothing between them except one blank before the
//      last line. RTF readers ignore line breaks, and a placeholder that the
//      word processor broke across lines becomes whole again. A line break
//      does end an RTF control word, though ("\par" CR LF "Ende"), so where
//      joining would glue a control word to the next line, a blank (which
//      the reader takes as the control word's end and drops) stands between.
//   2. splitting at the placeholders "<#" expression "#>"; a "<#" without
//      "#>" drops the rest of the section.

#include <string>
#include <string_view>
#include <vector>

namespace velkora::documents {

inline constexpr std::string_view kPlaceholderStart = "<#";
inline constexpr std::string_view kPlaceholderEnd = "#>";
inline constexpr std::size_t kExpressionSize = 79;

std::string joinLines(std::string_view section);

// True when `text` ends in an RTF control word (\par, \fs24) that a
// following letter, digit, hyphen or blank would change.
bool endsInControlWord(std::string_view text);
// True when `next` begins with a character that would run on a control word.
bool continuesControlWord(std::string_view next);
// Appends `next` to `text`, with one blank between where `text` ends in a
// control word that `next` would run on: the reader takes the blank as the
// word's end and drops it ("\par" and "Herrn" give "\par Herrn").
void appendApartFromControlWord(std::string& text, std::string_view next);

struct SectionPiece {
    std::string literal;    // copied byte for byte
    std::string expression; // expanded after the literal; empty: none
    bool hasExpression = false;
};

struct PreparedSection {
    std::vector<SectionPiece> pieces;
};

// Joins the lines of `section` and splits it at its placeholders; each
// expression is cut to kExpressionSize bytes.
PreparedSection prepareSection(std::string_view section);

} // namespace velkora::documents
