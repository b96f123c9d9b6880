#pragma once
// The program's own symbols: labels, EQU/CBLOCK constants and SET variables.
// Case-sensitive. The first pass fills it, the second checks every
// definition against the first and fills in values the first pass could not
// know yet.
#include <cstdint>
#include <string>
#include <unordered_map>

namespace tasm {

enum class ESymbolKind { Label, Constant, Variable };

struct CSymbol {
    int64_t value = 0;
    bool known = false;
    bool failed = false;  // its definition was in error: a use is no new error
    ESymbolKind kind = ESymbolKind::Label;
    uint64_t definedAt = 0;  // sequence number of the defining line
    int file = 0;            // where it was defined, for messages
    int line = 0;
};

class CSymbolTable {
public:
    CSymbol* Find(const std::string& name);
    const CSymbol* Find(const std::string& name) const;
    // Adds name unless it exists; returns the entry either way.
    CSymbol& Add(const std::string& name, const CSymbol& symbol, bool* added);
    // SET variables start every pass without a value, so a use before the
    // first SET of the pass is caught.
    void ForgetVariables();

    template <class Visit>
    void ForEach(Visit visit) const {
        for (const auto& [name, symbol] : m_symbols) visit(name, symbol);
    }

private:
    std::unordered_map<std::string, CSymbol> m_symbols;
};

}  // namespace tasm
