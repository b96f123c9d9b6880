// Directives: where code goes, what symbols get, what data words hold.
#include <gtest/gtest.h>

#include <string>

#include "tasm_test_support.h"

namespace {

using tasm_test::AssembleText;
using tasm_test::CMemoryIncludes;
using tasm_test::FirstError;
using tasm_test::WordsOf;

TEST(Directives, OrgPlacesCodeWithOrWithoutDot) {
    auto words = WordsOf(
        " org 0\n"
        " goto 5\n"
        " .org 4\n"
        " retfie\n"
        " ORG 0x3FF\n"
        "last nop\n");
    ASSERT_EQ(words.size(), 6u) << "the short gap 1-3 travels as zero words";
    EXPECT_EQ(words[0], 0x2805u);
    EXPECT_EQ(words[1], 0u);
    EXPECT_EQ(words[4], 0x0009u);
    EXPECT_EQ(words[1023], 0x0000u);
}

TEST(Directives, ConstantsAndVariables) {
    auto words = WordsOf(
        "A equ 3\n"
        "B .equ A*2\n"
        "  C EQU B+1\n"  // a name EQU value may stand after blanks
        "V set 1\n"
        " movlw V\n"
        "V set V+1\n"
        " movlw V\n"
        "X = 9\n"
        "X = X+1\n"
        " movlw X\n"
        " movlw C\n");
    EXPECT_EQ(words[0], 0x3001u);
    EXPECT_EQ(words[1], 0x3002u);
    EXPECT_EQ(words[2], 0x300Au);
    EXPECT_EQ(words[3], 0x3007u);
}

TEST(Directives, EndStopsAssembling) {
    auto result = AssembleText(
        " nop\n"
        " end\n"
        " this is not assembled\n");
    EXPECT_EQ(result.errors, 0);
    EXPECT_EQ(tasm_test::ObjectWords(result.object).size(), 1u);
    EXPECT_NE(result.listing.find("this is not assembled"), std::string::npos)
        << "every source line is listed";
}

TEST(Directives, DataWords) {
    auto words = WordsOf(
        " dw 0x3FFF, 1, -1\n"
        " word 'A'\n"
        " db 0x12, \"hi\"\n"
        " byte -1\n"
        " dt 1, \"ab\"\n");
    unsigned expected[] = {0x3FFF, 1, 0x3FFF, 'A', 0x12, 'h', 'i', 0xFF, 0x3401, 0x3461, 0x3462};
    ASSERT_EQ(words.size(), std::size(expected));
    for (unsigned i = 0; i < std::size(expected); ++i) EXPECT_EQ(words[i], expected[i]) << i;
}

TEST(Directives, DefineReplacesNames) {
    auto words = WordsOf(
        "#define LED PORTB,3\n"
        "#define BANK1 bsf STATUS,RP0\n"
        "#define SELF SELF\n"
        " bsf LED\n"
        " BANK1\n"
        "SELF equ 2\n"
        " movlw SELF\n"
        "#undefine LED\n"
        "LED equ 4\n"
        " movlw LED\n");
    EXPECT_EQ(words[0], 0x1586u);
    EXPECT_EQ(words[1], 0x1683u);
    EXPECT_EQ(words[2], 0x3002u);
    EXPECT_EQ(words[3], 0x3004u);
}

TEST(Directives, ChipHeaderIsBuiltIn) {
    CMemoryIncludes none;
    for (const char* line : {"#include <p16c84.inc>", "#include \"p16f84.inc\"",
                             " include P16F84A.INC", "#INCLUDE <P16C84.INC> ; registers"}) {
        auto result = AssembleText(std::string(line) + "\n movwf PORTB\n", &none);
        EXPECT_EQ(result.errors, 0) << line << "\n" << result.listing;
    }
    EXPECT_EQ(none.opened, 0);
}

TEST(Directives, IncludeReadsTheFileOnceForBothPasses) {
    CMemoryIncludes files;
    files.files["defs.inc"] = "COUNT equ 0x20\nhelper: return\n";
    files.files["sub/more.inc"] = " nop\n";
    auto result = AssembleText(
        " call helper\n"
        "#include \"defs.inc\"\n"
        " include <sub/more.inc>\n"
        " movwf COUNT\n",
        &files);
    EXPECT_EQ(result.errors, 0) << result.listing;
    auto words = tasm_test::ObjectWords(result.object);
    EXPECT_EQ(words[0], 0x2001u);
    EXPECT_EQ(words[1], 0x0008u);
    EXPECT_EQ(words[2], 0x0000u);
    EXPECT_EQ(words[3], 0x00A0u);
    EXPECT_EQ(files.opened, 2);
}

TEST(Directives, ConfigAndIdLocations) {
    auto words = WordsOf(
        " __CONFIG _XT_OSC & _WDT_OFF & _PWRTE_ON & _CP_OFF\n"
        " __IDLOCS 0x1234\n"
        " nop\n");
    EXPECT_EQ(words[0x2007], 0x3FF9u);
    EXPECT_EQ(words[0x2000], 1u);
    EXPECT_EQ(words[0x2003], 4u);
    EXPECT_EQ(WordsOf(" __config _CONFIG, 0x3FF1\n")[0x2007], 0x3FF1u);
}

TEST(Directives, CblockNumbersItsNames) {
    auto words = WordsOf(
        " cblock 0x0C\n"
        "  first, second\n"
        "  buffer:4\n"
        "  after\n"
        " endc\n"
        " cblock\n"
        "  next\n"
        " endc\n"
        " movlw first\n"
        " movlw second\n"
        " movlw buffer\n"
        " movlw after\n"
        " movlw next\n");
    unsigned expected[] = {0x0C, 0x0D, 0x0E, 0x12, 0x13};
    for (unsigned i = 0; i < 5; ++i) EXPECT_EQ(words[i] & 0xFF, expected[i]) << i;
}

TEST(Directives, ListingControlIsAccepted) {
    auto result = AssembleText(
        " processor PIC16F84A\n"
        " list p=16c84, f=inhx8m, st=off\n"
        " errorlevel -302\n"
        " title \"x\"\n"
        " nolist\n"
        " page\n");
    EXPECT_EQ(result.errors, 0) << result.listing;
    EXPECT_EQ(result.warnings, 0);
    EXPECT_EQ(AssembleText(" processor 16F877\n").warnings, 1);
}

}  // namespace
