// Records into the program image: fill, overwrite, malformed records, and
// nothing ever written outside the image.
#include <string>

#include "../core/core_test_support.h"
#include "build/object_loader.h"
#include "build_test_support.h"

namespace {
std::string Image(int from, int to) {
    std::string text;
    for (int i = from; i < to; ++i) text += ProgramImage[i].load();
    return text;
}

class ObjectRecordsTest : public testing::Test {
protected:
    void SetUp() override { ResetForLoad(); }
    static void Load(const std::string& text) {
        LoadObjectRecords(text.data(), static_cast<int>(text.size()));
    }
};

TEST_F(ObjectRecordsTest, GapsBetweenRecordsAreFilledWithZeros) {
    Load(HexRecord(0x0000, "280A") + HexRecord(0x0010, "3005") + EndRecord());
    EXPECT_EQ(Image(0, 4), "280A");
    EXPECT_EQ(Image(4, 32), std::string(28, '0'));
    EXPECT_EQ(Image(32, 36), "3005");
    EXPECT_EQ(ProgramImage[36], '\0');
}

TEST_F(ObjectRecordsTest, AProgramStartingAtWord4IsPrecededByZeros) {
    Load(HexRecord(0x0008, "28052805") + EndRecord());
    EXPECT_EQ(Image(0, 16), std::string(16, '0'));
    EXPECT_EQ(Image(16, 24), "28052805");
}

TEST_F(ObjectRecordsTest, ARecordBelowTheFillMarkOverwritesWithoutFill) {
    Load(HexRecord(0x0000, "1111222233334444") + HexRecord(0x0002, "AAAA") + EndRecord());
    EXPECT_EQ(Image(0, 16), "1111AAAA33334444");
}

TEST_F(ObjectRecordsTest, ARecordShorterThanItsCountStopsThreeBeforeTheNextMark) {
    // Count 4 bytes, but only 1 byte of data and a checksum follow: copying
    // stops when the character three places ahead is the next record mark.
    Load(":04000000ABCD\r\n" + EndRecord());
    EXPECT_EQ(Image(0, 3), "ABC");
    EXPECT_EQ(ProgramImage[3], '\0');
}

TEST_F(ObjectRecordsTest, NonHexCountAndAddressDigitsReadAsZero) {
    // Count "g2" reads 0x02; address "0z10" reads 0x0010.
    Load(":g20z1000ABCD00\r\n" + EndRecord());
    EXPECT_EQ(Image(0, 32), std::string(32, '0'));
    EXPECT_EQ(Image(32, 36), "ABCD");
}

TEST_F(ObjectRecordsTest, DataCharactersAreCopiedWithoutATest) {
    Load(HexRecord(0x0000, "0000").replace(9, 4, "zz?!") + EndRecord());
    EXPECT_EQ(Image(0, 4), "zz?!");
}

TEST_F(ObjectRecordsTest, AnyRecordTypeWithDataIsCopied) {
    Load(HexRecord(0x0000, "3FFF", 1) + EndRecord());
    EXPECT_EQ(Image(0, 4), "3FFF");
}

TEST_F(ObjectRecordsTest, FewerThanTwelveBytesHoldNoRecord) {
    Load(":0200000028");
    EXPECT_EQ(ProgramImage[0], '\0');
    Load("");
    EXPECT_EQ(ProgramImage[0], '\0');
}

TEST_F(ObjectRecordsTest, ALastRecordWithoutItsLineEndIsNotReadPastTheLimit) {
    std::string text = HexRecord(0x0000, "280A") + ":00000001FF";
    Load(text);
    EXPECT_EQ(Image(0, 4), "280A");
    // A data record that starts after n - 12 is not read at all.
    ResetForLoad();
    Load(HexRecord(0x0000, "280A") + ":02000200");
    EXPECT_EQ(Image(0, 4), "280A");
    EXPECT_EQ(ProgramImage[4], '\0');
}

TEST_F(ObjectRecordsTest, NothingAtOrBeyondNIsExamined) {
    // The count promises 8 bytes; the bytes read end after 2 of them. The ':'
    // that follows in memory lies beyond n and must not be seen.
    const std::string text = ":0800000012345678" + HexRecord(0x0000, "AAAA");
    LoadObjectRecords(text.data(), 15);
    EXPECT_EQ(Image(0, 6), "123456");
    EXPECT_EQ(ProgramImage[6], '\0');
}

TEST_F(ObjectRecordsTest, DataPastTheImageEndAreDropped) {
    // Word 1023 is the last; this record holds words 1023 and 1024.
    Load(HexRecord(0x07FE, "12345678") + EndRecord());
    EXPECT_EQ(Image(4092, 4096), "1234");
    EXPECT_EQ(Image(0, 4), "0000");  // the fill up to the record
}

TEST_F(ObjectRecordsTest, RecordsBeyondTheImageAreSkippedWhole) {
    Load(HexRecord(0x0000, "280A") + HexRecord(0x400E, "3FF1") + HexRecord(0x0004, "3005") +
         EndRecord());
    // The configuration word moves neither the image nor the fill mark.
    EXPECT_EQ(Image(0, 12), "280A00003005");
    EXPECT_EQ(ProgramImage[12], '\0');

    ResetForLoad();
    Load(HexRecord(0x0800, "1234") + HexRecord(0xFFFE, "5678") + EndRecord());
    for (int i = 0; i < core::kProgramImageSize; ++i) ASSERT_EQ(ProgramImage[i], '\0') << i;
}

TEST_F(ObjectRecordsTest, GarbageNeverWritesOutsideTheImage) {
    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        const char pool[] = ":0123456789ABCDEF\r\n\0xyz";
        garbage += pool[(state >> 16) % (sizeof pool - 1)];
    }
    Load(garbage);  // AddressSanitizer and the image bound watch this
    SUCCEED();
}
}  // namespace
