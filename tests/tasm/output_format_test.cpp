// The listing and the object file, as the simulator reads them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tasm_test_support.h"

namespace {

using tasm_test::AssembleText;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos);
        if (end == std::string::npos) break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// What the simulator's label search does with a listing: the first line
// containing " LABEL:" whose positions 7-10 read as a nonzero address.
int LabelAddress(const std::string& listing, const std::string& label) {
    for (const std::string& line : Lines(listing)) {
        if (line.find(" " + label + ":") == std::string::npos) continue;
        int address = 0;
        for (size_t i = 7; i <= 10; ++i) {
            char c = i < line.size() ? line[i] : '\0';
            int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 0;
            address = address * 16 + digit;
        }
        if (address != 0) return address;
    }
    return 0;
}

TEST(OutputFormat, SmallProgramByteForByte) {
    auto result = AssembleText(
        "; blink\r\n"
        "COUNT equ 0x0C\r\n"
        "\torg 0\r\n"
        "\tgoto start\r\n"
        "\torg 4\r\n"
        "start\tclrf PORTB\r\n"
        "  loop: incf PORTB,F ; loop: again\r\n"
        "\tgoto loop\r\n"
        "\tdt \"ab\"\r\n"
        "\t__config 0x3FF1\r\n"
        "\tend\r\n");
    EXPECT_EQ(result.listing,
              "   1                       ; blink\r\n"
              "   2        =000C          COUNT equ 0x0C\r\n"
              "   3                               org 0\r\n"
              "   4   0000 2804                   goto start\r\n"
              "   5                               org 4\r\n"
              "   6   0004 0186           start:  clrf PORTB\r\n"
              "   7   0005 0A86             loop: incf PORTB,F ; loop: again\r\n"
              "   8   0006 2805                   goto loop\r\n"
              "   9   0007 3461 3462              dt \"ab\"\r\n"
              "  10        =3FF1                  __config 0x3FF1\r\n"
              "  11                               end\r\n"
              "Number of warnings = 0\r\n"
              "Number of errors = 0\r\n");
    EXPECT_EQ(result.object,
              ":12000000280400000000000001860A8628053461346253\r\n"
              ":02400E003FF180\r\n"
              ":00000001FF\r\n");
}

TEST(OutputFormat, LabelLinesCarryBlankLabelColonAndTheirAddress) {
    auto result = AssembleText(
        "\torg 5\n"
        "\tgoto LOOP ; back to LOOP: later\n"  // only a mention, before the label
        "; LOOP: is where it counts\n"
        "one nop\n"
        "two: nop\n"
        "   three:\n"
        "\tfour: nop\n"
        "five\tnop\n"
        "LOOP\tgoto LOOP\n"
        "wide dt \"abcdefgh\"\n"
        "after nop\n");
    ASSERT_EQ(result.errors, 0) << result.listing;
    EXPECT_EQ(LabelAddress(result.listing, "one"), 6);
    EXPECT_EQ(LabelAddress(result.listing, "two"), 7);
    EXPECT_EQ(LabelAddress(result.listing, "three"), 8);
    EXPECT_EQ(LabelAddress(result.listing, "four"), 8);
    EXPECT_EQ(LabelAddress(result.listing, "five"), 9);
    EXPECT_EQ(LabelAddress(result.listing, "after"), 0x13);
    EXPECT_EQ(LabelAddress(result.listing, "wide"), 0x0B);
    // The code line that mentions "LOOP:" in its comment comes first and
    // carries an address; the search would take it. The definition itself
    // is still found on its own line.
    auto lines = Lines(result.listing);
    EXPECT_EQ(lines[8].substr(7, 4), "000A");
    EXPECT_NE(lines[8].find(" LOOP:"), std::string::npos);
}

TEST(OutputFormat, LongDataLinesContinueWithTheirAddresses) {
    auto result = AssembleText(" org 0x10\n dw 1,2,3,4,5,6,7\n");
    auto lines = Lines(result.listing);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[1].substr(0, 26), "   2   0010 0001 0002 0003");
    EXPECT_EQ(lines[2], "       0013 0004 0005 0006");
    EXPECT_EQ(lines[3], "       0016 0007");
}

TEST(OutputFormat, LineNumbersAboveNineThousandKeepTheAddressInPlace) {
    std::string source(12000, '\n');
    source += "deep nop\n";
    auto result = AssembleText(" nop\n" + source);
    EXPECT_NE(result.listing.find("\r\n 12002 0001 0000"), std::string::npos);
    EXPECT_EQ(LabelAddress(result.listing, "deep"), 1);
}

TEST(OutputFormat, WordHighByteAtTheEvenAddress) {
    auto result = AssembleText(" org 3\n goto .10\n");
    EXPECT_EQ(result.object.substr(0, 13), ":02000600280A");
}

std::string FullProgram() {
    std::string source;
    for (int i = 0; i < 1024; ++i) source += " movlw 0xFF\n";
    return source;
}

TEST(OutputFormat, A1024WordProgramStaysUnder5000Bytes) {
    auto result = AssembleText(FullProgram() + " __config 0x3FF1\n __idlocs 0x1234\n");
    ASSERT_EQ(result.errors, 0);
    EXPECT_LT(result.object.size(), 5000u);
    EXPECT_EQ(tasm_test::ObjectWords(result.object).size(), 1024u + 1 + 4);
}

TEST(OutputFormat, AnyLayoutOfWordsStaysUnder5000Bytes) {
    // Every stride from dense to sparse, and the densest mix of short runs
    // and gaps: the program part must fit the 5000 bytes the simulator reads.
    for (int stride = 1; stride <= 20; ++stride) {
        for (int run = 1; run <= 17; ++run) {
            std::ostringstream source;
            for (int w = 0; w < 1024; w += run + stride - 1) {
                source << " org ." << w << "\n";
                for (int k = 0; k < run && w + k < 1024; ++k) source << " nop\n";
            }
            auto result = AssembleText(source.str() + " __config 0x3FF1\n __idlocs 1\n");
            ASSERT_EQ(result.errors, 0) << stride << " " << run;
            EXPECT_LT(result.object.size(), 5000u) << "stride " << stride << " run " << run;
        }
    }
}

TEST(OutputFormat, NoObjectWhenThereAreErrors) {
    auto result = AssembleText(" nop\n goto nowhere\n");
    EXPECT_TRUE(result.object.empty());
    EXPECT_EQ(result.listing.substr(result.listing.size() - 3), "1\r\n");
}

}  // namespace
