#pragma once
// Evaluates operand expressions with C precedence:
//   unary - + ~ ! HIGH LOW, then * / %, + -, << >>, < <= > >=, == !=, &, ^,
//   |, &&, ||; comparisons and logical operators give 1 or 0
// In the first pass a symbol may not be known yet; the result is then
// marked unknown instead of failing, so forward references work.
#include <cstdint>
#include <span>
#include <string>

#include "tasm/token.h"

namespace tasm {

struct CValue {
    int64_t value = 0;
    bool known = true;
};

class CExpressionContext {
public:
    virtual ~CExpressionContext() = default;
    virtual int Radix() const = 0;
    virtual int64_t CurrentAddress() const = 0;
    // Fills *value or returns false with *error set (undefined symbol).
    virtual bool LookUp(const std::string& name, CValue* value, std::string* error) const = 0;
};

// The tokens must form exactly one expression.
bool Evaluate(std::span<const CToken> tokens, const CExpressionContext& context, CValue* result,
              std::string* error);

}  // namespace tasm
