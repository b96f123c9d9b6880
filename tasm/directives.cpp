// The directives of CTwoPassAssembler: everything on a line that is not an
// instruction.
#include <cctype>
#include <string>

#include "tasm/chip_names.h"
#include "tasm/lexer.h"
#include "tasm/number.h"
#include "tasm/two_pass_assembler.h"

namespace tasm {

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string_view Trim(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string Joined(CTokenSpan tokens) {
    std::string out;
    for (const CToken& t : tokens) out += t.text;
    return out;
}

}  // namespace

std::optional<int> CTwoPassAssembler::HashLine(std::string_view line, size_t at, int depth) {
    size_t end = at + 1;
    while (end < line.size() && std::isalpha(static_cast<unsigned char>(line[end]))) ++end;
    std::string word = Upper(line.substr(at + 1, end - at - 1));
    std::string_view rest = line.substr(end);
    if (word == "INCLUDE") return Include(rest, depth);
    if (word == "DEFINE") {
        Define(rest);
    } else if (word == "UNDEFINE" || word == "UNDEF") {
        std::string error;
        if (!LexLine(rest, m_vTokens, &error)) {
            Error(error);
        } else if (m_vTokens.size() != 1 || m_vTokens[0].kind != ETokenKind::Identifier) {
            Error("#undefine needs one name");
        } else {
            m_mapDefines.erase(m_vTokens[0].text);
        }
    } else {
        Error("unknown directive '#" + Printable(line.substr(at + 1, end - at - 1)) + "'");
    }
    return std::nullopt;
}

std::optional<int> CTwoPassAssembler::Include(std::string_view rest, int depth) {
    rest = Trim(rest.substr(0, CommentStart(rest)));
    if (rest.empty()) {
        Error("file name missing");
        return std::nullopt;
    }
    std::string_view name = rest;
    if (rest[0] == '"' || rest[0] == '<') {
        size_t close = rest.find(rest[0] == '"' ? '"' : '>', 1);
        if (close == std::string_view::npos) {
            Error("missing closing quote");
            return std::nullopt;
        }
        if (!Trim(rest.substr(close + 1)).empty()) {
            Error("unexpected text after the file name");
            return std::nullopt;
        }
        name = rest.substr(1, close - 1);
    }
    return OpenInclude(std::string(name), depth);
}

std::optional<int> CTwoPassAssembler::OpenInclude(const std::string& name, int depth) {
    size_t slash = name.find_last_of("/\\");
    if (auto chip = ChipOfHeader(slash == std::string::npos ? name : name.substr(slash + 1))) {
        m_strChip = *chip;
        return std::nullopt;  // the chip's names are built in
    }
    int index = -1;
    if (auto it = m_mapIncludeByName.find(name); it != m_mapIncludeByName.end()) {
        index = it->second;
    } else {
        if (m_pIncludes) {
            if (auto file = m_pIncludes->Open(name)) {
                m_vIncludedTexts.push_back(std::move(file->text));
                m_vFiles.push_back(
                    CFile{name, file->key.empty() ? name : file->key, m_vIncludedTexts.back()});
                index = static_cast<int>(m_vFiles.size()) - 1;
            }
        }
        m_mapIncludeByName[name] = index;
    }
    if (index < 0) {
        Error("cannot open include file '" + Printable(name, 200) + "'");
        m_bIncludeMissing = true;
        return std::nullopt;
    }
    for (int open : m_vOpenFiles) {
        if (m_vFiles[open].key == m_vFiles[index].key) {
            Error("include cycle: '" + Printable(name, 200) + "' is already being read");
            return std::nullopt;
        }
    }
    if (depth + 1 > kMaxIncludeDepth) {
        Error("include nesting deeper than " + std::to_string(kMaxIncludeDepth));
        return std::nullopt;
    }
    m_nPassBytes += m_vFiles[index].text.size();
    if (m_nPassBytes > kMaxSourceBytes) {
        Error("the source and its included files are larger than 64 MB");
        return std::nullopt;
    }
    return index;
}

void CTwoPassAssembler::Define(std::string_view rest) {
    std::vector<CToken> tokens;
    std::string error;
    if (!LexLine(rest, tokens, &error)) {
        Error(error);
        return;
    }
    if (tokens.empty() || tokens[0].kind != ETokenKind::Identifier) {
        Error("#define needs a name");
        return;
    }
    std::string name = tokens[0].text;
    tokens.erase(tokens.begin());
    m_mapDefines[name] = std::move(tokens);
}

void CTwoPassAssembler::Directive(EDirective directive, const std::string& label, size_t from) {
    switch (directive) {
        case EDirective::Equ:
            Assign(label, from, ESymbolKind::Constant);
            return;
        case EDirective::Set:
            Assign(label, from, ESymbolKind::Variable);
            return;
        case EDirective::Org:
            Org(label, from);
            return;
        case EDirective::Endc:
            Error("ENDC without CBLOCK");
            return;
        case EDirective::Include:
            Error("INCLUDE must stand first on its line");
            return;
        case EDirective::Macro:
            DefineMacro(label, from);
            return;
        case EDirective::Endm:
            Error("ENDM without MACRO");
            return;
        case EDirective::If:
        case EDirective::Ifdef:
        case EDirective::Ifndef:
        case EDirective::Else:
        case EDirective::Endif:
            Error(Upper(m_vTokens[from - 1].text) + " must stand first on its line");
            return;
        case EDirective::Unsupported:
            Error("'" + Upper(m_vTokens[from - 1].text) +
                  "' is a directive this assembler does not support");
            return;
        default:
            break;
    }
    if (!label.empty()) DefineAddressLabel(label);
    switch (directive) {
        case EDirective::End:
            if (from < m_vTokens.size()) Error("extra operand");
            if (m_bInCblock) Error("ENDC missing");
            m_bInCblock = false;
            m_bEnded = true;
            break;
        case EDirective::Dw:
        case EDirective::Db:
        case EDirective::Dt:
        case EDirective::De:
        case EDirective::Da:
            Data(directive, from);
            break;
        case EDirective::Banksel:
        case EDirective::Pagesel:
        case EDirective::Bankisel:
            BankSelect(directive, from);
            break;
        case EDirective::Local:
            Local(from);
            break;
        case EDirective::Exitm:
            if (m_vExpansions.empty()) {
                Error("EXITM outside a macro");
            } else {
                m_vExpansions.back().exited = true;
            }
            break;
        case EDirective::Expand:
        case EDirective::Noexpand:
            m_bExpandListing = directive == EDirective::Expand;
            break;
        case EDirective::Messg:
        case EDirective::Error:
            if (m_vTokens.size() != from + 1 || m_vTokens[from].kind != ETokenKind::String) {
                Error(Upper(m_vTokens[from - 1].text) + " needs one quoted text");
            } else if (directive == EDirective::Error) {
                Error(m_vTokens[from].text);
            } else if (m_nPass == 2) {
                m_pLine->diagnostics.push_back(CDiagnostic{false, m_vTokens[from].text, true});
            }
            break;
        case EDirective::Errorlevel:
            ErrorLevel(from);
            break;
        case EDirective::Constant:
        case EDirective::Variable:
            AssignList(from, directive == EDirective::Constant ? ESymbolKind::Constant
                                                               : ESymbolKind::Variable);
            break;
        case EDirective::List:
            ListOptions(from);
            break;
        case EDirective::Processor:
            CheckProcessor(Joined(CTokenSpan(m_vTokens).subspan(from)));
            break;
        case EDirective::Radix:
            if (m_vTokens.size() != from + 1 || m_vTokens[from].kind != ETokenKind::Identifier) {
                Error("RADIX needs DEC, HEX or OCT");
            } else {
                SetRadix(m_vTokens[from].text);
            }
            break;
        case EDirective::Config:
            Config(from);
            break;
        case EDirective::Idlocs:
            IdLocations(from);
            break;
        case EDirective::Cblock:
            CblockStart(from);
            break;
        default:  // listing control: nothing to do for the code
            break;
    }
}

void CTwoPassAssembler::Assign(const std::string& label, size_t from, ESymbolKind kind) {
    if (label.empty()) {
        Error(std::string(kind == ESymbolKind::Constant ? "EQU" : "SET") +
              " needs a name in front of it");
        return;
    }
    std::vector<CTokenSpan> operands = SplitOperands(from);
    if (operands.size() != 1) {
        Error(operands.empty() ? "missing operand" : "extra operand");
        return;
    }
    CValue value;
    std::string error;
    bool failed = operands[0].empty() || !Evaluate(operands[0], *this, &value, &error);
    if (failed) {
        Error(operands[0].empty() ? "missing operand" : error);
        value.known = false;
    }
    DefineSymbol(label, value.value, value.known, kind, failed);
    if (value.known) m_pLine->value = value.value;
}

// CONSTANT a=1, b=a+1 and VARIABLE i, j=2: several names on one line; a
// variable may start without a value.
void CTwoPassAssembler::AssignList(size_t from, ESymbolKind kind) {
    std::vector<CTokenSpan> items = SplitOperands(from);
    if (items.empty()) Error("missing operand");
    for (CTokenSpan item : items) {
        bool named = !item.empty() && item[0].kind == ETokenKind::Identifier;
        bool valued = item.size() > 2 && item[1].Is("=");
        if (!named || (item.size() > 1 && !valued) || (!valued && kind == ESymbolKind::Constant)) {
            Error("name=value expected instead of '" + Printable(Joined(item)) + "'");
            continue;
        }
        CValue value{0, false};
        std::string error;
        bool failed = valued && !Evaluate(item.subspan(2), *this, &value, &error);
        if (failed) {
            Error(error);
            value.known = false;
        }
        DefineSymbol(item[0].text, value.value, value.known, kind, failed);
    }
}

void CTwoPassAssembler::Org(const std::string& label, size_t from) {
    std::vector<CTokenSpan> operands = SplitOperands(from);
    int64_t address = 0;
    if (operands.size() > 1) {
        Error("extra operand");
    } else if (operands.empty()) {
        Error("missing operand");
    } else if (EarlyValue(operands[0], 0, &address)) {
        if ((address < 0 || address >= kProgramWords) && !IsEepromAddress(address)) {
            Error("ORG address out of range (0-1023, data EEPROM 0x2100-0x213F)");
        } else {
            m_nAddress = address;
            // The reset vector starts in bank 0; any other place is reached
            // by a vector or a jump in either bank.
            if (address == 0) {
                m_bank.Reset();
            } else {
                m_bank.Forget();
            }
        }
    }
    if (!label.empty()) DefineAddressLabel(label);
}

void CTwoPassAssembler::Data(EDirective directive, size_t from) {
    std::vector<CTokenSpan> operands = SplitOperands(from);
    if (operands.empty()) Error("missing operand");
    for (CTokenSpan operand : operands) {
        if (operand.size() == 1 && operand[0].kind == ETokenKind::String) {
            DataString(directive, operand[0].text);
        } else if (m_nPass == 1) {
            EmitWord(std::nullopt);
        } else {
            int64_t value = 0;
            if (EvaluateOperand(operand, &value)) {
                DataWord(directive, value);
            } else {
                EmitWord(std::nullopt);
            }
        }
    }
}

void CTwoPassAssembler::DataString(EDirective directive, const std::string& text) {
    if (directive != EDirective::Da) {
        for (char c : text) DataWord(directive, static_cast<unsigned char>(c));
        return;
    }
    // Two 7-bit characters to a word, the first in the upper half.
    for (size_t i = 0; i < text.size(); i += 2) {
        unsigned high = static_cast<unsigned char>(text[i]) & 0x7F;
        unsigned low = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) & 0x7F : 0;
        EmitWord(static_cast<uint16_t>(high << 7 | low));
    }
}

void CTwoPassAssembler::DataWord(EDirective directive, int64_t value) {
    if (directive == EDirective::Dw || directive == EDirective::Da) {
        if (value < -0x2000 || value > 0x3FFF) {
            Error("value out of range (0-0x3FFF): " + std::to_string(value));
            EmitWord(std::nullopt);
        } else {
            EmitWord(static_cast<uint16_t>(value & 0x3FFF));
        }
        return;
    }
    if (value < -128 || value > 255) {
        Error("value out of range (-128..255): " + std::to_string(value));
        EmitWord(std::nullopt);
        return;
    }
    uint16_t retlw = directive == EDirective::Dt ? 0x3400 : 0;
    EmitWord(static_cast<uint16_t>(retlw | (value & 0xFF)));
}

void CTwoPassAssembler::ListOptions(size_t from) {
    for (CTokenSpan option : SplitOperands(from)) {
        bool named = !option.empty() && option[0].kind == ETokenKind::Identifier;
        if (!named || (option.size() > 1 && !option[1].Is("="))) {
            Error("bad LIST option '" + Printable(Joined(option)) + "'");
            continue;
        }
        std::string value = option.size() > 2 ? Joined(option.subspan(2)) : std::string();
        std::string name = Upper(option[0].text);
        if (name == "P") CheckProcessor(value);
        if (name == "R") SetRadix(value);
    }
}

// ERRORLEVEL -302 silences the bank message, +302 brings it back; 0 shows
// everything, 1 and 2 leave only errors.
void CTwoPassAssembler::ErrorLevel(size_t from) {
    for (CTokenSpan item : SplitOperands(from)) {
        bool sign = !item.empty() && (item[0].Is("-") || item[0].Is("+"));
        CTokenSpan number = sign ? item.subspan(1) : item;
        std::optional<int64_t> value;
        if (number.size() == 1 && number[0].kind == ETokenKind::Number) {
            value = ParseNumber(number[0].text, 10);
        }
        if (!value) {
            Error("bad ERRORLEVEL item '" + Printable(Joined(item)) + "'");
        } else if (!sign) {
            m_bNoWarnings = *value >= 1;
        } else if (item[0].Is("-")) {
            m_setSilenced.insert(static_cast<int>(*value));
        } else {
            m_setSilenced.erase(static_cast<int>(*value));
        }
    }
}

void CTwoPassAssembler::CheckProcessor(const std::string& name) {
    std::string chip = Upper(name);
    if (chip.rfind("PIC", 0) == 0) chip.erase(0, 3);
    if (chip.empty()) {
        Error("processor name missing");
    } else if (chip == "16C84" || chip == "16CR84") {
        m_strChip = "16C84";
    } else if (chip == "16F84" || chip == "16F84A") {
        m_strChip = chip;
    } else {
        Warning("processor '" + Printable(name) + "' is no PIC16C84; the code is for the PIC16C84");
    }
}

void CTwoPassAssembler::SetRadix(const std::string& name) {
    std::string radix = Upper(name);
    if (radix == "DEC" || radix == "DECIMAL") {
        m_nRadix = 10;
    } else if (radix == "HEX" || radix == "HEXADECIMAL") {
        m_nRadix = 16;
    } else if (radix == "OCT" || radix == "OCTAL") {
        m_nRadix = 8;
    } else {
        Error("unknown radix '" + Printable(name) + "' (DEC, HEX or OCT)");
    }
}

void CTwoPassAssembler::Config(size_t from) {
    std::vector<CTokenSpan> operands = SplitOperands(from);
    if (operands.empty() || operands.size() > 2) {
        Error(operands.empty() ? "missing operand" : "extra operand");
        return;
    }
    if (m_nPass == 1) return;
    int64_t value = 0;
    if (operands.size() == 2) {
        if (!EvaluateOperand(operands[0], &value)) return;
        if (value != 0x2007) {
            Error("the configuration word lies at 0x2007");
            return;
        }
    }
    if (!EvaluateOperand(operands.back(), &value)) return;
    if (value < 0 || value > 0x3FFF) {
        Error("configuration value out of range (0-0x3FFF)");
    } else if (m_image.config) {
        Error("the configuration word is set twice");
    } else {
        m_image.config = static_cast<uint16_t>(value);
        m_pLine->value = value;
    }
}

void CTwoPassAssembler::IdLocations(size_t from) {
    std::vector<CTokenSpan> operands = SplitOperands(from);
    if (operands.size() != 1) {
        Error(operands.empty() ? "missing operand" : "extra operand");
        return;
    }
    int64_t value = 0;
    if (m_nPass == 1 || !EvaluateOperand(operands[0], &value)) return;
    if (value < 0 || value > 0xFFFF) {
        Error("ID value out of range (0-0xFFFF)");
    } else if (m_image.idLocations) {
        Error("the ID locations are set twice");
    } else {
        // One hex digit per ID word, the most significant in the first.
        m_image.idLocations = std::array<uint16_t, 4>{
            static_cast<uint16_t>((value >> 12) & 0xF), static_cast<uint16_t>((value >> 8) & 0xF),
            static_cast<uint16_t>((value >> 4) & 0xF), static_cast<uint16_t>(value & 0xF)};
        m_pLine->value = value;
    }
}

void CTwoPassAssembler::CblockStart(size_t from) {
    std::vector<CTokenSpan> operands = SplitOperands(from);
    if (operands.size() > 1) Error("extra operand");
    if (operands.size() == 1) {
        int64_t start = 0;
        if (EarlyValue(operands[0], 0, &start)) {
            m_nCblockNext = start;
        } else {
            m_nCblockNext.reset();
        }
    } else if (!m_nCblockNext) {
        Error("the first CBLOCK needs a start address");
    }
    m_bInCblock = true;
}

bool CTwoPassAssembler::CblockLine() {
    const CToken& head = m_vTokens[0];
    if (head.kind == ETokenKind::Identifier) {
        EDirective directive = FindDirective(head.text);
        if (directive == EDirective::Endc) {
            m_bInCblock = false;
            if (m_vTokens.size() > 1) Error("extra operand");
            return true;
        }
        if (directive != EDirective::None || FindInstruction(head.text)) {
            Error("ENDC missing before this line");
            m_bInCblock = false;
            return false;
        }
    }
    std::vector<CTokenSpan> names = SplitOperands(0);
    for (size_t i = 0; i < names.size(); ++i) {
        CTokenSpan item = names[i];
        if (item.empty() || item[0].kind != ETokenKind::Identifier ||
            (item.size() > 1 && !item[1].Is(":"))) {
            Error("a name is expected in CBLOCK");
            continue;
        }
        int64_t size = 1;
        if (item.size() > 1) {
            if (!EarlyValue(item.subspan(2), i, &size)) continue;
            if (size < 0 || size > 0xFF) {
                Error("CBLOCK size out of range (0-255)");
                continue;
            }
        }
        if (m_nCblockNext) {
            if (!m_pLine->value) m_pLine->value = *m_nCblockNext;
            DefineSymbol(item[0].text, *m_nCblockNext, true, ESymbolKind::Constant);
            *m_nCblockNext += size;
        } else {
            // The block's start is in error: so is every name in it.
            DefineSymbol(item[0].text, 0, false, ESymbolKind::Constant, true);
        }
    }
    return true;
}

}  // namespace tasm
