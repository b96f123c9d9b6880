// The map from program words to source lines: the assembler's map file, the
// map a listing implies, and which of them the simulator takes.
#include "build/source_map.h"

#include <gtest/gtest.h>

#include "build/source_file.h"
#include "build_test_support.h"

namespace {

const std::string kMapWithInclude =
    "LUMOMAP 1\r\n"
    "F 0 prog.asm\r\n"
    "F 1 my defs.inc\r\n"
    "W 0004 1 3\r\n"
    "W 0005 0 7\r\n"
    "W 0006 0 7\r\n"
    "W 0007 0 9\r\n"
    "W 03FF 0 12\r\n";

TEST(SourceMapTest, ReadsFilesAndWords) {
    build::CSourceMap map;
    ASSERT_TRUE(build::ParseSourceMap(kMapWithInclude, &map));
    EXPECT_EQ(map.files, (std::vector<std::string>{"prog.asm", "my defs.inc"}));
    EXPECT_EQ(map.words[4], (build::CSourceLine{1, 3}));
    EXPECT_EQ(map.words[6], (build::CSourceLine{0, 7}));
    EXPECT_EQ(map.words[1023], (build::CSourceLine{0, 12}));
    EXPECT_EQ(map.words[8], build::CSourceLine{}) << "a word no line produced";
    EXPECT_EQ(map.FirstWordOf(0, 7), 5);
    EXPECT_EQ(map.FirstWordOf(1, 3), 4);
    EXPECT_EQ(map.FirstWordOf(0, 3), -1) << "line 3 of the main file made no word";
    EXPECT_EQ(map.FirstWordOf(0, 8), -1);

    build::CSourceMap lf;
    std::string unix = kMapWithInclude;
    std::erase(unix, '\r');
    ASSERT_TRUE(build::ParseSourceMap(unix, &lf));
    EXPECT_EQ(lf.words, map.words);
}

TEST(SourceMapTest, ReadsNamesAndRegisterOperands) {
    build::CSourceMap map;
    ASSERT_TRUE(
        build::ParseSourceMap("LUMOMAP 2\nF 0 a.asm\nW 0005 0 3\nW 0006 0 4\n"
                              "S C -2 MINUS\nS L 5 loop\nS R C presses\n"
                              "A 0005 086\nA 0006 00C\n",
                              &map));
    using EKind = build::CProgramSymbol::EKind;
    EXPECT_EQ(map.symbols, (std::vector<build::CProgramSymbol>{{"MINUS", -2, EKind::Constant},
                                                               {"loop", 5, EKind::Label},
                                                               {"presses", 12, EKind::Register}}));
    EXPECT_EQ(map.fileAddresses[5], 0x86);
    EXPECT_EQ(map.fileAddresses[6], 0x0C);
    EXPECT_EQ(map.fileAddresses[7], -1);
    ASSERT_NE(map.RegisterName(12), nullptr);
    EXPECT_EQ(map.RegisterName(12)->name, "presses");
    EXPECT_EQ(map.RegisterName(5), nullptr) << "a label is no register";
    ASSERT_NE(map.LabelAt(5), nullptr);
    EXPECT_EQ(map.LabelAt(5)->name, "loop");

    ASSERT_TRUE(build::ParseSourceMap(kMapWithInclude, &map));
    EXPECT_TRUE(map.symbols.empty()) << "a map of version 1 has none";
    EXPECT_EQ(map.fileAddresses[5], -1);
}

TEST(SourceMapTest, RejectsWhatIsNotAMap) {
    const std::string head = "LUMOMAP 1\nF 0 a.asm\n";
    const std::string head2 = "LUMOMAP 2\nF 0 a.asm\n";
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"another version", "LUMOMAP 3\nF 0 a.asm\n"},
        {"names in version 1", head + "S L 5 start\n"},
        {"unknown kind of name", head2 + "S X 5 start\n"},
        {"lower-case value", head2 + "S C a start\n"},
        {"name with a blank", head2 + "S C 1 a b\n"},
        {"names not sorted", head2 + "S C 1 b\nS C 1 a\n"},
        {"register beyond bank 3", head2 + "A 0005 200\n"},
        {"register operands not ascending", head2 + "A 0006 001\nA 0005 001\n"},
        {"no header", "F 0 a.asm\nW 0005 0 1\n"},
        {"files out of order", "LUMOMAP 1\nF 1 a.asm\n"},
        {"file without a name", "LUMOMAP 1\nF 0\n"},
        {"lower-case address", head + "W 000a 0 1\n"},
        {"short address", head + "W 05 0 1\n"},
        {"word beyond program memory", head + "W 0400 0 1\n"},
        {"unknown file", head + "W 0005 1 1\n"},
        {"line 0", head + "W 0005 0 0\n"},
        {"line not a number", head + "W 0005 0 1x\n"},
        {"words not ascending", head + "W 0006 0 1\nW 0005 0 2\n"},
        {"a word twice", head + "W 0006 0 1\nW 0006 0 2\n"},
        {"unknown record", head + "X 1\n"},
        {"empty line inside", head + "\nW 0005 0 1\n"},
    };
    for (const auto& [name, text] : cases) {
        build::CSourceMap map;
        map.files = {"kept"};
        EXPECT_FALSE(build::ParseSourceMap(text, &map)) << name;
        EXPECT_EQ(map.files, std::vector<std::string>{"kept"}) << name;
    }
    build::CSourceMap map;
    EXPECT_TRUE(build::ParseSourceMap(head + "W 0005 0 1\n\n", &map)) << "an empty last line";
}

// The listing as the assembler lays it out: line number at 0-3, address at
// 7-10, up to three code words from 12, the source from 27; more words go
// on lines of their own without a line number.
const std::string kListing =
    "   1                       ; DEAD BEEF\r\n"
    "   2   0000                        org 0\r\n"
    "   3   0000 2805                   goto main\r\n"
    "   4               =000C   count   equ 0x0C\r\n"
    "   5   0005                main:\r\n"
    "   6   0005 3001 3002 3003         dw 1,2,3,4,5\r\n"
    "       0008 3004 3005\r\n"
    "   7   000A 1234 5678 9ABC DECF 0x20\r\n"
    "***** error: 0008 something\r\n"
    "  12   000D 0A8C                   incf count,f\r\n"
    "Number of warnings = 0\r\n"
    "Number of errors = 0\r\n";

TEST(SourceMapTest, ListingGivesTheLinesOfSingleFilePrograms) {
    const build::CSourceMap map = build::SourceMapFromListing(kListing, "prog.asm");
    EXPECT_EQ(map.files, std::vector<std::string>{"prog.asm"});
    std::vector<std::pair<int, int>> words;  // word, line
    for (int word = 0; word < build::kProgramWords; ++word) {
        const build::CSourceLine& at = map.words[static_cast<size_t>(word)];
        if (at.file < 0) continue;
        EXPECT_EQ(at.file, 0);
        words.emplace_back(word, at.line);
    }
    // The org, equ and label lines make no code; the continuation belongs to
    // line 6; "DECF" after three words is source text.
    const std::vector<std::pair<int, int>> expected = {{0, 3}, {5, 6},  {6, 6},  {7, 6},  {8, 6},
                                                       {9, 6}, {10, 7}, {11, 7}, {12, 7}, {13, 12}};
    EXPECT_EQ(words, expected);
}

TEST(SourceMapTest, ListingWithLargeLineNumbersAndWordsNearTheEnd) {
    const build::CSourceMap map = build::SourceMapFromListing(
        "12345  03FE 0000 0001 0002\r\n"  // numbers past 9999 take the blanks after them
        "  13   0400 0000\r\n",           // beyond program memory
        "a.asm");
    EXPECT_EQ(map.words[1022], (build::CSourceLine{0, 12345}));
    EXPECT_EQ(map.words[1023], (build::CSourceLine{0, 12345}));
}

class LoadSourceMapTest : public testing::Test {
protected:
    void SetUp() override {
        SourceFolder = m_folder.Folder();
        SourceFileName = "prog.asm";
        ListingFileName = "prog.lst";
    }
    void TearDown() override {
        SourceFolder.clear();
        SourceFileName.clear();
        ListingFileName.clear();
    }
    CScratchFolder m_folder;
};

TEST_F(LoadSourceMapTest, TheMapFileWinsOverTheListing) {
    m_folder.Write("prog.lst", kListing);
    m_folder.Write("prog.map", kMapWithInclude);
    const build::CSourceMap map = build::LoadSourceMap();
    EXPECT_EQ(map.files.size(), 2u);
    EXPECT_EQ(map.words[4], (build::CSourceLine{1, 3}));
}

TEST_F(LoadSourceMapTest, WithoutAReadableMapTheListingServes) {
    m_folder.Write("prog.lst", kListing);
    EXPECT_EQ(build::LoadSourceMap().words[13], (build::CSourceLine{0, 12}));
    m_folder.Write("prog.map", "LUMOMAP 1\nF 0 prog.asm\nW 0005 0 0\n");
    EXPECT_EQ(build::LoadSourceMap().words[13], (build::CSourceLine{0, 12})) << "a broken map";
}

TEST_F(LoadSourceMapTest, NothingToReadGivesAnEmptyMap) {
    const build::CSourceMap map = build::LoadSourceMap();
    EXPECT_TRUE(map.files.empty());
    EXPECT_EQ(map.FirstWordOf(0, 1), -1);
}

}  // namespace
