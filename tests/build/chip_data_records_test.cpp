// The configuration word and the data EEPROM's bytes from a program file,
// in our object files' byte order and in Intel HEX's.
#include "build/chip_data_records.h"

#include <gtest/gtest.h>

#include "core/state.h"

TEST(ChipDataRecords, ConfigWordAndEepromFromBothByteOrders) {
    struct {
        const char* name;
        const char* text;
        build::EWordBytes order;
        int config;
        int eeprom0, eeprom1, eeprom2;
    } const cases[] = {
        {"object file, high byte first",
         ":020000000000FE\r\n:02400E003FF1C0\r\n:0442000000410042B7\r\n:00000001FF\r\n",
         build::EWordBytes::HighFirst, 0x3FF1, 0x41, 0x42, 0xFF},
        {"Intel HEX, low byte first", ":02400E00F13FC0\n:0642000041004200430034\n:00000001FF\n",
         build::EWordBytes::LowFirst, 0x3FF1, 0x41, 0x42, 0x43},
        {"extended address record before them", ":020000040000FA\n:02400E00F53FBC\n:00000001FF\n",
         build::EWordBytes::LowFirst, 0x3FF5, 0xFF, 0xFF, 0xFF},
        {"neither: no configuration word, an erased EEPROM", ":0200000000281E\n:00000001FF\n",
         build::EWordBytes::LowFirst, core::kNoConfigWord, 0xFF, 0xFF, 0xFF},
        {"a broken record is passed over", ":02400EZZF13F\n:00000001FF\n",
         build::EWordBytes::LowFirst, core::kNoConfigWord, 0xFF, 0xFF, 0xFF},
    };
    for (const auto& c : cases) {
        ResetForLoad();
        build::LoadChipDataRecords(c.text, c.order);
        EXPECT_EQ(core::ProgramConfigWord.load(), c.config) << c.name;
        EXPECT_EQ(core::ProgramEeprom[0].load(), c.eeprom0) << c.name;
        EXPECT_EQ(core::ProgramEeprom[1].load(), c.eeprom1) << c.name;
        EXPECT_EQ(core::ProgramEeprom[2].load(), c.eeprom2) << c.name;
        // The chip's EEPROM takes them at once.
        EXPECT_EQ(core::Chip.datasheet.eeprom[1].load(), c.eeprom1) << c.name;
    }
}

// A load on the data-sheet chip ends in its power-on reset, with the
// configuration word just read: STATUS 0001 1xxx, the watchdog on with WDTE
// (bit 2) set; the classic chip keeps the load's cleared STATUS.
TEST(ChipDataRecords, ALoadOnTheDatasheetChipEndsInItsPowerOnReset) {
    const struct {
        core::EChipProfile profile;
        const char* text;
        int status;
        bool watchdog;
    } cases[] = {
        {core::EChipProfile::Datasheet, ":02400E00FF3F72\n:00000001FF\n", 0x18, true},
        {core::EChipProfile::Datasheet, ":02400E00FB3F76\n:00000001FF\n", 0x18, false},
        {core::EChipProfile::Classic, ":02400E00FF3F72\n:00000001FF\n", 0x00, false},
    };
    const core::EChipProfile setting = core::ChipProfile;
    for (const auto& c : cases) {
        core::ChipProfile = c.profile;
        ResetForLoad();
        core::Chip.datasheet.watchdogOn = false;
        build::LoadChipDataRecords(c.text, build::EWordBytes::LowFirst);
        EXPECT_EQ(core::Chip.profile.load(), c.profile);
        EXPECT_EQ(RegisterFile[STATUS] & 0x18, c.status);
        EXPECT_EQ(RegisterFile[STATUS_BANK1] & 0x18, c.status);
        EXPECT_EQ(core::Chip.datasheet.watchdogOn.load(), c.watchdog);
    }
    core::ChipProfile = setting;
    ResetForLoad();
    build::LoadChipDataRecords(":00000001FF\n", build::EWordBytes::LowFirst);
}
