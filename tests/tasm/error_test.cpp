// Sources that must fail: the message, the line it names, and the listing
// that carries it below that line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tasm_test_support.h"

namespace {

using tasm_test::AssembleText;
using tasm_test::CMemoryIncludes;

struct CFailCase {
    const char* source;
    const char* message;  // the whole first message on stdout
};

TEST(Errors, MessagesNameFileAndLine) {
    const CFailCase cases[] = {
        {" nop\n movlx 5\n", "t.asm:2: error: unknown mnemonic, directive or macro 'movlx'"},
        {" nop\n\n goto nowhere\n", "t.asm:3: error: undefined symbol 'nowhere'"},
        {"a nop\nb nop\na nop\n", "t.asm:3: error: symbol 'a' is already defined at t.asm:1"},
        {"x equ 1\nx equ 2\n", "t.asm:2: error: symbol 'x' is already defined at t.asm:1"},
        {"lbl nop\nlbl set 1\n", "t.asm:2: error: symbol 'lbl' is already defined at t.asm:1"},
        {" movlw .300\n", "t.asm:1: error: literal out of range (-255..255): 0x12C"},
        {" movlw 12q4\n", "t.asm:1: error: bad number '12q4'"},
        {" org .1023\n nop\n nop\n", "t.asm:3: error: code beyond word 1023"},
        {" org .1024\n",
         "t.asm:1: error: ORG address out of range (0-1023, data EEPROM 0x2100-0x213F)"},
        {" org 5\n nop\n org 5\n nop\n", "t.asm:4: error: word 0x005 is already used"},
        {"#include \"gone.inc\"\n", "t.asm:1: error: cannot open include file 'gone.inc'"},
        {" org later\nlater nop\n",
         "t.asm:1: error: this value must not depend on symbols defined further down"},
        {" equ 5\n", "t.asm:1: error: EQU needs a name in front of it"},
        {"5 nop\n", "t.asm:1: error: mnemonic or directive expected instead of '5'"},
        {" nop\n\x01\n", "t.asm:2: error: unexpected character '\\x01'"},
        {" movlw \"ab\n", "t.asm:1: error: missing closing quote"},
        {" radix bin\n", "t.asm:1: error: unknown radix 'bin' (DEC, HEX or OCT)"},
        {" endc\n", "t.asm:1: error: ENDC without CBLOCK"},
        {" cblock 0x20\n a\n nop\n", "t.asm:3: error: ENDC missing before this line"},
        {" cblock 0x20\n a\n", "t.asm:2: error: CBLOCK without ENDC"},
        {" __config 1\n __config 2\n", "t.asm:2: error: the configuration word is set twice"},
        {" __config 0x4000\n", "t.asm:1: error: configuration value out of range (0-0x3FFF)"},
        {" dw 0x4000\n", "t.asm:1: error: value out of range (0-0x3FFF): 16384"},
        {" movlw v\nv set 1\n", "t.asm:1: error: 'v' is used before it gets its value"},
        {"#pragma x\n", "t.asm:1: error: unknown directive '#pragma'"},
        {" end 5\n", "t.asm:1: error: extra operand"},
    };
    for (const CFailCase& c : cases) {
        CMemoryIncludes none;
        auto result = AssembleText(c.source, &none);
        ASSERT_FALSE(result.messages.empty()) << c.source;
        EXPECT_EQ(result.messages.front(), c.message) << c.source;
        EXPECT_GE(result.errors, 1);
        EXPECT_TRUE(result.object.empty()) << c.source;
        EXPECT_EQ(result.listing.substr(result.listing.size() - 3, 1),
                  std::to_string(result.errors % 10));
    }
}

TEST(Errors, ErrorStandsBelowItsLineInTheListing) {
    auto result = AssembleText(
        " nop\n"
        " bogus\n"
        " nop\n");
    EXPECT_NE(result.listing.find(
                  " bogus\r\n***** error: unknown mnemonic, directive or macro 'bogus'\r\n"
                  "   3   0001 0000"),
              std::string::npos)
        << result.listing;
}

TEST(Errors, IncludedLinesAreNamedByTheirOwnFile) {
    CMemoryIncludes files;
    files.files["part.inc"] = " nop\n nop\n wrong\n#include \"deep.inc\"\n";
    files.files["deep.inc"] = "\n movlw .300\n";
    auto result = AssembleText("\n#include \"part.inc\"\n bad2\n", &files);
    // Each names its own file and line, and the main file's #include line that
    // led there.
    EXPECT_EQ(result.messages,
              (std::vector<std::string>{
                  "part.inc:3: error: unknown mnemonic, directive or macro 'wrong' (included "
                  "from t.asm:2)",
                  "deep.inc:2: error: literal out of range (-255..255): 0x12C (included from "
                  "t.asm:2)",
                  "t.asm:3: error: unknown mnemonic, directive or macro 'bad2'"}));
}

// Every line in error has its own message; a line that is right in itself
// and fails only through an earlier error has none.
TEST(Errors, EachLineInErrorIsReportedAndCascadesAreNot) {
    struct CCase {
        const char* source;
        std::vector<std::string> messages;  // "LINE: TEXT" of each error
    } cases[] = {
        {" movlf 1\n nop\n movlf 2\n",
         {"1: unknown mnemonic, directive or macro 'movlf'",
          "3: unknown mnemonic, directive or macro 'movlf'"}},
        {" goto nowhere\n nop\n call nowhere\n movwf nowhere\n",
         {"1: undefined symbol 'nowhere'", "3: undefined symbol 'nowhere'",
          "4: undefined symbol 'nowhere'"}},
        {" fill 0, 3\n fill 0, 3\n",
         {"1: 'FILL' is a directive this assembler does not support",
          "2: 'FILL' is a directive this assembler does not support"}},
        // The dialect's structures: a branch taken, a block, bank selection.
        {" if 1\n movlf 1\n else\n movlf 2\n endif\n movlf 3\n",
         {"2: unknown mnemonic, directive or macro 'movlf'",
          "6: unknown mnemonic, directive or macro 'movlf'"}},
        {" cblock 0x20\n a, b\n endc\n banksel cnt\n movwf cnt\n banksel a\n",
         {"4: undefined symbol 'cnt'", "5: undefined symbol 'cnt'"}},
        // A name whose definition is in error: only the definition.
        {"x equ bogus\ny equ x + 1\n movlw x\n movlw y\n org y\n", {"1: undefined symbol 'bogus'"}},
        {" constant k = 1 / 0\n movlw k\n if k\n endif\n", {"1: division by zero"}},
        {" cblock\n a\n endc\n movwf a\n", {"1: the first CBLOCK needs a start address"}},
        // A macro definition in error keeps its body and ENDM quiet.
        {" macro\n nop\n endm\n", {"1: MACRO needs a name in front of it"}},
        {"m macro\nn macro\n nop\n endm\n nop\n endm\n m\n",
         {"2: a macro cannot be defined inside another macro"}},
        // A body line that reads alike at each invocation is one fault; one
        // with an argument is at fault at each invocation that gives it.
        {"m macro k\n movlf 1\n movlw k\n endm\n m nowhere\n m nowhere\n m 1\n",
         {"5: unknown mnemonic, directive or macro 'movlf' (in macro m at t.asm:2)",
          "5: undefined symbol 'nowhere' (in macro m at t.asm:3)",
          "6: undefined symbol 'nowhere' (in macro m at t.asm:3)"}},
        // A missing header: each name it would have defined once.
        {"#include \"gone.inc\"\n movwf COUNT\n delay\n incf COUNT,f\n delay\n",
         {"1: cannot open include file 'gone.inc'", "2: undefined symbol 'COUNT'",
          "3: unknown mnemonic, directive or macro 'delay'"}},
    };
    for (const CCase& c : cases) {
        CMemoryIncludes none;
        auto result = AssembleText(c.source, &none);
        std::vector<std::string> errors;
        for (const std::string& m : result.messages) {
            size_t at = m.find(": error: ");
            if (at != std::string::npos)
                errors.push_back(m.substr(6, at - 6) + ": " + m.substr(at + 9));
        }
        EXPECT_EQ(errors, c.messages) << c.source << result.listing;
        EXPECT_EQ(result.errors, static_cast<int>(c.messages.size())) << c.source;
        const std::string tail = "Number of errors = " + std::to_string(c.messages.size()) + "\r\n";
        EXPECT_NE(result.listing.find(tail), std::string::npos) << c.source << result.listing;
    }
}

TEST(Errors, EveryErrorIsCountedAndTheCountEndsTheListing) {
    std::string source;
    for (int i = 0; i < 12; ++i) source += " movlw .300\n";
    auto result = AssembleText(source);
    EXPECT_EQ(result.errors, 12);
    const std::string tail = "Number of errors = 12\r\n";
    ASSERT_GE(result.listing.size(), tail.size());
    EXPECT_EQ(result.listing.substr(result.listing.size() - tail.size()), tail);
}

TEST(Errors, ManyErrorsStopTheAssemblyAndLimitTheMessages) {
    std::string source;
    for (int i = 0; i < 5000; ++i) source += " movlw .300\n";
    auto result = AssembleText(source);
    EXPECT_EQ(result.errors, tasm::kMaxErrors + 1);
    EXPECT_EQ(result.messages.size(), tasm::kMaxMessages);
    EXPECT_NE(result.listing.find("\n 500   "), std::string::npos);
    EXPECT_EQ(result.listing.find("\n 600   "), std::string::npos) << "stopped before line 600";
}

}  // namespace
