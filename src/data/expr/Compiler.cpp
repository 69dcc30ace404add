#include "data/expr/Compiler.h"

#include "data/expr/Functions.h"
#include "data/expr/Lexer.h"

#include <algorithm>
#include <unordered_map>

namespace velkora::expr {
namespace {

class Compiler {
public:
    explicit Compiler(std::string_view text) : lexer_(text) { advance(); }

    CompileResult run() {
        parseOr();
        if (!failed() && token_.kind != TokenKind::End)
            syntaxError("unexpected " + describe(token_));
        if (failed())
            result_.program = Program{};
        return std::move(result_);
    }

private:
    // Counts one level of nesting for as long as it lives.
    class Nesting {
    public:
        explicit Nesting(Compiler& compiler) : compiler_(compiler) {
            if (++compiler_.nesting_ > kMaxNesting && !compiler_.failed())
                compiler_.fail(ErrorCode::TooComplex, "Expression nested too deeply at position " +
                                                          std::to_string(compiler_.token_.position));
        }
        ~Nesting() { --compiler_.nesting_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        Compiler& compiler_;
    };

    bool failed() const { return result_.errorCode != ErrorCode::None; }

    // The first failure wins; later ones are consequences of it.
    void fail(ErrorCode code, std::string text) {
        if (failed())
            return;
        result_.errorCode = code;
        result_.errorText = std::move(text);
    }
    void syntaxError(const std::string& why) {
        fail(ErrorCode::Syntax, "Syntax error at position " + std::to_string(token_.position) + ": " + why);
    }

    void advance() {
        token_ = lexer_.next();
        if (token_.kind == TokenKind::Invalid)
            syntaxError(token_.text);
    }

    void expect(TokenKind kind, const char* what) {
        if (failed())
            return;
        if (token_.kind != kind)
            syntaxError(std::string(what) + " expected, found " + describe(token_));
        else
            advance();
    }

    // Emits one instruction and keeps track of the stack it needs.
    void emit(Op op, std::uint32_t arg = 0, int stackChange = 0, std::uint8_t argc = 0) {
        result_.program.code.push_back({op, argc, arg});
        depth_ += stackChange;
        result_.program.maxStack = std::max(result_.program.maxStack, static_cast<std::size_t>(depth_));
    }

    std::size_t here() const { return result_.program.code.size(); }
    void patchJump(std::size_t at) { result_.program.code[at].arg = static_cast<std::uint32_t>(here()); }

    // OR and AND evaluate their right side only when the left does not decide.
    template <typename Operand> void parseLogical(TokenKind keyword, Op jump, Operand operand) {
        operand();
        while (!failed() && token_.kind == keyword) {
            advance();
            const std::size_t jumpAt = here();
            emit(jump, 0, -1);
            operand();
            emit(Op::ToBool);
            patchJump(jumpAt);
        }
    }

    void parseOr() {
        parseLogical(TokenKind::Or, Op::OrJump, [this] { parseAnd(); });
    }
    void parseAnd() {
        parseLogical(TokenKind::And, Op::AndJump, [this] { parseNot(); });
    }

    void parseNot() {
        if (token_.kind != TokenKind::Not) {
            parseComparison();
            return;
        }
        Nesting nesting(*this);
        advance();
        if (failed())
            return;
        parseNot();
        emit(Op::Not);
    }

    // Binary operators of one precedence level, left-associative.
    template <typename Operand>
    void parseBinary(std::initializer_list<std::pair<TokenKind, Op>> operators, Operand operand) {
        operand();
        while (!failed()) {
            const auto match = std::find_if(operators.begin(), operators.end(),
                                            [&](const auto& entry) { return entry.first == token_.kind; });
            if (match == operators.end())
                return;
            advance();
            operand();
            emit(match->second, 0, -1);
        }
    }

    void parseComparison() {
        parseBinary({{TokenKind::Equal, Op::Equal},
                     {TokenKind::NotEqual, Op::NotEqual},
                     {TokenKind::Less, Op::Less},
                     {TokenKind::Greater, Op::Greater},
                     {TokenKind::LessEqual, Op::LessEqual},
                     {TokenKind::GreaterEqual, Op::GreaterEqual}},
                    [this] { parseConcat(); });
    }
    void parseConcat() {
        parseBinary({{TokenKind::Ampersand, Op::Concat}}, [this] { parseSum(); });
    }
    void parseSum() {
        parseBinary({{TokenKind::Plus, Op::Add}, {TokenKind::Minus, Op::Subtract}},
                    [this] { parseProduct(); });
    }
    void parseProduct() {
        parseBinary({{TokenKind::Star, Op::Multiply}, {TokenKind::Slash, Op::Divide}},
                    [this] { parseUnary(); });
    }

    void parseUnary() {
        if (token_.kind != TokenKind::Minus && token_.kind != TokenKind::Plus) {
            parsePostfix();
            return;
        }
        Nesting nesting(*this);
        const Op op = token_.kind == TokenKind::Minus ? Op::Negate : Op::ToNumber;
        advance();
        if (failed())
            return;
        parseUnary();
        emit(op);
    }

    void parsePostfix() {
        parsePrimary();
        while (!failed() && token_.kind == TokenKind::LeftBracket) {
            Nesting nesting(*this);
            advance();
            if (failed())
                return;
            parseOr();
            expect(TokenKind::RightBracket, "']'");
            emit(Op::Index, 0, -1);
        }
    }

    void parsePrimary() {
        if (failed())
            return;
        switch (token_.kind) {
        case TokenKind::Number:
            emit(Op::PushNumber, addConstant(result_.program.numbers, token_.number), 1);
            advance();
            return;
        case TokenKind::Text:
            emit(Op::PushText, addConstant(result_.program.texts, std::move(token_.text)), 1);
            advance();
            return;
        case TokenKind::Name:
            parseNameOrCall();
            return;
        case TokenKind::LeftParen: {
            Nesting nesting(*this);
            advance();
            if (failed())
                return;
            parseOr();
            expect(TokenKind::RightParen, "')'");
            return;
        }
        default:
            syntaxError("value expected, found " + describe(token_));
            return;
        }
    }

    void parseNameOrCall() {
        std::string name = std::move(token_.text);
        const std::size_t position = token_.position;
        advance();
        if (failed())
            return;
        if (token_.kind != TokenKind::LeftParen) {
            emit(Op::PushName, nameIndex(std::move(name)), 1);
            return;
        }
        const int function = findFunction(name);
        if (function < 0) {
            fail(ErrorCode::UnknownFunction,
                 "Unknown function " + name + " at position " + std::to_string(position));
            return;
        }
        Nesting nesting(*this);
        advance();
        std::size_t count = 0;
        if (!failed() && token_.kind != TokenKind::RightParen) {
            for (;;) {
                parseOr();
                ++count;
                if (failed() || token_.kind != TokenKind::Comma)
                    break;
                advance();
            }
        }
        expect(TokenKind::RightParen, "')' or ','");
        if (failed())
            return;
        const Function& called = functions()[static_cast<std::size_t>(function)];
        if (count < called.minArgs || count > called.maxArgs) {
            fail(ErrorCode::ArgumentCount,
                 std::string(called.name) + " takes " + std::to_string(called.minArgs) +
                     (called.minArgs == called.maxArgs ? "" : " to " + std::to_string(called.maxArgs)) +
                     (called.maxArgs == 1 ? " argument" : " arguments") + ", not " + std::to_string(count) +
                     " (position " + std::to_string(position) + ")");
            return;
        }
        emit(Op::Call, static_cast<std::uint32_t>(function), 1 - static_cast<int>(count),
             static_cast<std::uint8_t>(count));
    }

    template <typename T, typename U> static std::uint32_t addConstant(std::vector<T>& constants, U&& value) {
        constants.push_back(std::forward<U>(value));
        return static_cast<std::uint32_t>(constants.size() - 1);
    }

    std::uint32_t nameIndex(std::string&& name) {
        auto [entry, added] = nameIndexes_.try_emplace(name, result_.program.names.size());
        if (added)
            result_.program.names.push_back(std::move(name));
        return entry->second;
    }

    Lexer lexer_;
    Token token_;
    CompileResult result_;
    int depth_ = 0;
    int nesting_ = 0;
    std::unordered_map<std::string, std::uint32_t> nameIndexes_;
};

} // namespace

CompileResult compileExpression(std::string_view text) {
    return Compiler(text).run();
}

} // namespace velkora::expr
