#pragma once
// Runs the source twice: the first pass learns every label's address, the
// second encodes with all of them known, reports every error and writes the
// listing. Both passes walk the same lines in the same order, so the
// sequence number of a line identifies it in both.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "tasm/assembler.h"
#include "tasm/bank_tracker.h"
#include "tasm/directive_names.h"
#include "tasm/expression.h"
#include "tasm/instruction_table.h"
#include "tasm/listing_writer.h"
#include "tasm/program_image.h"
#include "tasm/pseudo_instructions.h"
#include "tasm/source_map_writer.h"
#include "tasm/symbol_table.h"
#include "tasm/token.h"

namespace tasm {

using CTokenSpan = std::span<const CToken>;

class CTwoPassAssembler : private CExpressionContext {
public:
    CTwoPassAssembler(const CSourceFile& source, CIncludeSource* includes);
    CAssemblyResult Run();

private:
    struct CFile {
        std::string name;
        std::string key;
        std::string_view text;
    };
    struct CMacroLine {
        std::string text;
        int file;
        int line;
    };
    struct CMacro {
        std::vector<std::string> params;
        std::vector<CMacroLine> body;
    };
    // One macro being expanded: what its parameters and LOCAL names become.
    struct CExpansion {
        std::string name;
        const CMacro* macro;
        std::unordered_map<std::string, std::string> replacements;
        const CMacroLine* at = nullptr;  // the body line being assembled
        bool exited = false;             // EXITM
        int number = 0;                  // tells the LOCAL names of two invocations apart
        bool substituted = false;        // the arguments or LOCAL names changed the body line
    };
    struct CConditional {
        bool active;   // this branch is assembled
        bool decided;  // some branch was or will not be taken: ELSE stays off
        bool seenElse;
    };
    // The chip's warnings that ERRORLEVEL can silence, by their usual numbers.
    static constexpr int kBankWarning = 302;

    // CExpressionContext
    int Radix() const override { return m_nRadix; }
    int64_t CurrentAddress() const override { return m_nLineAddress; }
    bool LookUp(const std::string& name, CValue* value, std::string* error) const override;

    // Walking the source (two_pass_assembler.cpp)
    void RunPass(int pass);
    void ProcessFile(int file, int depth);
    std::optional<int> ProcessLine(CListingLine& line, int depth);
    void FollowLine(std::optional<int> include, int depth);
    void ProcessStatement(size_t from, const std::string& label);
    void Report(const CListingLine& line, int file);
    void ReportAtEnd(const std::string& text);
    void AddMessage(int file, int line, const CDiagnostic& diagnostic);
    void Error(std::string text);
    void Warning(std::string text, int number = 0);

    // Symbols and words
    void DefineAddressLabel(const std::string& name);
    // failed: the definition's line is in error, so its uses are not.
    void DefineSymbol(const std::string& name, int64_t value, bool known, ESymbolKind kind,
                      bool failed = false);
    void EmitWord(std::optional<uint16_t> word);
    bool ExpandDefines(size_t from);
    bool ExpandInto(CTokenSpan in, std::vector<CToken>& out, std::vector<std::string>& active,
                    int depth) const;
    std::vector<CTokenSpan> SplitOperands(size_t from) const;
    bool EvaluateOperand(CTokenSpan tokens, int64_t* value);
    bool EarlyValue(CTokenSpan tokens, size_t item, int64_t* value);
    void Instruction(const CInstruction& instruction, size_t from);
    // named: the file operand is written as one name or number.
    void EncodeWith(const CInstruction& instruction, const std::vector<int64_t>& values,
                    bool named = true);
    std::vector<CMapSymbol> MapSymbols() const;
    void PseudoInstruction(const CPseudoInstruction& pseudo, size_t from);
    void BankSelect(EDirective directive, size_t from);
    void WarnBelowStart(uint16_t word);

    // Conditionals and macros (macros.cpp)
    bool Active() const { return m_vConditionals.empty() || m_vConditionals.back().active; }
    bool ConditionalLine(std::string_view text);
    bool IsDefined(const std::string& name);
    bool CollectMacroLine(std::string_view text);
    void DefineMacro(const std::string& name, size_t from);
    void InvokeMacro(const std::string& name, const CMacro& macro, std::string_view arguments);
    void Expand(int depth);
    void Local(size_t from);

    // Directives (directives.cpp)
    std::optional<int> HashLine(std::string_view line, size_t at, int depth);
    std::optional<int> Include(std::string_view rest, int depth);
    std::optional<int> OpenInclude(const std::string& name, int depth);
    void Define(std::string_view rest);
    void Directive(EDirective directive, const std::string& label, size_t from);
    void Assign(const std::string& label, size_t from, ESymbolKind kind);
    void AssignList(size_t from, ESymbolKind kind);
    void Org(const std::string& label, size_t from);
    void Data(EDirective directive, size_t from);
    void DataString(EDirective directive, const std::string& text);
    void DataWord(EDirective directive, int64_t value);
    void ListOptions(size_t from);
    void ErrorLevel(size_t from);
    void CheckProcessor(const std::string& name);
    void SetRadix(const std::string& name);
    void Config(size_t from);
    void IdLocations(size_t from);
    void CblockStart(size_t from);
    bool CblockLine();

    CIncludeSource* m_pIncludes;
    std::deque<std::string> m_vIncludedTexts;                 // owns what the include source gave
    std::vector<CFile> m_vFiles;                              // 0 is the main source
    std::unordered_map<std::string, int> m_mapIncludeByName;  // -1: no such file
    std::vector<int> m_vOpenFiles;
    std::vector<CWordOrigin> m_vIncludedAt;  // the #include line of each file being read
    size_t m_nPassBytes = 0;

    int m_nPass = 1;
    uint64_t m_nSeq = 0;
    CSymbolTable m_symbols;
    std::unordered_map<std::string, std::vector<CToken>> m_mapDefines;
    // Values that must be known when their line is reached (ORG, CBLOCK),
    // as the first pass found them, so that both passes place code alike.
    std::map<std::pair<uint64_t, size_t>, std::optional<int64_t>> m_mapEarlyValues;
    int m_nRadix = 16;
    std::string m_strChip;  // 16C84 unless the source names another
    std::set<int> m_setSilenced;
    bool m_bNoWarnings = false;
    std::set<std::string> m_setReportedOnce;  // missing names, errors inside macros
    bool m_bIncludeMissing = false;
    bool m_bBelowStartWarned = false;
    CBankTracker m_bank;

    std::vector<CConditional> m_vConditionals;
    std::unordered_map<std::string, CMacro> m_mapMacros;
    CMacro* m_pDefining = nullptr;
    CMacro m_discarded;            // the body of a macro defined twice or without a name
    int m_nNestedDefinitions = 0;  // MACRO lines inside a body, each dropped up to its ENDM
    std::vector<CExpansion> m_vExpansions;
    std::optional<CExpansion> m_pendingExpansion;  // invoked by the line just assembled
    size_t m_nExpandedLines = 0;
    size_t m_nExpandedBytes = 0;
    int m_nExpansions = 0;  // numbers the LOCAL names apart
    bool m_bExpandListing = true;
    std::map<uint64_t, bool> m_mapEarlyDefined;  // IFDEF as the first pass saw it
    int64_t m_nAddress = 0;
    int64_t m_nLineAddress = 0;
    bool m_bEnded = false;
    bool m_bInCblock = false;
    std::optional<int64_t> m_nCblockNext;
    CProgramImage m_image;
    CSourceMap m_origins;
    CFileAddresses m_fileAddresses{};
    std::set<std::string> m_setRegisterNames;  // constants named as a file operand
    CWordOrigin m_origin;  // the line in a source file that the current line stems from

    CListingLine* m_pLine = nullptr;
    std::vector<CToken> m_vTokens;
    size_t m_nLabelEnd = 0;
    bool m_bLabelNeedsColon = false;
    bool m_bBeyondReported = false;  // once: the words after it would only repeat it

    CAssemblyResult m_result;
    bool m_bStopped = false;
    int m_nMainLines = 0;
};

}  // namespace tasm
