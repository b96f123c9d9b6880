#pragma once
// The bits the executor tests and sets, by the names the chip map gives them,
// so that no mask is written twice. A base of the executor's units, whose
// code reads kCarry or kGlobalEnable as the data sheet's C or GIE.
#include <cstdint>

#include "core/chip_map.h"

namespace core {

struct SChipBits {
    // STATUS
    static constexpr uint8_t kCarry = ChipBitMask("C");
    static constexpr uint8_t kDigitCarry = ChipBitMask("DC");
    static constexpr uint8_t kZero = ChipBitMask("Z");
    static constexpr uint8_t kPowerDown = ChipBitMask("PD");
    static constexpr uint8_t kTimeOut = ChipBitMask("TO");
    static constexpr uint8_t kBankSelect = ChipBitMask("RP0");
    static constexpr int kBank1 = 0x80;

    // Pins
    static constexpr uint8_t kRa4 = ChipPinNamed("RA4")->Mask();
    static constexpr uint8_t kRb0 = ChipPinNamed("RB0")->Mask();
    static constexpr uint8_t kPortBChangeBits =
        ChipPinNamed("RB4")->Mask() | ChipPinNamed("RB5")->Mask() | ChipPinNamed("RB6")->Mask() |
        ChipPinNamed("RB7")->Mask();

    // OPTION
    static constexpr uint8_t kInterruptOnRisingEdge = ChipBitMask("INTEDG");
    static constexpr uint8_t kCounterMode = ChipBitMask("T0CS");
    static constexpr uint8_t kCountFallingEdge = ChipBitMask("T0SE");
    static constexpr uint8_t kPrescalerToWatchdog = ChipBitMask("PSA");
    static constexpr uint8_t kPrescalerBits =
        ChipBitMask("PS0") | ChipBitMask("PS1") | ChipBitMask("PS2");
    static constexpr uint8_t kPullUpsOff = ChipBitMask("RBPU");

    // INTCON
    static constexpr uint8_t kGlobalEnable = ChipBitMask("GIE");
    static constexpr uint8_t kTimer0Enable = ChipBitMask("T0IE");
    static constexpr uint8_t kRb0Enable = ChipBitMask("INTE");
    static constexpr uint8_t kPortBChangeEnable = ChipBitMask("RBIE");
    static constexpr uint8_t kTimer0Flag = ChipBitMask("T0IF");
    static constexpr uint8_t kRb0Flag = ChipBitMask("INTF");
    static constexpr uint8_t kPortBChangeFlag = ChipBitMask("RBIF");
    static constexpr uint8_t kEepromEnable = ChipBitMask("EEIE");

    // EECON1
    static constexpr uint8_t kEepromRead = ChipBitMask("RD");
    static constexpr uint8_t kEepromWrite = ChipBitMask("WR");
    static constexpr uint8_t kEepromWriteEnable = ChipBitMask("WREN");
    static constexpr uint8_t kEepromWriteError = ChipBitMask("WRERR");
    static constexpr uint8_t kEepromWritten = ChipBitMask("EEIF");
};

}  // namespace core
