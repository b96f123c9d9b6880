// The source map and the messages the editor marks lines with.
#include <gtest/gtest.h>

#include <string>

#include "tasm_test_support.h"

namespace {

using tasm_test::AssembleText;

TEST(SourceMap, EveryWordNamesItsFileAndLine) {
    tasm_test::CMemoryIncludes includes;
    includes.files["sub.inc"] = "; helper\nhelp:\n  return\n";
    auto result = AssembleText(
        "  org 0\n"
        "  goto 5\n"
        "  org 5\n"
        "  movlw 1\n"
        "\n"
        "  #include \"sub.inc\"\n"
        "  dw 1, 2\n"
        "  __config 0x3FF1\n",
        &includes);
    ASSERT_EQ(result.errors, 0) << result.listing;
    EXPECT_EQ(result.map,
              "LUMOMAP 2\n"
              "F 0 t.asm\n"
              "F 1 sub.inc\n"
              "W 0000 0 2\n"
              "W 0005 0 4\n"
              "W 0006 1 3\n"
              "W 0007 0 7\n"
              "W 0008 0 7\n"
              "S L 6 help\n");
}

// Names from an included CBLOCK and EQU, used directly and through a macro;
// a name counts as a register only where a register operand names it, and a
// chip register keeps the bank the source named.
TEST(SourceMap, NamesTheProgramsSymbolsAndTheRegistersItsWordsName) {
    tasm_test::CMemoryIncludes includes;
    includes.files["vars.inc"] = "  cblock 0x0C\n  presses, temp:2\n  endc\nLIMIT equ 5\n";
    auto result = AssembleText(
        "#include \"vars.inc\"\n"
        "bump macro reg\n"
        "  incf reg, f\n"
        "  endm\n"
        "count set 1\n"
        "  org 5\n"
        "start\n"
        "  clrf TRISB\n"
        "loop\n"
        "  bump presses\n"
        "  movlw LIMIT\n"
        "  subwf presses, w\n"
        "  goto loop\n",
        &includes);
    ASSERT_EQ(result.errors, 0) << result.listing;
    const std::string map = result.map;
    EXPECT_EQ(map.substr(0, 10), "LUMOMAP 2\n");
    EXPECT_EQ(map.substr(map.find("\nS ") + 1),
              "S C 5 LIMIT\n"  // a literal only
              "S L 6 loop\n"
              "S R C presses\n"  // through the macro and directly
              "S L 5 start\n"
              "S C D temp\n"  // never a register operand; SET's count is no name to show
              "A 0005 086\n"
              "A 0006 00C\n"
              "A 0008 00C\n");
}

TEST(SourceMap, NoMapWhenThereAreErrors) {
    auto result = AssembleText(" nop\n goto nowhere\n");
    EXPECT_EQ(result.errors, 1);
    EXPECT_TRUE(result.map.empty());
}

TEST(Messages, WarningsAndErrorsComeInSourceOrderWithTheirFiles) {
    tasm_test::CMemoryIncludes includes;
    includes.files["bank.inc"] = " org 5\n movwf TRISB\n";
    auto result = AssembleText(" list p=16f877\n#include \"bank.inc\"\n goto nowhere\n", &includes);
    ASSERT_EQ(result.messages.size(), 3u);
    EXPECT_EQ(result.messages[0].rfind("t.asm:1: warning: processor '16f877'", 0), 0u);
    EXPECT_EQ(result.messages[1].rfind("bank.inc:2: warning: Register 0x86", 0), 0u);
    EXPECT_EQ(result.messages[2], "t.asm:3: error: undefined symbol 'nowhere'");
    EXPECT_EQ(result.errors, 1);
    EXPECT_EQ(result.warnings, 2);
}

TEST(Messages, BytesAboveAsciiPassInCommentsAndStrings) {
    // "čađ" in UTF-8, then "š" in Windows-1250.
    auto result = AssembleText(
        " org 5\n"
        " movlw 1 ; \xC4\x8D"
        "a\xC4\x91\n"
        " dt \"\xC5\xA1\x9A\"\n"
        "; \x9A\xE8\n");
    EXPECT_EQ(result.errors, 0) << result.listing;
    EXPECT_EQ(result.warnings, 0) << result.listing;
    auto words = tasm_test::ObjectWords(result.object);
    EXPECT_EQ(words[6], 0x34C5u);
    EXPECT_EQ(words[7], 0x34A1u);
    EXPECT_EQ(words[8], 0x349Au);
    EXPECT_NE(result.listing.find("; \xC4\x8D"
                                  "a\xC4\x91"),
              std::string::npos);
}

}  // namespace
