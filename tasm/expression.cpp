#include "tasm/expression.h"

#include <strings.h>

#include "tasm/lexer.h"
#include "tasm/number.h"

namespace tasm {

namespace {

// Deeper nesting than this is not a program anyone writes; the limit keeps a
// line of 100 000 '(' from exhausting the stack.
constexpr int kMaxDepth = 64;

int64_t Wrap(uint64_t v) {
    return static_cast<int64_t>(v);
}

class CParser {
public:
    CParser(std::span<const CToken> tokens, const CExpressionContext& context, std::string* error)
        : m_tokens(tokens), m_context(context), m_pError(error) {}

    bool Parse(CValue* result) {
        if (!Binary(0, result)) return false;
        if (m_nPos < m_tokens.size()) return Fail("unexpected '" + Printable(Peek().text) + "'");
        return true;
    }

private:
    const CToken& Peek() const { return m_tokens[m_nPos]; }
    bool AtEnd() const { return m_nPos >= m_tokens.size(); }
    bool Fail(std::string text) {
        *m_pError = std::move(text);
        return false;
    }

    // Binding strength of the operator at the cursor; 0 when none.
    int Precedence() const {
        if (AtEnd() || Peek().kind != ETokenKind::Operator) return 0;
        const std::string& op = Peek().text;
        if (op == "||") return 1;
        if (op == "&&") return 2;
        if (op == "|") return 3;
        if (op == "^") return 4;
        if (op == "&") return 5;
        if (op == "==" || op == "!=") return 6;
        if (op == "<" || op == "<=" || op == ">" || op == ">=") return 7;
        if (op == "<<" || op == ">>") return 8;
        if (op == "+" || op == "-") return 9;
        if (op == "*" || op == "/" || op == "%") return 10;
        return 0;
    }

    bool Binary(int minPrecedence, CValue* left) {
        if (!Unary(left)) return false;
        for (int prec = Precedence(); prec > minPrecedence; prec = Precedence()) {
            std::string op = Peek().text;
            ++m_nPos;
            CValue right;
            if (!Binary(prec, &right)) return false;
            if (!Apply(op, left, right)) return false;
        }
        return true;
    }

    bool Apply(const std::string& op, CValue* left, const CValue& right) {
        if (!left->known || !right.known) {
            *left = CValue{0, false};
            return true;
        }
        uint64_t a = static_cast<uint64_t>(left->value);
        uint64_t b = static_cast<uint64_t>(right.value);
        int64_t& v = left->value;
        if (op == "+")
            v = Wrap(a + b);
        else if (op == "-")
            v = Wrap(a - b);
        else if (op == "*")
            v = Wrap(a * b);
        else if (op == "&")
            v = Wrap(a & b);
        else if (op == "|")
            v = Wrap(a | b);
        else if (op == "^")
            v = Wrap(a ^ b);
        else if (op == "||")
            v = (a != 0 || b != 0) ? 1 : 0;
        else if (op == "&&")
            v = (a != 0 && b != 0) ? 1 : 0;
        else if (op == "==")
            v = a == b ? 1 : 0;
        else if (op == "!=")
            v = a != b ? 1 : 0;
        else if (op == "<")
            v = left->value < right.value ? 1 : 0;
        else if (op == "<=")
            v = left->value <= right.value ? 1 : 0;
        else if (op == ">")
            v = left->value > right.value ? 1 : 0;
        else if (op == ">=")
            v = left->value >= right.value ? 1 : 0;
        else if (op == "<<" || op == ">>") {
            if (right.value < 0 || right.value > 63) return Fail("shift count out of range");
            v = op == "<<" ? Wrap(a << right.value) : v >> right.value;
        } else {
            if (right.value == 0) return Fail("division by zero");
            if (right.value == -1) {
                v = op == "/" ? Wrap(0 - a) : 0;  // avoids the one overflowing division
            } else {
                v = op == "/" ? v / right.value : v % right.value;
            }
        }
        return true;
    }

    bool Unary(CValue* result) {
        if (++m_nDepth > kMaxDepth) return Fail("expression nested too deeply");
        bool ok = UnaryInner(result);
        --m_nDepth;
        return ok;
    }

    bool UnaryInner(CValue* result) {
        if (AtEnd()) return Fail("operand expected");
        const CToken& t = Peek();
        // Where an operand is due, '%' right before digits makes a binary
        // number (%0101); after an operand it is the remainder.
        if (t.Is("%") && m_nPos + 1 < m_tokens.size() &&
            m_tokens[m_nPos + 1].kind == ETokenKind::Number &&
            m_tokens[m_nPos + 1].begin == t.end) {
            std::string text = "%" + m_tokens[m_nPos + 1].text;
            m_nPos += 2;
            auto value = ParseNumber(text, m_context.Radix());
            if (!value) return Fail("bad number '" + Printable(text) + "'");
            *result = CValue{*value, true};
            return true;
        }
        bool isHigh = t.kind == ETokenKind::Identifier && strcasecmp(t.text.c_str(), "HIGH") == 0;
        bool isLow = t.kind == ETokenKind::Identifier && strcasecmp(t.text.c_str(), "LOW") == 0;
        if (t.Is("-") || t.Is("+") || t.Is("~") || t.Is("!") || isHigh || isLow) {
            std::string op = t.text;
            ++m_nPos;
            if (!Unary(result)) return false;
            uint64_t v = static_cast<uint64_t>(result->value);
            if (op == "-")
                result->value = Wrap(0 - v);
            else if (op == "~")
                result->value = Wrap(~v);
            else if (op == "!")
                result->value = v == 0 ? 1 : 0;
            else if (isHigh)
                result->value = static_cast<int64_t>((v >> 8) & 0xFF);
            else if (isLow)
                result->value = static_cast<int64_t>(v & 0xFF);
            return true;
        }
        return Primary(result);
    }

    bool Primary(CValue* result) {
        const CToken& t = Peek();
        ++m_nPos;
        switch (t.kind) {
            case ETokenKind::Number: {
                auto value = ParseNumber(t.text, m_context.Radix());
                if (!value) return Fail("bad number '" + Printable(t.text) + "'");
                *result = CValue{*value, true};
                return true;
            }
            case ETokenKind::Dollar:
                *result = CValue{m_context.CurrentAddress(), true};
                return true;
            case ETokenKind::Identifier:
                return m_context.LookUp(t.text, result, m_pError);
            case ETokenKind::String:
                return Fail("a string is not a value here");
            case ETokenKind::Operator:
                if (t.text != "(") return Fail("unexpected '" + t.text + "'");
                if (!Binary(0, result)) return false;
                if (AtEnd() || !Peek().Is(")")) return Fail("')' missing");
                ++m_nPos;
                return true;
        }
        return Fail("operand expected");
    }

    std::span<const CToken> m_tokens;
    const CExpressionContext& m_context;
    std::string* m_pError;
    size_t m_nPos = 0;
    int m_nDepth = 0;
};

}  // namespace

bool Evaluate(std::span<const CToken> tokens, const CExpressionContext& context, CValue* result,
              std::string* error) {
    return CParser(tokens, context, error).Parse(result);
}

}  // namespace tasm
