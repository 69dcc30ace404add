#pragma once
// Splits an expression text into tokens. Keywords (AND, OR, NOT) and names
// are case-insensitive; names may carry colons ("ADR:NAME1",
// "BRW7::Sort1:Reset:ORT:OKEY").

#include <cstddef>
#include <string>
#include <string_view>

namespace velkora::expr {

enum class TokenKind {
    End,
    Number,
    Text, // a quoted literal, with '' already turned into '
    Name, // upper-cased
    And,
    Or,
    Not,
    LeftParen,
    RightParen,
    LeftBracket,
    RightBracket,
    Comma,
    Ampersand,
    Plus,
    Minus,
    Star,
    Slash,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Invalid, // `text` says why
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t position = 0; // 1-based byte offset in the expression, for messages
    std::string text;
    double number = 0;
};

class Lexer {
public:
    explicit Lexer(std::string_view source) : source_(source) {}
    Token next();

private:
    Token readNumber(std::size_t start);
    Token readText(std::size_t start);
    Token readName(std::size_t start);

    std::string_view source_;
    std::size_t pos_ = 0;
};

// How a token is shown in an error text.
std::string describe(const Token& token);

} // namespace velkora::expr
