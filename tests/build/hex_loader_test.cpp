// Standard Intel HEX (INHX8M): little-endian words at twice their address,
// extended addresses, configuration and EEPROM bytes left out, and faulty
// files refused before anything is stored.
#include "build/hex_loader.h"

#include <gtest/gtest.h>

#include <string>

#include "build_test_support.h"
#include "core/state.h"

namespace {
std::string Word(int word) {
    std::string text;
    for (int i = 0; i < 4; ++i) text += static_cast<char>(ProgramImage[4 * word + i].load());
    return text;
}

class HexLoaderTest : public testing::Test {
protected:
    void SetUp() override { ResetForLoad(); }
    std::string m_error;
};

TEST_F(HexLoaderTest, LowByteFirstAtTwiceTheWordAddress) {
    // GOTO 5 at word 0; MOVLW 0xFF, MOVWF 0x0C at words 5 and 6.
    const std::string hex = HexRecord(0x0000, "0528") + HexRecord(0x000A, "ff308c00") + EndRecord();
    ASSERT_TRUE(build::LoadHexRecords(hex, &m_error)) << m_error;
    EXPECT_EQ(Word(0), "2805");
    EXPECT_EQ(Word(5), "30FF");
    EXPECT_EQ(Word(6), "008C");
    // Words no record names stay as the load's reset left them.
    EXPECT_EQ(ProgramImage[4], '\0');
}

TEST_F(HexLoaderTest, ConfigurationAndEepromAreIgnoredAndExtendedAddressesHonoured) {
    const std::string hex = HexRecord(0x0000, "0528") + HexRecord(0x0000, "0000", 4) +
                            HexRecord(0x400E, "F13F") + HexRecord(0x4200, "0102030405") +
                            HexRecord(0x0000, "0001", 4) + HexRecord(0x0002, "3412") +
                            HexRecord(0x0000, "0000", 4) + HexRecord(0x07FE, "0834") +
                            HexRecord(0x0000, "1000", 2) + HexRecord(0x0002, "FF3F") + EndRecord();
    ASSERT_TRUE(build::LoadHexRecords(hex, &m_error)) << m_error;
    EXPECT_EQ(Word(0), "2805");
    // 0x10000 + 2 lies far beyond program memory: not word 1.
    EXPECT_EQ(ProgramImage[4], '\0');
    EXPECT_EQ(Word(1023), "3408");
    // Segment 0x1000 puts the last record at byte 0x10002, also outside.
    for (int i = 0; i < core::kProgramImageSize; ++i) {
        const char ch = ProgramImage[i];
        const int word = i / 4;
        if (word != 0 && word != 1023) {
            EXPECT_EQ(ch, '\0') << "character " << i;
        }
    }
}

TEST_F(HexLoaderTest, NothingAfterTheEndRecordAndBlankLinesAreFine) {
    const std::string hex = "\n" + HexRecord(0x0000, "0528") + "\r\n" + EndRecord() +
                            HexRecord(0x0002, "0528") + "garbage\n";
    ASSERT_TRUE(build::LoadHexRecords(hex, &m_error)) << m_error;
    EXPECT_EQ(Word(0), "2805");
    EXPECT_EQ(ProgramImage[4], '\0');
}

TEST_F(HexLoaderTest, AnOddByteFillsHalfAWord) {
    ASSERT_TRUE(build::LoadHexRecords(HexRecord(0x0003, "2A") + EndRecord(), &m_error));
    EXPECT_EQ(Word(1), "2A00");
}

TEST_F(HexLoaderTest, FaultyRecordsAreNamedAndStoreNothing) {
    const std::string good = HexRecord(0x0000, "0528");
    // The data changed after the checksum was made.
    std::string badSum = HexRecord(0x0002, "0528");
    badSum.replace(9, 4, "0529");
    const struct {
        std::string line;
        const char* fault;
    } cases[] = {
        {"0528\n", "red 2: zapis ne pocinje znakom ':'"},
        {":0200\n", "red 2: zapis je prekratak ili nepotpun"},
        {":02000000052G00\n", "red 2: znak koji nije heksadecimalna cifra"},
        {HexRecord(0x0002, "0528").replace(1, 2, "03"),
         "red 2: duzina zapisa ne odgovara broju bajtova"},
        {badSum, "red 2: pogresan kontrolni zbir"},
        {HexRecord(0x0000, "00", 6), "red 2: nepoznat tip zapisa 6"},
        {HexRecord(0x0000, "00", 4), "red 2: zapis prosirene adrese mora imati dva bajta"},
    };
    for (const auto& c : cases) {
        ResetForLoad();
        EXPECT_FALSE(build::LoadHexRecords(good + c.line + EndRecord(), &m_error)) << c.line;
        EXPECT_EQ(m_error, c.fault) << c.line;
        EXPECT_EQ(ProgramImage[0], '\0') << c.line;
    }
}
}  // namespace
