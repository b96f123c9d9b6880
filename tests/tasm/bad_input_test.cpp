// Hostile input: each case must finish with errors or a clean result.
// (Under a sanitizer or a debugger these stay well within the test
// program's time-out; none of them asserts a time.)
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tasm_test_support.h"

namespace {

using tasm_test::AssembleText;
using tasm_test::CMemoryIncludes;
using tasm_test::FirstError;

std::string Tail(const tasm::CAssemblyResult& result) {
    return result.listing.substr(result.listing.size() - 3);
}

TEST(BadInput, BinaryFile) {
    std::mt19937 random(84);
    std::string bytes(1 << 20, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    auto result = AssembleText(bytes);
    EXPECT_GT(result.errors, 0);
    EXPECT_TRUE(result.object.empty());
    // The listing stays a text of CR LF lines whatever the input held.
    for (size_t i = 0; i < result.listing.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(result.listing[i]);
        if (c == '\n') {
            ASSERT_EQ(result.listing[i - 1], '\r') << "at " << i;
        } else if (c == '\r') {
            ASSERT_EQ(result.listing[i + 1], '\n') << "at " << i;
        } else {
            ASSERT_TRUE(c >= 0x20 && c != 0x7F) << "byte " << int(c) << " at " << i;
        }
    }
    for (const std::string& message : result.messages) {
        EXPECT_EQ(message.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
    }
}

TEST(BadInput, HundredThousandCharacterLines) {
    std::string comment = " nop ;" + std::string(100000, 'x') + "\n";
    EXPECT_EQ(AssembleText(comment + comment).errors, 0);

    std::string sum = " movlw 0";
    for (int i = 0; i < 25000; ++i) sum += "+0";
    EXPECT_EQ(AssembleText(sum + "\n").errors, 0);

    std::string nested = " movlw " + std::string(50000, '(') + "1" + std::string(50000, ')') + "\n";
    EXPECT_EQ(FirstError(AssembleText(nested)), "expression nested too deeply");

    std::string minus = " movlw " + std::string(100000, '-') + "1\n";
    EXPECT_EQ(FirstError(AssembleText(minus)), "expression nested too deeply");

    std::string name(100000, 'n');
    auto result = AssembleText(" goto " + name + "\n");
    EXPECT_EQ(FirstError(result).size(), std::string("undefined symbol ''").size() + 64 + 3)
        << "long names are cut short in messages";

    std::string data = " dt \"" + std::string(100000, 'd') + "\"\n";
    EXPECT_EQ(FirstError(AssembleText(data)), "code beyond word 1023");
}

TEST(BadInput, TenMegabyteSource) {
    std::string source;
    source.reserve(10u << 20);
    const std::string filler = "; " + std::string(60, '=') + "\n";
    while (source.size() < (10u << 20)) source += filler;
    source += "start nop\n goto start\n";
    auto result = AssembleText(source);
    EXPECT_EQ(result.errors, 0);
    EXPECT_EQ(tasm_test::ObjectWords(result.object).size(), 2u);
}

TEST(BadInput, ManyOneCharacterLabelLines) {
    std::string source;
    while (source.size() < (4u << 20)) source += "x\n";
    auto result = AssembleText(source);
    EXPECT_EQ(result.errors, tasm::kMaxErrors + 1);
    EXPECT_EQ(Tail(result), "1\r\n");
}

TEST(BadInput, IncludeCycles) {
    CMemoryIncludes files;
    files.files["self.inc"] = " nop\n#include \"self.inc\"\n";
    files.files["a.inc"] = "#include \"b.inc\"\n";
    files.files["b.inc"] = "#include \"a.inc\"\n";
    auto self = AssembleText("#include \"self.inc\"\n", &files);
    EXPECT_EQ(self.messages.front(),
              "self.inc:2: error: include cycle: 'self.inc' is already being read (included from "
              "t.asm:1)");
    auto pair = AssembleText("#include \"a.inc\"\n", &files);
    EXPECT_EQ(pair.errors, 1);
    EXPECT_EQ(FirstError(pair),
              "include cycle: 'a.inc' is already being read (included from t.asm:1)");
}

TEST(BadInput, IncludeNestingDeeperThanSixteen) {
    CMemoryIncludes files;
    for (int i = 1; i <= 20; ++i) {
        files.files["n" + std::to_string(i) + ".inc"] =
            " nop\n#include \"n" + std::to_string(i + 1) + ".inc\"\n";
    }
    auto result = AssembleText("#include \"n1.inc\"\n", &files);
    ASSERT_EQ(result.errors, 1) << result.listing;
    EXPECT_EQ(result.messages.front(),
              "n16.inc:2: error: include nesting deeper than 16 (included from t.asm:1)");
}

TEST(BadInput, IncludeFanOutIsBounded) {
    // Each level includes the next one ten times: 10^15 files if followed.
    CMemoryIncludes files;
    for (int i = 1; i <= 15; ++i) {
        std::string text(1000, ';');
        text += "\n";
        for (int k = 0; k < 10; ++k) text += "#include \"f" + std::to_string(i + 1) + ".inc\"\n";
        files.files["f" + std::to_string(i) + ".inc"] = text;
    }
    files.files["f16.inc"] = "; leaf\n";
    auto result = AssembleText("#include \"f1.inc\"\n", &files);
    EXPECT_GT(result.errors, 0);
    EXPECT_EQ(FirstError(result),
              "the source and its included files are larger than 64 MB (included from t.asm:1)");
}

TEST(BadInput, LabelsLongerThanTwoHundredCharacters) {
    std::string a(300, 'a');
    std::string b(300, 'a');
    b.back() = 'b';
    auto result = AssembleText(a + ": nop\n" + b + " nop\n goto " + b + "\n" + a + " nop\n");
    EXPECT_EQ(result.errors, 1);
    EXPECT_EQ(FirstError(result).rfind("symbol 'aaaa", 0), 0u);
    EXPECT_NE(result.listing.find(" " + b + ":"), std::string::npos);
}

TEST(BadInput, RunawayDefines) {
    std::string source;
    for (int i = 0; i < 30; ++i) {
        source += "#define D" + std::to_string(i) + " D" + std::to_string(i + 1) + " D" +
                  std::to_string(i + 1) + "\n";
    }
    source += " movlw D0\n";
    EXPECT_EQ(FirstError(AssembleText(source)), "#define expansion too long");
    EXPECT_EQ(FirstError(AssembleText("#define A B\n#define B A\n movlw A\n")),
              "undefined symbol 'A'");
}

TEST(BadInput, EmptyAndOddlyEndedSources) {
    for (const char* text : {"", "\n", "\r\n", " nop", "\r", "\n\n\n end"}) {
        auto result = AssembleText(text);
        EXPECT_EQ(result.errors, 0) << text;
        EXPECT_EQ(Tail(result), "0\r\n");
    }
}

}  // namespace
