#include "tasm/two_pass_assembler.h"

#include <algorithm>
#include <cstdio>

#include "tasm/chip_names.h"
#include "tasm/hex_writer.h"
#include "tasm/lexer.h"

namespace tasm {

namespace {

// A #define that expands into more tokens than this is a runaway.
constexpr size_t kMaxExpandedTokens = 10000;
constexpr int kMaxDefineNesting = 32;

bool IsKeyword(const std::string& name) {
    return FindInstruction(name) != nullptr || FindDirective(name) != EDirective::None;
}

// Directives whose name stands in front of them, wherever the line starts.
bool IsAssignment(const CToken& token) {
    if (token.Is("=")) return true;
    if (token.kind != ETokenKind::Identifier) return false;
    EDirective d = FindDirective(token.text);
    return d == EDirective::Equ || d == EDirective::Set || d == EDirective::Macro;
}

std::string Location(const std::string& file, int line) {
    return Printable(file, 200) + ":" + std::to_string(line);
}

}  // namespace

CTwoPassAssembler::CTwoPassAssembler(const CSourceFile& source, CIncludeSource* includes)
    : m_pIncludes(includes) {
    m_vFiles.push_back(
        CFile{source.name, source.key.empty() ? source.name : source.key, source.text});
}

CAssemblyResult CTwoPassAssembler::Run() {
    RunPass(1);
    RunPass(2);
    if (!m_bStopped && m_bInCblock) ReportAtEnd("CBLOCK without ENDC");
    AppendListingEnd(m_result.listing, m_result.errors, m_result.warnings);
    if (m_result.errors == 0) {
        m_result.object = WriteIntelHex(m_image);
        std::vector<std::string> names;
        for (const CFile& file : m_vFiles) names.push_back(file.name);
        m_result.map = WriteSourceMap(names, m_origins, MapSymbols(), m_fileAddresses);
    }
    return std::move(m_result);
}

void CTwoPassAssembler::RunPass(int pass) {
    m_nPass = pass;
    m_nSeq = 0;
    m_nRadix = 16;
    m_strChip = "16C84";
    m_setSilenced.clear();
    m_bNoWarnings = false;
    m_setReportedOnce.clear();
    m_bIncludeMissing = false;
    m_bBelowStartWarned = false;
    m_bank.Reset();
    m_bBeyondReported = false;
    m_vConditionals.clear();
    m_mapMacros.clear();
    m_pDefining = nullptr;
    m_nNestedDefinitions = 0;
    m_nExpandedLines = 0;
    m_nExpandedBytes = 0;
    m_nExpansions = 0;
    m_bExpandListing = true;
    m_nAddress = 0;
    m_bEnded = false;
    m_bInCblock = false;
    m_nCblockNext.reset();
    m_mapDefines.clear();
    m_image = CProgramImage();
    m_origins = CSourceMap();
    m_fileAddresses.fill(-1);
    m_setRegisterNames.clear();
    m_symbols.ForgetVariables();
    m_nPassBytes = m_vFiles[0].text.size();
    ProcessFile(0, 0);
    if (m_nPass == 2 && !m_bStopped) {
        if (m_pDefining) ReportAtEnd("MACRO without ENDM");
        if (!m_vConditionals.empty()) ReportAtEnd("IF without ENDIF");
    }
}

void CTwoPassAssembler::ProcessFile(int file, int depth) {
    m_vOpenFiles.push_back(file);
    std::string_view text = m_vFiles[file].text;
    size_t pos = 0;
    int lineNumber = 0;
    while (pos < text.size() && !m_bStopped) {
        size_t newline = text.find('\n', pos);
        size_t end = newline == std::string_view::npos ? text.size() : newline;
        std::string_view lineText = text.substr(pos, end - pos);
        if (!lineText.empty() && lineText.back() == '\r') lineText.remove_suffix(1);
        pos = end + 1;
        ++m_nSeq;
        CListingLine line;
        line.line = ++lineNumber;
        line.text = lineText;
        m_origin = CWordOrigin{file, lineNumber};
        std::optional<int> include;
        if (!m_bEnded) include = ProcessLine(line, depth);
        if (m_nPass == 2) Report(line, file);
        FollowLine(include, depth);
    }
    if (file == 0) m_nMainLines = lineNumber;
    m_vOpenFiles.pop_back();
}

// What the line just assembled asked for: a file to read or a macro to
// expand, after the line itself is in the listing.
void CTwoPassAssembler::FollowLine(std::optional<int> include, int depth) {
    if (include) {
        CWordOrigin origin = m_origin;
        m_vIncludedAt.push_back(origin);
        ProcessFile(*include, depth + 1);
        m_vIncludedAt.pop_back();
        m_origin = origin;
    }
    if (m_pendingExpansion) Expand(depth);
}

void CTwoPassAssembler::Report(const CListingLine& line, int file) {
    AppendListingLine(m_result.listing, line);
    for (const CDiagnostic& diagnostic : line.diagnostics) AddMessage(file, line.line, diagnostic);
    if (m_result.errors >= kMaxErrors && !m_bStopped) {
        m_bStopped = true;
        ReportAtEnd("too many errors; the rest of the source was not assembled");
    }
}

void CTwoPassAssembler::ReportAtEnd(const std::string& text) {
    CDiagnostic diagnostic{true, text};
    AppendListingDiagnostic(m_result.listing, diagnostic);
    AddMessage(0, m_nMainLines, diagnostic);
}

void CTwoPassAssembler::AddMessage(int file, int line, const CDiagnostic& diagnostic) {
    if (!diagnostic.message) ++(diagnostic.error ? m_result.errors : m_result.warnings);
    if (m_result.messages.size() < kMaxMessages) {
        std::string text = Location(m_vFiles[file].name, line) +
                           (diagnostic.error     ? ": error: "
                            : diagnostic.message ? ": message: "
                                                 : ": warning: ") +
                           diagnostic.text;
        // The main file's #include line that led here, so that it can be shown.
        if (file != 0 && !m_vIncludedAt.empty()) {
            const CWordOrigin& at = m_vIncludedAt.front();
            text += " (included from " + Location(m_vFiles[at.file].name, at.line) + ")";
        }
        m_result.messages.push_back(std::move(text));
    }
}

void CTwoPassAssembler::Error(std::string text) {
    // No text: the fault follows from one already reported where it began.
    if (m_nPass != 2 || text.empty()) return;
    // With an include file missing, the names it would have defined are one
    // fault each, not one on every line that uses them.
    bool missingName = text.rfind("undefined symbol '", 0) == 0 ||
                       text.rfind("unknown mnemonic, directive or macro '", 0) == 0;
    if (m_bIncludeMissing && missingName && !m_setReportedOnce.insert(text).second) return;
    if (!m_vExpansions.empty()) {
        const CExpansion& expansion = m_vExpansions.back();
        text += " (in macro " + Printable(expansion.name) + " at " +
                Location(m_vFiles[expansion.at->file].name, expansion.at->line) + ")";
        // A body line that reads the same at every invocation has one fault,
        // reported at the first; one that takes an argument may be wrong at
        // each invocation on its own.
        if (!expansion.substituted && !m_setReportedOnce.insert(text).second) return;
    }
    m_pLine->diagnostics.push_back(CDiagnostic{true, std::move(text)});
}

void CTwoPassAssembler::Warning(std::string text, int number) {
    if (m_nPass != 2 || m_bNoWarnings || m_setSilenced.count(number) != 0) return;
    m_pLine->diagnostics.push_back(CDiagnostic{false, std::move(text)});
}

bool CTwoPassAssembler::LookUp(const std::string& name, CValue* value, std::string* error) const {
    if (const CSymbol* symbol = m_symbols.Find(name)) {
        if (symbol->failed && m_nPass == 2) {
            error->clear();  // its definition's line carries the error
            return false;
        }
        if (symbol->known || m_nPass == 1) {
            *value = CValue{symbol->value, symbol->known};
            return true;
        }
        *error = "'" + Printable(name) + "' is used before it gets its value";
        return false;
    }
    if (auto chip = ChipNameValue(name, m_strChip)) {
        *value = CValue{*chip, true};
        return true;
    }
    if (m_nPass == 1) {
        *value = CValue{0, false};
        return true;
    }
    *error = "undefined symbol '" + Printable(name) + "'";
    return false;
}

std::optional<int> CTwoPassAssembler::ProcessLine(CListingLine& line, int depth) {
    m_pLine = &line;
    m_nLineAddress = m_nAddress;
    m_bLabelNeedsColon = false;
    std::string_view text = line.text;
    if (m_pDefining && CollectMacroLine(text)) return std::nullopt;
    if (ConditionalLine(text) || !Active()) return std::nullopt;
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    if (text[first] == '#') return HashLine(text, first, depth);
    size_t wordEnd = text.find_first_of(" \t;\"<", first);
    if (FindDirective(text.substr(first, wordEnd - first)) == EDirective::Include) {
        return Include(text.substr(std::min(wordEnd, text.size())), depth);
    }
    std::string error;
    if (!LexLine(text, m_vTokens, &error)) {
        Error(error);
        return std::nullopt;
    }
    if (m_vTokens.empty()) return std::nullopt;
    if (m_bInCblock && CblockLine()) return std::nullopt;

    // A label is a name followed by ':', or a name in column 1 that is no
    // mnemonic or directive; "NAME EQU value" may stand anywhere.
    const CToken& head = m_vTokens[0];
    std::string label;
    size_t from = 0;
    if (head.kind == ETokenKind::Identifier) {
        bool colon = m_vTokens.size() > 1 && m_vTokens[1].Is(":") && m_vTokens[1].begin == head.end;
        bool assignment = m_vTokens.size() > 1 && IsAssignment(m_vTokens[1]);
        if (colon) {
            label = head.text;
            from = 2;
        } else if (assignment || (head.begin == 0 && !IsKeyword(head.text))) {
            label = head.text;
            from = 1;
            m_bLabelNeedsColon = !assignment;
            m_nLabelEnd = head.end;
        }
    }
    if (!ExpandDefines(from)) {
        if (!label.empty()) DefineAddressLabel(label);
        return std::nullopt;
    }
    ProcessStatement(from, label);
    if (m_pendingExpansion) {
        // The arguments as written, up to the comment: they are text, put
        // into the body before it is read.
        const CToken& name = m_vTokens[from];
        std::string_view rest = text.substr(std::min(name.end, text.size()));
        rest = rest.substr(0, CommentStart(rest));
        if (text.substr(name.begin, name.end - name.begin) != name.text) {
            Error("a macro cannot be invoked through a #define");
            m_pendingExpansion.reset();
        } else {
            InvokeMacro(name.text, *m_pendingExpansion->macro, rest);
        }
    }
    return std::nullopt;
}

void CTwoPassAssembler::ProcessStatement(size_t from, const std::string& label) {
    if (from >= m_vTokens.size()) {
        if (!label.empty()) DefineAddressLabel(label);
        return;
    }
    const CToken& op = m_vTokens[from];
    if (op.Is("=")) {
        Assign(label, from + 1, ESymbolKind::Variable);
        return;
    }
    if (op.kind == ETokenKind::Identifier) {
        // A program's own macro wins over a pseudo-instruction of that name,
        // as older sources define SKPZ and the like themselves.
        if (auto macro = m_mapMacros.find(op.text); macro != m_mapMacros.end()) {
            if (!label.empty()) DefineAddressLabel(label);
            m_pendingExpansion = CExpansion{op.text, &macro->second, {}, nullptr, false, 0};
            return;
        }
        if (const CInstruction* instruction = FindInstruction(op.text)) {
            if (!label.empty()) DefineAddressLabel(label);
            Instruction(*instruction, from + 1);
            return;
        }
        if (const CPseudoInstruction* pseudo = FindPseudoInstruction(op.text)) {
            if (!label.empty()) DefineAddressLabel(label);
            PseudoInstruction(*pseudo, from + 1);
            return;
        }
        if (EDirective directive = FindDirective(op.text); directive != EDirective::None) {
            Directive(directive, label, from + 1);
            return;
        }
    }
    if (!label.empty()) DefineAddressLabel(label);
    if (op.kind == ETokenKind::Identifier) {
        Error("unknown mnemonic, directive or macro '" + Printable(op.text) + "'");
    } else {
        Error("mnemonic or directive expected instead of '" + Printable(op.text) + "'");
    }
}

void CTwoPassAssembler::DefineAddressLabel(const std::string& name) {
    m_pLine->hasAddress = true;
    m_pLine->address = static_cast<int>(m_nAddress);
    if (m_bLabelNeedsColon) m_pLine->colonAt = m_nLabelEnd;
    DefineSymbol(name, m_nAddress, true, ESymbolKind::Label);
    m_bank.Forget();  // a jump may come here in either bank
}

void CTwoPassAssembler::DefineSymbol(const std::string& name, int64_t value, bool known,
                                     ESymbolKind kind, bool failed) {
    CSymbol fresh;
    fresh.value = value;
    fresh.known = known;
    fresh.failed = failed;
    fresh.kind = kind;
    fresh.definedAt = m_nSeq;
    fresh.file = m_origin.file;
    fresh.line = m_origin.line;
    bool added = false;
    CSymbol& symbol = m_symbols.Add(name, fresh, &added);
    bool redefinable = kind == ESymbolKind::Variable && symbol.kind == ESymbolKind::Variable;
    if (!added && symbol.definedAt != m_nSeq && !redefinable) {
        Error("symbol '" + Printable(name) + "' is already defined at " +
              Location(m_vFiles[symbol.file].name, symbol.line));
        return;
    }
    symbol.value = value;
    symbol.known = known;
    symbol.failed = failed;
    // Symbols are case-sensitive: TrisA is a name of its own, only TRISA
    // itself hides the chip's.
    if (auto chip = ChipNameValue(name, m_strChip);
        chip && known && *chip != value && IsChipName(name)) {
        Warning("'" + name + "' hides the chip's own name of that name");
    }
}

void CTwoPassAssembler::EmitWord(std::optional<uint16_t> word) {
    if (m_nPass == 2 && IsEepromAddress(m_nAddress)) {
        int32_t& slot = m_image.eeprom[static_cast<size_t>(m_nAddress - kEepromStart)];
        if (slot != kUnusedWord) Error("data EEPROM byte already set");
        if (word) {
            slot = *word;
            m_pLine->words.push_back(*word);
        }
        if (!m_pLine->hasAddress) {
            m_pLine->hasAddress = true;
            m_pLine->address = static_cast<int>(m_nAddress);
        }
    } else if (m_nPass == 2) {
        if (m_nAddress >= kProgramWords || m_nAddress < 0) {
            if (!m_bBeyondReported) {
                Error(m_nAddress >= kEepromStart ? "data beyond the data EEPROM (0x2100-0x213F)"
                                                 : "code beyond word 1023");
            }
            m_bBeyondReported = true;
        } else {
            if (!m_pLine->hasAddress) {
                m_pLine->hasAddress = true;
                m_pLine->address = static_cast<int>(m_nAddress);
            }
            int32_t& slot = m_image.words[static_cast<size_t>(m_nAddress)];
            if (slot != kUnusedWord) {
                char buf[64];
                std::snprintf(buf, sizeof buf, "word 0x%03X is already used",
                              static_cast<unsigned>(m_nAddress));
                Error(buf);
            } else if (word) {
                slot = *word;
                m_origins[static_cast<size_t>(m_nAddress)] = m_origin;
                if (m_nAddress < 4) WarnBelowStart(*word);
            }
            if (word) m_pLine->words.push_back(*word);
        }
    }
    ++m_nAddress;
}

bool CTwoPassAssembler::ExpandDefines(size_t from) {
    if (m_mapDefines.empty()) return true;
    bool any =
        std::any_of(m_vTokens.begin() + static_cast<std::ptrdiff_t>(from), m_vTokens.end(),
                    [&](const CToken& t) {
                        return t.kind == ETokenKind::Identifier && m_mapDefines.count(t.text) != 0;
                    });
    if (!any) return true;
    std::vector<CToken> out(m_vTokens.begin(),
                            m_vTokens.begin() + static_cast<std::ptrdiff_t>(from));
    std::vector<std::string> active;
    if (!ExpandInto(CTokenSpan(m_vTokens).subspan(from), out, active, 0)) {
        Error("#define expansion too long");
        return false;
    }
    m_vTokens.swap(out);
    return true;
}

bool CTwoPassAssembler::ExpandInto(CTokenSpan in, std::vector<CToken>& out,
                                   std::vector<std::string>& active, int depth) const {
    for (const CToken& token : in) {
        auto it = token.kind == ETokenKind::Identifier ? m_mapDefines.find(token.text)
                                                       : m_mapDefines.end();
        // A name is not expanded inside its own expansion, so #define A A ends.
        if (it != m_mapDefines.end() && depth < kMaxDefineNesting &&
            std::find(active.begin(), active.end(), token.text) == active.end()) {
            active.push_back(token.text);
            if (!ExpandInto(it->second, out, active, depth + 1)) return false;
            active.pop_back();
        } else {
            out.push_back(token);
        }
        if (out.size() > kMaxExpandedTokens) return false;
    }
    return true;
}

std::vector<CTokenSpan> CTwoPassAssembler::SplitOperands(size_t from) const {
    std::vector<CTokenSpan> operands;
    if (from >= m_vTokens.size()) return operands;
    CTokenSpan all(m_vTokens);
    int depth = 0;
    size_t start = from;
    for (size_t i = from; i < m_vTokens.size(); ++i) {
        const CToken& t = m_vTokens[i];
        if (t.Is("(")) ++depth;
        if (t.Is(")")) --depth;
        if (t.Is(",") && depth <= 0) {
            operands.push_back(all.subspan(start, i - start));
            start = i + 1;
        }
    }
    operands.push_back(all.subspan(start));
    return operands;
}

bool CTwoPassAssembler::EvaluateOperand(CTokenSpan tokens, int64_t* value) {
    if (tokens.empty()) {
        Error("missing operand");
        return false;
    }
    CValue result;
    std::string error;
    if (!Evaluate(tokens, *this, &result, &error)) {
        Error(error);
        return false;
    }
    *value = result.value;
    return result.known;
}

bool CTwoPassAssembler::EarlyValue(CTokenSpan tokens, size_t item, int64_t* value) {
    auto key = std::make_pair(m_nSeq, item);
    CValue result;
    std::string error;
    bool evaluated = !tokens.empty() && Evaluate(tokens, *this, &result, &error);
    bool ok = evaluated && result.known;
    if (m_nPass == 1) {
        m_mapEarlyValues[key] = ok ? std::optional<int64_t>(result.value) : std::nullopt;
        if (ok) *value = result.value;
        return ok;
    }
    auto it = m_mapEarlyValues.find(key);
    if (it != m_mapEarlyValues.end() && it->second) {
        *value = *it->second;
        return true;
    }
    if (tokens.empty()) {
        Error("missing operand");
    } else if (!evaluated) {
        Error(error);
    } else {
        Error("this value must not depend on symbols defined further down");
    }
    return false;
}

void CTwoPassAssembler::Instruction(const CInstruction& instruction, size_t from) {
    if (m_nPass == 1) {  // the first pass needs only the address
        EmitWord(std::nullopt);
        return;
    }
    std::vector<CTokenSpan> operands = SplitOperands(from);
    size_t least = 0;
    size_t most = 0;
    OperandCount(instruction.operands, &least, &most);
    std::vector<int64_t> values;
    bool ok = true;
    if (operands.size() < least) {
        Error("missing operand");
        ok = false;
    } else if (operands.size() > most) {
        Error("extra operand");
        ok = false;
    }
    for (size_t i = 0; ok && i < operands.size(); ++i) {
        int64_t value = 0;
        ok = EvaluateOperand(operands[i], &value);
        values.push_back(value);
    }
    if (!ok) {
        EmitWord(std::nullopt);
        return;
    }
    if (HasFileOperand(instruction) && operands[0].size() == 1 &&
        operands[0][0].kind == ETokenKind::Identifier) {
        m_setRegisterNames.insert(operands[0][0].text);
    }
    EncodeWith(instruction, values, !operands.empty() && operands[0].size() == 1);
}

// SET variables are left out: they have no one value a view could show.
std::vector<CMapSymbol> CTwoPassAssembler::MapSymbols() const {
    std::vector<CMapSymbol> out;
    m_symbols.ForEach([&](const std::string& name, const CSymbol& symbol) {
        if (!symbol.known || symbol.kind == ESymbolKind::Variable) return;
        const char kind = symbol.kind == ESymbolKind::Label ? 'L'
                          : m_setRegisterNames.count(name)  ? 'R'
                                                            : 'C';
        out.push_back({name, symbol.value, kind});
    });
    std::sort(out.begin(), out.end(),
              [](const CMapSymbol& a, const CMapSymbol& b) { return a.name < b.name; });
    return out;
}

void CTwoPassAssembler::EncodeWith(const CInstruction& instruction,
                                   const std::vector<int64_t>& values, bool named) {
    CEncoding encoding = EncodeInstruction(instruction, values);
    // A wrong bank is a fault of the program, not a reminder: ERRORLEVEL
    // silences only the advisory.
    CBankMessage bank = m_bank.Check(instruction, values, named);
    if (!bank.text.empty()) Warning(bank.text, bank.advisory ? kBankWarning : 0);
    m_bank.Follow(instruction, values);
    if (!encoding.error.empty()) {
        Error(encoding.error);
        EmitWord(std::nullopt);
        return;
    }
    if (m_nPass == 2 && HasFileOperand(instruction) && !values.empty() && values[0] >= 0 &&
        values[0] <= 0x1FF && m_nAddress >= 0 && m_nAddress < kProgramWords) {
        m_fileAddresses[static_cast<size_t>(m_nAddress)] = static_cast<int>(values[0]);
    }
    EmitWord(encoding.word);
}

void CTwoPassAssembler::PseudoInstruction(const CPseudoInstruction& pseudo, size_t from) {
    std::vector<CTokenSpan> operands = SplitOperands(from);
    // Only the destination (the second operand) may be left out.
    size_t least = pseudo.operands == 2 ? 1 : pseudo.operands;
    std::vector<int64_t> own;
    bool ok = m_nPass == 2;
    if (operands.size() < least) {
        Error("missing operand");
        ok = false;
    } else if (operands.size() > pseudo.operands) {
        Error("extra operand");
        ok = false;
    }
    for (size_t i = 0; ok && i < operands.size(); ++i) {
        int64_t value = 0;
        ok = EvaluateOperand(operands[i], &value);
        own.push_back(value);
    }
    if (own.size() < 2) own.resize(2, 1);  // a destination left out means F
    for (size_t i = 0; i < pseudo.stepCount; ++i) {
        const CPseudoStep& step = pseudo.steps[i];
        if (!ok) {
            EmitWord(std::nullopt);
            continue;
        }
        std::vector<int64_t> values;
        for (size_t k = 0; k < step.count; ++k) {
            int operand = step.operands[k];
            values.push_back(operand == kFirstOperand    ? own[0]
                             : operand == kSecondOperand ? own[1]
                                                         : operand);
        }
        EncodeWith(*FindInstruction(step.mnemonic), values,
                   !operands.empty() && operands[0].size() == 1);
    }
}

// BANKSEL sets RP0 as the register's address needs, BANKISEL sets IRP for
// indirect access; PAGESEL has nothing to do on a chip of one page. The
// operand is evaluated like any other, so a label defined further down
// works for PAGESEL.
void CTwoPassAssembler::BankSelect(EDirective directive, size_t from) {
    std::vector<CTokenSpan> operands = SplitOperands(from);
    if (operands.size() != 1) {
        Error(operands.empty() ? "missing operand" : "extra operand");
        return;
    }
    if (directive == EDirective::Pagesel) {
        int64_t value = 0;
        if (m_nPass == 2) EvaluateOperand(operands[0], &value);
        return;
    }
    int64_t address = 0;
    if (m_nPass == 1 || !EvaluateOperand(operands[0], &address)) {
        EmitWord(std::nullopt);
        return;
    }
    if (address < 0 || address > 0x1FF) {
        Error("register address out of range (0-0x1FF): " + std::to_string(address));
        EmitWord(std::nullopt);
        return;
    }
    bool set = directive == EDirective::Banksel ? (address & 0x80) != 0 : (address & 0x100) != 0;
    int bit = directive == EDirective::Banksel ? 5 : 7;  // RP0 or IRP of STATUS
    EncodeWith(*FindInstruction(set ? "BSF" : "BCF"), {3, bit});
}

// The simulator starts at word 5, so anything but a jump in words 0-3 is
// code that never runs unless the program jumps there.
void CTwoPassAssembler::WarnBelowStart(uint16_t word) {
    bool jump = (word & 0x3800) == 0x2800;
    if (jump || word == 0 || m_bBelowStartWarned) return;
    m_bBelowStartWarned = true;
    Warning("this simulator starts at word 5; words 0-3 run only when jumped to");
}

CAssemblyResult Assemble(const CSourceFile& source, CIncludeSource* includes) {
    return CTwoPassAssembler(source, includes).Run();
}

}  // namespace tasm
