// The dialect that teaching material is written in: conditional assembly,
// macros, bank selection, pseudo-instructions, the data EEPROM and the
// chip's configuration names. Expected words are the data sheet's encodings
// written out by hand.
#include <gtest/gtest.h>

#include <string>

#include "tasm_test_support.h"

namespace {

using tasm_test::AssembleText;
using tasm_test::CMemoryIncludes;
using tasm_test::FirstError;
using tasm_test::WordsOf;

// The program words from word 5 on, in order.
std::vector<unsigned> CodeFrom5(const std::string& source,
                                tasm::CIncludeSource* includes = nullptr) {
    std::vector<unsigned> code;
    for (auto [address, word] : WordsOf(" org 5\n" + source, includes)) {
        if (address < 0x400) code.push_back(word);
    }
    return code;
}

using Words = std::vector<unsigned>;

TEST(Conditionals, BranchesNestAndUseTheFullOperators) {
    EXPECT_EQ(CodeFrom5(" radix dec\n"
                        "A equ 5\n"
                        " if A == 5 && !(A < 3)\n"
                        "  movlw 1\n"
                        "  if A != 5 || A >= 6\n"
                        "   movlw 2\n"
                        "  else\n"
                        "   movlw 3\n"
                        "  endif\n"
                        " else\n"
                        "  movlw 4\n"
                        "  if 1\n"
                        "   movlw 5\n"
                        "  else\n"  // inside a skipped branch: stays skipped
                        "   movlw 6\n"
                        "  endif\n"
                        " endif\n"
                        " #ifdef A\n"
                        "  movlw 7\n"
                        " #endif\n"
                        " ifndef B\n"
                        "  movlw 8\n"
                        " endif\n"
                        " if A <= 4\n"
                        "  movlw 9\n"
                        " endif\n"
                        " if A > 4\n"
                        "  movlw 10\n"
                        " endif\n"),
              (Words{0x3001, 0x3003, 0x3007, 0x3008, 0x300A}));
}

TEST(Conditionals, AGuardedHeaderOfTheUsersOwnReadsTwiceWithoutComplaint) {
    CMemoryIncludes includes;
    includes.files["myregs.inc"] =
        " ifndef __16F84\n"
        "  messg \"wrong chip\"\n"
        " endif\n"
        " ifndef MYREGS_INC\n"
        "#define MYREGS_INC\n"
        "COUNT equ 0x20\n"
        " endif\n";
    auto result = AssembleText(
        " list p=16f84\n"
        "#include \"myregs.inc\"\n"
        "#include \"myregs.inc\"\n"
        " org 5\n"
        " movwf COUNT\n",
        &includes);
    EXPECT_EQ(result.errors, 0) << result.listing;
    EXPECT_TRUE(result.messages.empty()) << result.messages.front();
    EXPECT_EQ(tasm_test::ObjectWords(result.object)[5], 0x00A0u);
}

TEST(Conditionals, BothPassesTakeTheSameBranch) {
    // The label is not defined yet where IFDEF asks, in either pass; were
    // the second pass to see it, the code behind it would move.
    EXPECT_EQ(CodeFrom5(" ifdef later\n nop\n endif\nlater goto later\n"), (Words{0x2805}));
}

TEST(Conditionals, MismatchedDirectivesAreErrors) {
    struct CCase {
        const char* source;
        const char* error;
    } cases[] = {
        {" else\n", "ELSE without IF"},
        {" endif\n", "ENDIF without IF"},
        {" if 1\n nop\n", "IF without ENDIF"},
        {" if 1\n else\n else\n endif\n", "a second ELSE for the same IF"},
        {" ifdef\n endif\n", "IFDEF needs one name"},
        {" if later\n endif\nlater nop\n",
         "this value must not depend on symbols defined further down"},
    };
    for (const CCase& c : cases) {
        auto result = AssembleText(c.source);
        EXPECT_EQ(result.errors, 1) << c.source << result.listing;
        EXPECT_EQ(FirstError(result), c.error) << c.source;
    }
}

const char* const kMacros =
    "store macro value, reg\n"
    " movlw value\n"
    " movwf reg\n"
    " endm\n"
    "wait macro n\n"
    " local again\n"
    " movlw n\n"
    "again addlw -1\n"
    " btfss STATUS,Z\n"
    " goto again\n"
    " endm\n";

TEST(Macros, ParametersAndLocalLabelsOfEachInvocation) {
    EXPECT_EQ(CodeFrom5(std::string(kMacros) + "first store 0x12, 0x20\n"
                                               " wait 3\n"
                                               " wait 4\n"
                                               " goto first\n"),
              (Words{0x3012, 0x00A0,                  // store
                     0x3003, 0x3EFF, 0x1D03, 0x2808,  // wait 3: again = 8
                     0x3004, 0x3EFF, 0x1D03, 0x280C,  // wait 4: again = 12
                     0x2805}));
}

TEST(Macros, NestedInvocationsAndExitm) {
    EXPECT_EQ(CodeFrom5("inner macro x\n"
                        " movlw x\n"
                        " if x > 1\n"
                        "  exitm\n"
                        " endif\n"
                        " nop\n"
                        " endm\n"
                        "outer macro y\n"
                        " inner y\n"
                        " inner y+1\n"
                        " endm\n"
                        " outer 1\n"
                        " outer 2\n"),
              (Words{0x3001, 0x0000, 0x3002, 0x3002, 0x3003}));
}

TEST(Macros, WordsCarryTheInvokingLineInListingAndMap) {
    CMemoryIncludes includes;
    includes.files["macros.inc"] = kMacros;
    auto result = AssembleText(
        "#include \"macros.inc\"\n"
        " org 5\n"
        " store 1, 0x20 ; line 3\n",
        &includes);
    ASSERT_EQ(result.errors, 0) << result.listing;
    EXPECT_NE(result.listing.find("   3   0005 3001            movlw 1\r\n"), std::string::npos)
        << result.listing;
    EXPECT_NE(result.listing.find("   3   0006 00A0            movwf 0x20\r\n"), std::string::npos);
    EXPECT_NE(result.map.find("W 0005 0 3\nW 0006 0 3\n"), std::string::npos) << result.map;
}

TEST(Macros, NoexpandListsOnlyTheLinesThatMakeWords) {
    auto result = AssembleText(
        "two macro\n"
        " ; a comment in the body\n"
        " nop\n"
        " endm\n"
        " org 5\n"
        " noexpand\n"
        " two\n");
    EXPECT_EQ(result.listing.find("a comment in the body\r\n   7"), std::string::npos);
    EXPECT_NE(result.listing.find("   7   0005 0000            nop\r\n"), std::string::npos)
        << result.listing;
}

TEST(Macros, AnErrorInsideNamesTheMacroLineAndTheInvocation) {
    auto result = AssembleText(
        "load macro k\n"
        " movlw k\n"
        " endm\n"
        " org 5\n"
        " load .300\n");
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0],
              "t.asm:5: error: literal out of range (-255..255): 0x12C (in macro load at t.asm:2)");
}

TEST(Macros, RunawaysEndInOneErrorNotACrash) {
    auto self = AssembleText("again macro\n nop\n again\n endm\n org 5\n again\n");
    EXPECT_EQ(self.errors, 1);
    EXPECT_EQ(FirstError(self).rfind("macros nested more than 32 deep: does 'again' invoke", 0), 0u)
        << FirstError(self);

    // Ten invocations at each of six levels: a million lines.
    std::string bomb = "m0 macro\n ; a line\n endm\n";
    for (int level = 1; level <= 6; ++level) {
        bomb += "m" + std::to_string(level) + " macro\n";
        for (int i = 0; i < 10; ++i) bomb += " m" + std::to_string(level - 1) + "\n";
        bomb += " endm\n";
    }
    auto result = AssembleText(bomb + " m6\n");
    EXPECT_EQ(result.errors, 1);
    EXPECT_NE(result.listing.find("macros expanded into more than 100000 lines or 16 MB"),
              std::string::npos);

    // Each level passes its argument on four times over: 4^12 times 1000.
    std::string doubling = "d0 macro a\n ; a\n endm\n";
    for (int level = 1; level <= 12; ++level) {
        doubling += "d" + std::to_string(level) + " macro a\n d" + std::to_string(level - 1) +
                    " a a a a\n endm\n";
    }
    auto wide = AssembleText(doubling + " d12 " + std::string(1000, 'x') + "\n");
    EXPECT_EQ(wide.errors, 1);
    EXPECT_NE(wide.listing.find("macros expanded into more than"), std::string::npos);
}

TEST(Macros, DefinitionErrors) {
    struct CCase {
        const char* source;
        const char* error;
    } cases[] = {
        {"m macro\n nop\n", "MACRO without ENDM"},
        {" endm\n", "ENDM without MACRO"},
        {"m macro\n endm\nm macro\n endm\n", "macro 'm' is already defined"},
        {"m macro 5\n endm\n", "a macro parameter must be a name"},
        {"m macro a\n endm\n m 1, 2\n", "macro 'm' takes 1 arguments, not 2"},
        {" local x\n", "LOCAL outside a macro"},
        {" exitm\n", "EXITM outside a macro"},
    };
    for (const CCase& c : cases) {
        auto result = AssembleText(c.source);
        EXPECT_EQ(result.errors, 1) << c.source << result.listing;
        EXPECT_EQ(FirstError(result), c.error) << c.source;
    }
}

TEST(Macros, EveryLineThatUsesAMissingMacroIsInError) {
    auto result = AssembleText(" org 5\n delay 5\n delay 6\n nop\n delay 7\n");
    EXPECT_EQ(result.errors, 3);
    EXPECT_EQ(
        result.messages,
        (std::vector<std::string>{"t.asm:2: error: unknown mnemonic, directive or macro 'delay'",
                                  "t.asm:3: error: unknown mnemonic, directive or macro 'delay'",
                                  "t.asm:5: error: unknown mnemonic, directive or macro 'delay'"}));

    // A missing header: each name it would have defined once.
    auto names = AssembleText(
        "#include \"gone.inc\"\n"
        " org 5\n"
        " movwf COUNT\n"
        " incf COUNT,f\n"
        " movlw LIMIT\n"
        " decf COUNT,f\n");
    EXPECT_EQ(names.messages,
              (std::vector<std::string>{"t.asm:1: error: cannot open include file 'gone.inc'",
                                        "t.asm:3: error: undefined symbol 'COUNT'",
                                        "t.asm:5: error: undefined symbol 'LIMIT'"}));

    // An unsupported directive in a macro body, invoked three times, is one
    // fault; the line that takes the argument is wrong at every invocation.
    auto inMacro = AssembleText(
        "m macro k\n"
        " fill 0, 3\n"
        " movlw k\n"
        " endm\n"
        " org 5\n"
        " m .300\n"
        " m .300\n"
        " m .400\n");
    EXPECT_EQ(inMacro.messages,
              (std::vector<std::string>{
                  "t.asm:6: error: 'FILL' is a directive this assembler does not support (in "
                  "macro m at t.asm:2)",
                  "t.asm:6: error: literal out of range (-255..255): 0x12C (in macro m at t.asm:3)",
                  "t.asm:7: error: literal out of range (-255..255): 0x12C (in macro m at t.asm:3)",
                  "t.asm:8: error: literal out of range (-255..255): 0x190 (in macro m at "
                  "t.asm:3)"}));
}

TEST(PseudoInstructions, EachStandsForItsRealInstructions) {
    struct CCase {
        const char* line;
        Words words;
    } cases[] = {
        {"movfw 0x20", {0x0820}},
        {"tstf 0x20", {0x08A0}},
        {"clrc", {0x1003}},
        {"setc", {0x1403}},
        {"clrz", {0x1103}},
        {"setz", {0x1503}},
        {"clrdc", {0x1083}},
        {"setdc", {0x1483}},
        {"skpc", {0x1C03}},
        {"skpnc", {0x1803}},
        {"skpz", {0x1D03}},
        {"skpnz", {0x1903}},
        {"skpdc", {0x1C83}},
        {"skpndc", {0x1883}},
        {"b 0x10", {0x2810}},
        {"lgoto 0x10", {0x2810}},
        {"lcall 0x10", {0x2010}},
        {"bc 0x10", {0x1803, 0x2810}},
        {"bnc 0x10", {0x1C03, 0x2810}},
        {"bz 0x10", {0x1903, 0x2810}},
        {"bnz 0x10", {0x1D03, 0x2810}},
        {"bdc 0x10", {0x1883, 0x2810}},
        {"bndc 0x10", {0x1C83, 0x2810}},
        {"negf 0x20", {0x09A0, 0x0AA0}},
        {"negf 0x20,w", {0x09A0, 0x0A20}},
        {"addcf 0x20,w", {0x1803, 0x0A20}},
        {"subcf 0x20", {0x1803, 0x03A0}},
        {"adddcf 0x20,f", {0x1883, 0x0AA0}},
        {"subdcf 0x20,w", {0x1883, 0x0320}},
        {"banksel TRISB", {0x1683}},
        {"banksel PORTB", {0x1283}},
        {"bankisel 0x100", {0x1783}},
        {"bankisel TRISB", {0x1383}},
        {"pagesel 0x10", {}},
    };
    for (const CCase& c : cases) {
        EXPECT_EQ(CodeFrom5(std::string(" ") + c.line + "\n"), c.words) << c.line;
    }
    EXPECT_EQ(FirstError(AssembleText(" skpz 1\n")), "extra operand");
    EXPECT_EQ(FirstError(AssembleText(" negf\n")), "missing operand");
}

TEST(PseudoInstructions, AProgramsOwnMacroOfTheSameNameWins) {
    EXPECT_EQ(CodeFrom5("skpz macro\n btfss 3,2\n nop\n endm\n skpz\n"), (Words{0x1D03, 0x0000}));
}

TEST(Eeprom, DataAtWord0x2100BecomesRecordsFromByte0x4200) {
    auto result = AssembleText(
        " org 5\n"
        " nop\n"
        " org 0x2100\n"
        " de 1, \"ab\"\n"
        " dw 0x1234\n"
        " dt 7\n");
    ASSERT_EQ(result.errors, 0) << result.listing;
    EXPECT_NE(result.object.find(":0A420000000100610062123434076F\r\n"), std::string::npos)
        << result.object;
    EXPECT_EQ(result.map, "LUMOMAP 1\nF 0 t.asm\nW 0005 0 2\n");
    EXPECT_EQ(FirstError(AssembleText(" org 0x2140\n")),
              "ORG address out of range (0-1023, data EEPROM 0x2100-0x213F)");
}

TEST(ConfigurationNames, CurrentAndOldNamesWithEachChipsValues) {
    const std::string config =
        " __config _FOSC_XT & _WDTE_OFF & _PWRTE_ON & _CP_OFF\n"
        " dw _CP_ON, _XT_OSC & _WDT_OFF & _PWRTE_OFF, _FOSC_EXTRC & _FOSC_HS & _FOSC_LP\n";
    // PIC16C84: the power-up timer bit is set to enable it, CP_ON is 0x3FEF.
    auto c84 = WordsOf(config);
    EXPECT_EQ(c84[0x2007], 0x3FF9u);
    EXPECT_EQ(c84[0], 0x3FEFu);
    EXPECT_EQ(c84[1], 0x3FF1u);
    EXPECT_EQ(c84[2], 0x3FFCu);
    for (const char* chip :
         {" list p=16f84\n", " processor 16F84A\n", "#include <P16F84A.INC>\n"}) {
        auto f84 = WordsOf(chip + config);
        EXPECT_EQ(f84[0x2007], 0x3FF1u) << chip;
        EXPECT_EQ(f84[0], 0x000Fu) << chip;
        EXPECT_EQ(f84[1], 0x3FF9u) << chip;
    }
}

TEST(Directives, ListingAndMessageDirectives) {
    CMemoryIncludes includes;
    includes.files["a.inc"] = "VALUE equ 3\n";
    auto result = AssembleText(
        " title \"Blink\"\n"
        " subtitle \"part one\"\n"
        " space 2\n"
        " page\n"
        " nolist\n"
        " list\n"
        " expand\n"
        " __maxram 0xCF\n"
        " __badram 0x07, 0x50-0x7F\n"
        "#include<a.inc>\n"
        " include<a.inc>\n"
        " messg \"building the blinker\"\n"
        " org 5\n"
        " da \"abc\"\n"
        " dt \"ab\", VALUE\n",
        &includes);
    EXPECT_EQ(result.errors, 1) << result.listing << "a.inc read twice defines VALUE twice";
    ASSERT_EQ(result.messages.size(), 2u);
    EXPECT_EQ(result.messages[1], "t.asm:12: message: building the blinker");
    auto words = WordsOf(" org 5\n da \"abc\"\n dt \"ab\", 3\n");
    EXPECT_EQ(words[5], 0x30E2u);
    EXPECT_EQ(words[6], 0x3180u);
    EXPECT_EQ(words[7], 0x3461u);
    EXPECT_EQ(words[8], 0x3462u);
    EXPECT_EQ(words[9], 0x3403u);

    auto stop = AssembleText(" error \"set the clock first\"\n");
    EXPECT_EQ(stop.messages, std::vector<std::string>{"t.asm:1: error: set the clock first"});
    EXPECT_EQ(FirstError(AssembleText(" code\n")),
              "'CODE' is a directive this assembler does not support");
    EXPECT_EQ(FirstError(AssembleText(" constant a\n")), "name=value expected instead of 'a'");
    EXPECT_EQ(FirstError(AssembleText(" while 1\n")),
              "'WHILE' is a directive this assembler does not support");
}

TEST(Directives, ConstantAndVariableDefineSeveralNames) {
    EXPECT_EQ(CodeFrom5(" constant A=1, B=A+1\n"
                        " variable i, j=3\n"
                        " movlw B\n"
                        "i set j+1\n"
                        " movlw i\n"),
              (Words{0x3002, 0x3004}));
}

TEST(Directives, ErrorlevelSilencesAndRestoresTheBankMessage) {
    auto result = AssembleText(
        " org 5\n"
        " errorlevel -302\n"
        " movwf TRISB\n"
        " errorlevel +302\n"
        " movwf TRISB\n"
        " errorlevel 1\n"
        " movwf TRISA\n"
        " errorlevel 0\n"
        " movwf TRISA\n");
    ASSERT_EQ(result.messages.size(), 2u);
    EXPECT_EQ(result.messages[0],
              "t.asm:5: warning: Register 0x86 lies in bank 1: make sure RP0 is set before this "
              "instruction");
    EXPECT_EQ(result.messages[1].rfind("t.asm:9: warning: Register 0x85", 0), 0u);
}

TEST(Symbols, OnlyAnExactNameHidesTheChipsOwn) {
    auto own = AssembleText(" org 5\nTrisA equ 0x20\n movwf TrisA\n movwf TRISA\n");
    EXPECT_EQ(own.errors, 0);
    EXPECT_EQ(own.warnings, 1) << "only the bank message of TRISA";
    auto words = tasm_test::ObjectWords(own.object);
    EXPECT_EQ(words[5], 0x00A0u);
    EXPECT_EQ(words[6], 0x0085u);
    auto clash = AssembleText("TRISA equ 0x20\n");
    EXPECT_EQ(clash.warnings, 1);
}

TEST(StartWarning, CodeInWordsZeroToThreeIsNamedOnce) {
    auto jump = AssembleText(" org 0\n goto start\n org 5\nstart nop\n");
    EXPECT_EQ(jump.warnings, 0);
    auto code = AssembleText(" org 0\n clrf PORTB\n clrf PORTA\n");
    ASSERT_EQ(code.messages.size(), 1u);
    EXPECT_EQ(code.messages[0],
              "t.asm:2: warning: this simulator starts at word 5; words 0-3 run only when "
              "jumped to");
}

}  // namespace
