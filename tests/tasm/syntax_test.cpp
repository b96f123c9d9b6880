// Number formats, expressions, labels and the chip's built-in names.
#include <gtest/gtest.h>

#include <string>

#include "tasm_test_support.h"

namespace {

using tasm_test::AssembleText;
using tasm_test::FirstError;
using tasm_test::WordOf;
using tasm_test::WordsOf;

// The literal a number or expression gives, through MOVLW's 8 bits or
// GOTO's 11.
unsigned Literal(const std::string& expression) {
    return WordOf(" movlw " + expression) & 0xFF;
}
// The same in decimal radix.
unsigned DecimalLiteral(const std::string& expression) {
    auto words = WordsOf(" radix dec\n movlw " + expression + "\n");
    return words.empty() ? 0xFFFFFFFF : words.begin()->second & 0xFF;
}
unsigned Jump(const std::string& expression) {
    return WordOf(" goto " + expression) & 0x7FF;
}

TEST(Numbers, EveryWrittenForm) {
    struct CCase {
        const char* text;
        unsigned value;
    } cases[] = {
        {"10", 0x10},    {".10", 10},     {"D'10'", 10}, {"d'10'", 10},  {"0FF", 0xFF},
        {"0x1F", 0x1F},  {"0X1f", 0x1F},  {"1Fh", 0x1F}, {"0FFh", 0xFF}, {"H'1F'", 0x1F},
        {"h'ff'", 0xFF}, {"$1F", 0x1F},   {"0b0101", 5}, {"1e", 0x1E},   {"B'0101'", 5},
        {"%0101", 5},    {"O'17'", 15},   {"17o", 15},   {"'A'", 65},    {"A'A'", 65},
        {"a'z'", 'z'},   {"'\\''", '\''}, {"' '", 32},   {"0", 0},       {".255", 255},
    };
    for (const CCase& c : cases) EXPECT_EQ(Literal(c.text), c.value) << c.text;
}

TEST(Numbers, BadNumbersAreErrors) {
    const char* bad[] = {"12g",         "0x",  "0x1G",  "B'102'", "O'8'", "1Fz",
                         "99999999999", "H''", "D'1A'", "''",     "'ab'"};
    for (const char* text : bad) {
        auto result = AssembleText(std::string(" movlw ") + text + "\n");
        EXPECT_EQ(result.errors, 1) << text;
        EXPECT_EQ(FirstError(result).rfind("bad number", 0), 0u)
            << text << ": " << FirstError(result);
    }
}

TEST(Numbers, RadixChangesBareNumbersOnly) {
    auto words = WordsOf(
        " movlw 10\n"  // hexadecimal until told otherwise
        " dw 0101b\n"  // all hex digits: hex in hex radix
        " radix dec\n"
        " movlw 10\n"
        " dw 0101b\n"
        " movlw 12d\n"
        " movlw H'10'\n"
        " list r=oct\n"
        " movlw 17\n"
        " processor 16F84\n"
        " list p=16C84, r=hex\n"
        " movlw 10\n");
    ASSERT_EQ(words.size(), 8u);
    EXPECT_EQ(words[0] & 0xFF, 0x10u);
    EXPECT_EQ(words[1], 0x101Bu);
    EXPECT_EQ(words[2] & 0xFF, 10u);
    EXPECT_EQ(words[3], 5u);
    EXPECT_EQ(words[4] & 0xFF, 12u);
    EXPECT_EQ(words[5] & 0xFF, 0x10u);
    EXPECT_EQ(words[6] & 0xFF, 15u);
    EXPECT_EQ(words[7] & 0xFF, 0x10u);
}

TEST(Expressions, CPrecedenceAndOperators) {
    struct CCase {
        const char* text;
        unsigned value;
    } cases[] = {
        {"1+2*3", 7},         {"(1+2)*3", 9},         {"10-4-3", 3},       {"100/10/5", 2},
        {"17%5", 2},          {"1<<4", 16},           {"0x80>>3", 16},     {"0xF0&0x3C", 0x30},
        {"0xF0|0x0F", 0xFF},  {"0xFF^0x0F", 0xF0},    {"~0 & 0x0F", 0x0F}, {"-1 & 0xFF", 0xFF},
        {"1|2^3&4", 3},       {"2+3<<1", 10},         {"1+1<<1+1", 8},     {"HIGH 0x1234", 0x12},
        {"LOW 0x1234", 0x34}, {"high(0x2ABC)", 0x2A}, {"-(-5)", 5},        {"- -5", 5},
        {"6/-3+3", 1},        {"7 % 3 * 2", 2},       {"((((1))))", 1},    {"20 % %101", 0},
    };
    for (const CCase& c : cases) EXPECT_EQ(DecimalLiteral(c.text), c.value) << c.text;
}

TEST(Expressions, DollarIsTheCurrentWord) {
    auto words = WordsOf(
        " org 5\n"
        " goto $\n"
        " goto $+2\n"
        " goto $-1\n");
    EXPECT_EQ(words[5], 0x2805u);
    EXPECT_EQ(words[6], 0x2808u);
    EXPECT_EQ(words[7], 0x2806u);
}

TEST(Expressions, FailuresAreErrorsNotCrashes) {
    struct CCase {
        const char* text;
        const char* error;
    } cases[] = {
        {"1/0", "division by zero"},
        {"5%0", "division by zero"},
        {"(1+2", "')' missing"},
        {"1+", "operand expected"},
        {"1 2", "unexpected '2'"},
        {"1<<64", "shift count out of range"},
        {"\"ab\"", "a string is not a value here"},
        {"*3", "unexpected '*'"},
        {"NOWHERE", "undefined symbol 'NOWHERE'"},
    };
    for (const CCase& c : cases) {
        auto result = AssembleText(std::string(" movlw ") + c.text + "\n");
        EXPECT_EQ(result.errors, 1) << c.text;
        EXPECT_EQ(FirstError(result), c.error) << c.text;
    }
}

TEST(Labels, EveryWayOfWritingOne) {
    auto words = WordsOf(
        "\torg 5\n"
        "first:\tnop\n"    // colon, column 1
        "  second: nop\n"  // colon, leading blanks
        "third nop\n"      // column 1 without colon
        "fourth\n"         // alone on its line
        "\tgoto first\n"
        "\tgoto second\n"
        "\tgoto third\n"
        "\tgoto fourth\n");
    EXPECT_EQ(words[8], 0x2805u);
    EXPECT_EQ(words[9], 0x2806u);
    EXPECT_EQ(words[10], 0x2807u);
    EXPECT_EQ(words[11], 0x2808u);
}

TEST(Labels, ForwardReferencesResolve) {
    auto words = WordsOf(
        " goto later\n"
        " movlw value\n"
        "later nop\n"
        "value equ .42\n");
    EXPECT_EQ(words[0], 0x2802u);
    EXPECT_EQ(words[1], 0x3000u | 42);
}

TEST(Labels, SymbolsAreCaseSensitive) {
    auto result = AssembleText(
        "Loop nop\n"
        " goto loop\n");
    EXPECT_EQ(FirstError(result), "undefined symbol 'loop'");
    EXPECT_EQ(result.messages.front().rfind("t.asm:2: error: ", 0), 0u);
}

TEST(Labels, LongLabelsWork) {
    std::string name(250, 'L');
    auto words = WordsOf(" nop\n" + name + ": nop\n goto " + name + "\n");
    EXPECT_EQ(words[2], 0x2801u);
}

TEST(BuiltInNames, RegistersBitsAndConfigurationValues) {
    struct CCase {
        const char* name;
        unsigned value;
    } cases[] = {
        {"INDF", 0},  {"TMR0", 1},     {"PCL", 2},   {"STATUS", 3},  {"FSR", 4},     {"PORTA", 5},
        {"PORTB", 6}, {"EEDATA", 8},   {"EEADR", 9}, {"PCLATH", 10}, {"INTCON", 11}, {"C", 0},
        {"DC", 1},    {"Z", 2},        {"PD", 3},    {"NOT_PD", 3},  {"TO", 4},      {"NOT_TO", 4},
        {"RP0", 5},   {"RP1", 6},      {"IRP", 7},   {"RBIF", 0},    {"INTF", 1},    {"T0IF", 2},
        {"RBIE", 3},  {"INTE", 4},     {"T0IE", 5},  {"EEIE", 6},    {"GIE", 7},     {"PS0", 0},
        {"PS1", 1},   {"PS2", 2},      {"PSA", 3},   {"T0SE", 4},    {"T0CS", 5},    {"INTEDG", 6},
        {"RBPU", 7},  {"NOT_RBPU", 7}, {"RD", 0},    {"WR", 1},      {"WREN", 2},    {"WRERR", 3},
        {"EEIF", 4},  {"RA0", 0},      {"RA4", 4},   {"RB0", 0},     {"RB7", 7},     {"W", 0},
        {"F", 1},
    };
    for (const CCase& c : cases) EXPECT_EQ(Literal(c.name), c.value) << c.name;
    // Bank 1 registers, seen through 11-bit GOTO so the bank bit shows.
    EXPECT_EQ(Jump("OPTION_REG"), 0x81u);
    EXPECT_EQ(Jump("TRISA"), 0x85u);
    EXPECT_EQ(Jump("TRISB"), 0x86u);
    EXPECT_EQ(Jump("EECON1"), 0x88u);
    EXPECT_EQ(Jump("EECON2"), 0x89u);
    struct CConfig {
        const char* name;
        unsigned value;
    } config[] = {
        {"_CP_ON", 0x3FEF},  {"_CP_OFF", 0x3FFF},  {"_PWRTE_ON", 0x3FFF}, {"_PWRTE_OFF", 0x3FF7},
        {"_WDT_ON", 0x3FFF}, {"_WDT_OFF", 0x3FFB}, {"_LP_OSC", 0x3FFC},   {"_XT_OSC", 0x3FFD},
        {"_HS_OSC", 0x3FFE}, {"_RC_OSC", 0x3FFF},
    };
    for (const CConfig& c : config) {
        auto words = WordsOf(std::string(" __CONFIG ") + c.name + "\n");
        EXPECT_EQ(words[0x2007], c.value) << c.name;
    }
}

TEST(BuiltInNames, AProgramsOwnDefinitionWins) {
    // Older sources define the registers themselves.
    auto result = AssembleText(
        "STATUS equ 3\n"
        "w equ 0\n"
        "f equ 1\n"
        " org 5\n"
        " movf STATUS,w\n"
        "Z equ 7\n"
        " bsf STATUS,Z\n");
    EXPECT_EQ(result.errors, 0) << result.listing;
    EXPECT_EQ(result.warnings, 1) << "Z with a value other than the chip's";
    auto words = tasm_test::ObjectWords(result.object);
    EXPECT_EQ(words[5], 0x0803u);
    EXPECT_EQ(words[6], 0x1783u);
}

}  // namespace
