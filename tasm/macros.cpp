// Conditional assembly and macros of CTwoPassAssembler. A macro's body is
// kept as text; each invocation puts the arguments and the LOCAL names into
// it and assembles the lines as if they stood at the invoking line, which
// is the line that the listing numbers and the source map name.
#include <cctype>
#include <string>

#include "tasm/lexer.h"
#include "tasm/two_pass_assembler.h"

namespace tasm {

namespace {

// A macro invoking itself without end stops here, well before the stack does.
constexpr size_t kMaxMacroNesting = 32;
// Lines and bytes that expansions may add to one pass: far more than 1024
// words need, few enough that a macro invoking another ten times at every
// level, or passing a long argument on doubled, ends in an error instead of
// hours or gigabytes.
constexpr size_t kMaxExpandedLines = 100000;
constexpr size_t kMaxExpandedBytes = 16u << 20;

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '?';
}
bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '?';
}

// The first two words of a line, for recognising ENDM and MACRO without
// reading the line as a statement.
void FirstWords(std::string_view text, std::string_view* first, std::string_view* second) {
    std::string_view* words[] = {first, second};
    size_t pos = 0;
    for (std::string_view* word : words) {
        pos = text.find_first_not_of(" \t:", pos);
        if (pos == std::string_view::npos || text[pos] == ';') {
            *word = {};
            continue;
        }
        size_t end = text.find_first_of(" \t:;", pos);
        if (end == std::string_view::npos) end = text.size();
        *word = text.substr(pos, end - pos);
        pos = end;
    }
}

// Puts the replacements in place of whole names, outside strings and the
// comment. A name right before a quote is a radix prefix (B'0101'). Stops
// once the line grows past max characters.
std::string Substitute(std::string_view text,
                       const std::unordered_map<std::string, std::string>& replacements,
                       size_t max) {
    if (replacements.empty()) return std::string(text);
    std::string out;
    size_t i = 0;
    while (i < text.size() && out.size() <= max) {
        char c = text[i];
        if (c == ';') {
            out += text.substr(i);
            break;
        }
        size_t end = i + 1;
        if (c == '"' || c == '\'') {
            while (end < text.size() && text[end] != c) end += text[end] == '\\' ? 2 : 1;
            end = std::min(end + 1, text.size());
            out += text.substr(i, end - i);
        } else if (IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c))) {
            while (end < text.size() && IsNameChar(text[end])) ++end;
            std::string name(text.substr(i, end - i));
            auto it = replacements.find(name);
            bool prefix = end < text.size() && text[end] == '\'';
            out += it != replacements.end() && !prefix ? it->second : name;
        } else {
            out += c;
        }
        i = end;
    }
    return out;
}

// The arguments of an invocation: split at commas outside quotes and
// parentheses, blanks around each dropped.
std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> arguments;
    if (text.find_first_not_of(" \t") == std::string_view::npos) return arguments;
    std::string current;
    int depth = 0;
    auto finish = [&] {
        size_t first = current.find_first_not_of(" \t");
        size_t last = current.find_last_not_of(" \t");
        arguments.push_back(first == std::string::npos ? ""
                                                       : current.substr(first, last - first + 1));
        current.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"' || c == '\'') {
            size_t end = i + 1;
            while (end < text.size() && text[end] != c) end += text[end] == '\\' ? 2 : 1;
            end = std::min(end, text.size() - 1);
            current += text.substr(i, end - i + 1);
            i = end;
            continue;
        }
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ',' && depth <= 0) {
            finish();
        } else {
            current += c;
        }
    }
    finish();
    return arguments;
}

}  // namespace

// IF, IFDEF, IFNDEF, ELSE and ENDIF, with or without '#': looked at on every
// line, also where the code is skipped, so that nesting is followed there.
bool CTwoPassAssembler::ConditionalLine(std::string_view text) {
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return false;
    if (text[start] == '#') ++start;
    size_t end = start;
    while (end < text.size() && IsNameChar(text[end])) ++end;
    EDirective directive = FindDirective(text.substr(start, end - start));
    if (directive != EDirective::If && directive != EDirective::Ifdef &&
        directive != EDirective::Ifndef && directive != EDirective::Else &&
        directive != EDirective::Endif) {
        return false;
    }
    std::string error;
    bool lexed = LexLine(text.substr(end), m_vTokens, &error);
    if (directive == EDirective::Else || directive == EDirective::Endif) {
        if (m_vConditionals.empty()) {
            Error(directive == EDirective::Else ? "ELSE without IF" : "ENDIF without IF");
        } else if (directive == EDirective::Endif) {
            m_vConditionals.pop_back();
        } else if (m_vConditionals.back().seenElse) {
            Error("a second ELSE for the same IF");
        } else {
            CConditional& top = m_vConditionals.back();
            bool outer =
                m_vConditionals.size() < 2 || m_vConditionals[m_vConditionals.size() - 2].active;
            top.seenElse = true;
            top.active = outer && !top.decided;
            top.decided = true;
        }
        return true;
    }
    if (!Active()) {
        m_vConditionals.push_back(CConditional{false, true, false});
        return true;
    }
    bool value = false;
    if (!lexed) {
        Error(error);
    } else if (directive == EDirective::If) {
        int64_t result = 0;
        value = ExpandDefines(0) && EarlyValue(m_vTokens, 0, &result) && result != 0;
    } else if (m_vTokens.size() != 1 || m_vTokens[0].kind != ETokenKind::Identifier) {
        Error(std::string(directive == EDirective::Ifdef ? "IFDEF" : "IFNDEF") + " needs one name");
    } else {
        value = IsDefined(m_vTokens[0].text) == (directive == EDirective::Ifdef);
    }
    m_vConditionals.push_back(CConditional{value, value, false});
    return true;
}

// Both passes must take the same branches, so the second takes the first's
// answer: a label defined further down is not defined yet at the IFDEF.
bool CTwoPassAssembler::IsDefined(const std::string& name) {
    if (m_nPass == 2) {
        auto it = m_mapEarlyDefined.find(m_nSeq);
        if (it != m_mapEarlyDefined.end()) return it->second;
    }
    bool defined = m_mapDefines.count(name) != 0 || m_symbols.Find(name) != nullptr ||
                   m_mapMacros.count(name) != 0 || name == "__" + m_strChip;
    m_mapEarlyDefined[m_nSeq] = defined;
    return defined;
}

bool CTwoPassAssembler::CollectMacroLine(std::string_view text) {
    std::string_view first;
    std::string_view second;
    FirstWords(text, &first, &second);
    if (FindDirective(first) == EDirective::Endm || FindDirective(second) == EDirective::Endm) {
        if (m_nNestedDefinitions > 0) {
            --m_nNestedDefinitions;
        } else {
            m_pDefining = nullptr;
        }
        return true;
    }
    if (FindDirective(first) == EDirective::Macro || FindDirective(second) == EDirective::Macro) {
        // Its body is dropped up to its own ENDM, which must not end the
        // outer macro and leave the rest of it to fail as code.
        Error("a macro cannot be defined inside another macro");
        ++m_nNestedDefinitions;
    } else if (m_nNestedDefinitions == 0) {
        m_pDefining->body.push_back(CMacroLine{std::string(text), m_origin.file, m_origin.line});
    }
    return true;
}

void CTwoPassAssembler::DefineMacro(const std::string& name, size_t from) {
    if (name.empty()) {
        // Its body is still read, or it would fail line by line as code and
        // end in an ENDM without MACRO.
        Error("MACRO needs a name in front of it");
        m_discarded = CMacro();
        m_pDefining = &m_discarded;
        return;
    }
    if (!m_vExpansions.empty()) {
        Error("a macro cannot be defined inside another macro");
        return;
    }
    CMacro macro;
    for (CTokenSpan parameter : SplitOperands(from)) {
        if (parameter.size() != 1 || parameter[0].kind != ETokenKind::Identifier) {
            Error("a macro parameter must be a name");
            continue;
        }
        macro.params.push_back(parameter[0].text);
    }
    auto [it, added] = m_mapMacros.try_emplace(name, std::move(macro));
    if (!added) {
        Error("macro '" + Printable(name) + "' is already defined");
        m_discarded = CMacro();
        m_pDefining = &m_discarded;  // its body is read and dropped
        return;
    }
    m_pDefining = &it->second;
}

void CTwoPassAssembler::InvokeMacro(const std::string& name, const CMacro& macro,
                                    std::string_view arguments) {
    std::vector<std::string> values = SplitArguments(arguments);
    if (m_vExpansions.size() >= kMaxMacroNesting) {
        Error("macros nested more than " + std::to_string(kMaxMacroNesting) + " deep: does '" +
              Printable(name) + "' invoke itself?");
        m_pendingExpansion.reset();
        return;
    }
    if (values.size() > macro.params.size()) {
        Error("macro '" + Printable(name) + "' takes " + std::to_string(macro.params.size()) +
              " arguments, not " + std::to_string(values.size()));
        m_pendingExpansion.reset();
        return;
    }
    // A parameter without an argument becomes nothing, as in other
    // assemblers; the line it stands in then reports what is missing.
    for (size_t i = 0; i < macro.params.size(); ++i) {
        m_pendingExpansion->replacements[macro.params[i]] = i < values.size() ? values[i] : "";
    }
}

void CTwoPassAssembler::Expand(int depth) {
    m_vExpansions.push_back(std::move(*m_pendingExpansion));
    m_pendingExpansion.reset();
    m_vExpansions.back().number = ++m_nExpansions;
    const size_t conditionals = m_vConditionals.size();
    for (const CMacroLine& bodyLine : m_vExpansions.back().macro->body) {
        // Nested expansions may move the vector: look the entry up each time.
        CExpansion& expansion = m_vExpansions.back();
        if (expansion.exited || m_bEnded || m_bStopped) break;
        expansion.at = &bodyLine;
        std::string text =
            Substitute(bodyLine.text, expansion.replacements, kMaxExpandedBytes - m_nExpandedBytes);
        m_nExpandedBytes += text.size();
        expansion.substituted = text != bodyLine.text;
        if (++m_nExpandedLines > kMaxExpandedLines || m_nExpandedBytes > kMaxExpandedBytes) {
            if (m_nPass == 2) {
                ReportAtEnd("macros expanded into more than " + std::to_string(kMaxExpandedLines) +
                            " lines or " + std::to_string(kMaxExpandedBytes >> 20) +
                            " MB; the rest of the source was not assembled");
            }
            m_bEnded = true;
            break;
        }
        ++m_nSeq;
        CListingLine line;
        line.line = m_origin.line;
        line.text = text;
        std::optional<int> include = ProcessLine(line, depth);
        bool listed = m_bExpandListing || !line.words.empty() || !line.diagnostics.empty();
        if (m_nPass == 2 && listed) Report(line, m_origin.file);
        FollowLine(include, depth);
    }
    // IF without ENDIF inside a body ends with the body.
    if (m_vConditionals.size() > conditionals) m_vConditionals.resize(conditionals);
    m_vExpansions.pop_back();
}

void CTwoPassAssembler::Local(size_t from) {
    if (m_vExpansions.empty()) {
        Error("LOCAL outside a macro");
        return;
    }
    CExpansion& expansion = m_vExpansions.back();
    for (CTokenSpan item : SplitOperands(from)) {
        if (item.size() != 1 || item[0].kind != ETokenKind::Identifier) {
            Error("LOCAL needs names");
            continue;
        }
        // '?' keeps the name apart from any the program writes itself.
        expansion.replacements[item[0].text] =
            item[0].text + "?" + std::to_string(expansion.number);
    }
}

}  // namespace tasm
