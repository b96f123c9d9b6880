#include "tasm/symbol_table.h"

namespace tasm {

CSymbol* CSymbolTable::Find(const std::string& name) {
    auto it = m_symbols.find(name);
    return it == m_symbols.end() ? nullptr : &it->second;
}

const CSymbol* CSymbolTable::Find(const std::string& name) const {
    auto it = m_symbols.find(name);
    return it == m_symbols.end() ? nullptr : &it->second;
}

CSymbol& CSymbolTable::Add(const std::string& name, const CSymbol& symbol, bool* added) {
    auto [it, inserted] = m_symbols.try_emplace(name, symbol);
    *added = inserted;
    return it->second;
}

void CSymbolTable::ForgetVariables() {
    for (auto& [name, symbol] : m_symbols) {
        if (symbol.kind == ESymbolKind::Variable) symbol.known = false;
    }
}

}  // namespace tasm
