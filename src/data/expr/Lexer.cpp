#include "data/expr/Lexer.h"

#include <charconv>
#include <cstdio>
#include <system_error>

namespace velkora::expr {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isNameChar(char c) {
    return isLetter(c) || isDigit(c) || c == ':';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

Token make(TokenKind kind, std::size_t start, std::string text = {}) {
    Token token;
    token.kind = kind;
    token.position = start + 1;
    token.text = std::move(text);
    return token;
}

} // namespace

Token Lexer::next() {
    while (pos_ < source_.size() && isBlank(source_[pos_]))
        ++pos_;
    const std::size_t start = pos_;
    if (pos_ >= source_.size())
        return make(TokenKind::End, start);
    const char c = source_[pos_];
    if (isDigit(c) || (c == '.' && pos_ + 1 < source_.size() && isDigit(source_[pos_ + 1])))
        return readNumber(start);
    if (c == '\'')
        return readText(start);
    if (isLetter(c))
        return readName(start);

    const char following = pos_ + 1 < source_.size() ? source_[pos_ + 1] : '\0';
    auto single = [&](TokenKind kind) {
        ++pos_;
        return make(kind, start);
    };
    auto pair = [&](TokenKind kind) {
        pos_ += 2;
        return make(kind, start);
    };
    switch (c) {
    case '(':
        return single(TokenKind::LeftParen);
    case ')':
        return single(TokenKind::RightParen);
    case '[':
        return single(TokenKind::LeftBracket);
    case ']':
        return single(TokenKind::RightBracket);
    case ',':
        return single(TokenKind::Comma);
    case '&':
        return single(TokenKind::Ampersand);
    case '+':
        return single(TokenKind::Plus);
    case '-':
        return single(TokenKind::Minus);
    case '*':
        return single(TokenKind::Star);
    case '/':
        return single(TokenKind::Slash);
    case '=':
        return single(TokenKind::Equal);
    case '<':
        if (following == '>')
            return pair(TokenKind::NotEqual);
        if (following == '=')
            return pair(TokenKind::LessEqual);
        return single(TokenKind::Less);
    case '>':
        if (following == '=')
            return pair(TokenKind::GreaterEqual);
        return single(TokenKind::Greater);
    default:
        break;
    }
    ++pos_;
    char shown[32];
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F)
        std::snprintf(shown, sizeof shown, "unexpected character '%c'", c);
    else
        std::snprintf(shown, sizeof shown, "unexpected byte 0x%02X", byte);
    return make(TokenKind::Invalid, start, shown);
}

Token Lexer::readNumber(std::size_t start) {
    while (pos_ < source_.size() && isDigit(source_[pos_]))
        ++pos_;
    if (pos_ < source_.size() && source_[pos_] == '.') {
        ++pos_;
        while (pos_ < source_.size() && isDigit(source_[pos_]))
            ++pos_;
    }
    Token token = make(TokenKind::Number, start);
    // Digits with at most one point always parse; only the range can fail.
    const auto parsed = std::from_chars(source_.data() + start, source_.data() + pos_, token.number);
    if (parsed.ec != std::errc())
        return make(TokenKind::Invalid, start, "number out of range");
    return token;
}

Token Lexer::readText(std::size_t start) {
    std::string text;
    ++pos_;
    while (pos_ < source_.size()) {
        const char c = source_[pos_++];
        if (c != '\'') {
            text += c;
            continue;
        }
        if (pos_ < source_.size() && source_[pos_] == '\'') {
            text += '\'';
            ++pos_;
            continue;
        }
        return make(TokenKind::Text, start, std::move(text));
    }
    return make(TokenKind::Invalid, start, "text literal without closing quote");
}

Token Lexer::readName(std::size_t start) {
    while (pos_ < source_.size() && isNameChar(source_[pos_]))
        ++pos_;
    std::string name(source_.substr(start, pos_ - start));
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    if (name == "AND")
        return make(TokenKind::And, start);
    if (name == "OR")
        return make(TokenKind::Or, start);
    if (name == "NOT")
        return make(TokenKind::Not, start);
    return make(TokenKind::Name, start, std::move(name));
}

std::string describe(const Token& token) {
    switch (token.kind) {
    case TokenKind::End:
        return "end of expression";
    case TokenKind::Number:
        return "number";
    case TokenKind::Text:
        return "text literal";
    case TokenKind::Name:
        return "name " + token.text;
    case TokenKind::And:
        return "AND";
    case TokenKind::Or:
        return "OR";
    case TokenKind::Not:
        return "NOT";
    case TokenKind::LeftParen:
        return "'('";
    case TokenKind::RightParen:
        return "')'";
    case TokenKind::LeftBracket:
        return "'['";
    case TokenKind::RightBracket:
        return "']'";
    case TokenKind::Comma:
        return "','";
    case TokenKind::Ampersand:
        return "'&'";
    case TokenKind::Plus:
        return "'+'";
    case TokenKind::Minus:
        return "'-'";
    case TokenKind::Star:
        return "'*'";
    case TokenKind::Slash:
        return "'/'";
    case TokenKind::Equal:
        return "'='";
    case TokenKind::NotEqual:
        return "'<>'";
    case TokenKind::Less:
        return "'<'";
    case TokenKind::Greater:
        return "'>'";
    case TokenKind::LessEqual:
        return "'<='";
    case TokenKind::GreaterEqual:
        return "'>='";
    case TokenKind::Invalid:
        return token.text;
    }
    return {};
}

} // namespace velkora::expr
