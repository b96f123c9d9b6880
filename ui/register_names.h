#pragma once
// What a register of the display is called in the chip's data sheet, and the
// tooltip that names it: address, value in hex, decimal and binary, and the
// named bits that it holds.
#include <QString>
#include <cstdint>

// The display's cell for W, which has no data address.
inline constexpr int kWRegister = -2;

// "TMR0", "STATUS", "opsti registar 0x0C", ...; "W" for kWRegister.
QString RegisterName(int address);
// The whole tooltip for the register at address (or W) holding value;
// programNames, when given, are what the program calls it.
QString RegisterToolTip(int address, uint8_t value, const QString& programNames = {});
// One line for the status bar: "R12 = presses = 3", "R3 = STATUS = 24",
// "OPTION = 255", "W = 10".
QString RegisterStatusText(int address, uint8_t value, const QString& programNames = {});
