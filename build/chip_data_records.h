#pragma once
// The configuration word (word 0x2007) and the data EEPROM's initial bytes
// (words 0x2100-0x213F), which a program file carries beyond its program
// memory. The program loaders leave them; this takes them from the same
// text afterwards, for the data-sheet chip's watchdog and EEPROM.
#include <string>

namespace build {

enum class EWordBytes { HighFirst, LowFirst };

// Records that do not read as Intel HEX are passed over: the program's own
// loader has judged the file already. Sets ProgramConfigWord and
// ProgramEeprom, and gives the chip its data (TakeLoadedChipData).
void LoadChipDataRecords(const std::string& text, EWordBytes order);

}  // namespace build
