#include "cli/state_output.h"

#include <string>

#include "build/source_map.h"
#include "core/chip_profile.h"
#include "core/state.h"
#include "core/texts/translate.h"
#include "scenario/json_text.h"

namespace cli {

using namespace scenario;

// Mnemonics are plain letters, but labels and file names may hold anything;
// the JSON stays valid whatever they hold.
std::string JsonString(const char* text) {
    std::string quoted = "\"";
    for (const char* p = text; *p; ++p) {
        const auto ch = static_cast<unsigned char>(*p);
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(ch);
        } else if (ch < 0x20 || ch >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", ch);
            quoted += escape;
        } else {
            quoted += static_cast<char>(ch);
        }
    }
    return quoted + "\"";
}

namespace {
const char* StatusText(ERunStatus status) {
    switch (status) {
        case ERunStatus::Running:
            return "running";
        case ERunStatus::Paused:
            return "paused";
        case ERunStatus::Ended:
            return "ended";
    }
    return "";
}

std::string Binary(uint8_t value) {
    std::string text(8, '0');
    for (int bit = 0; bit < 8; ++bit) {
        if (value & (0x80 >> bit)) text[bit] = '1';
    }
    return text;
}

// The program's register variables with their values, by name.
std::string SymbolsJson(const build::CSourceMap& names) {
    std::string text = "{";
    for (const build::CProgramSymbol& symbol : names.symbols) {
        if (symbol.kind != build::CProgramSymbol::EKind::Register || symbol.value < 0 ||
            symbol.value > 0x1FF) {
            continue;
        }
        if (text.size() > 1) text += ',';
        text +=
            JsonString(symbol.name.c_str()) + ":" +
            std::to_string(RegisterFile[core::RegisterFileIndex(static_cast<int>(symbol.value))]);
    }
    return text + "}";
}

// The return addresses, the oldest first, so the next RETURN's is the last.
std::string StackJson() {
    std::string text = "[";
    ReturnStack->ForEachEntry([&](int32_t address) {
        if (text.size() > 1) text += ',';
        text += std::to_string(address);
    });
    return text + "]";
}

void PrintJson(std::FILE* out, int64_t pass, ERunStatus status, const build::CSourceMap& names) {
    std::string line = "{\"pass\":" + std::to_string(pass) +
                       ",\"cycles\":" + std::to_string(core::CycleCount) +
                       ",\"pc\":" + std::to_string(PC) + ",\"w\":" + std::to_string(W) +
                       ",\"bank\":" + (BankOffset != 0 ? "1" : "0") +
                       ",\"mnemonic\":" + JsonString(LastMnemonic.load()) + ",\"status\":\"" +
                       StatusText(status) + "\",\"registers\":[";
    for (int i = 0; i < core::kRegisterFileSize; ++i) {
        if (i) line += ',';
        line += std::to_string(RegisterFile[i]);
    }
    line += "],\"symbols\":" + SymbolsJson(names) + ",\"stack\":" + StackJson();
    // The profile the run's reset took; the data-sheet chip's EEPROM with it.
    line += ",\"chip\":\"" + std::string(core::ChipProfileName(core::Chip.profile)) + "\"";
    if (core::Chip.profile == core::EChipProfile::Datasheet) {
        line += ",\"eeprom\":[";
        for (int i = 0; i < core::kEepromSize; ++i) {
            if (i) line += ',';
            line += std::to_string(core::Chip.datasheet.eeprom[i].load());
        }
        line += "]";
    }
    line += "}\n";
    std::fputs(line.c_str(), out);
}

void PrintText(std::FILE* out, int64_t pass, ERunStatus status) {
    std::string text = "pass " + std::to_string(pass) + "  " + StatusText(status) +
                       "  PC=" + std::to_string(PC) + "  bank " + (BankOffset != 0 ? "1" : "0") +
                       "  cycles " + std::to_string(core::CycleCount) + "\n";
    text += "W=" + std::to_string(W) + "  INTCON=" + Binary(RegisterFile[INTCON]) +
            "  STATUS=" + Binary(RegisterFile[STATUS]) +
            "  OPT=" + Binary(RegisterFile[OPTION_REG]) + "  TRISA=" + Binary(RegisterFile[TRISA]) +
            "  TRISB=" + Binary(RegisterFile[TRISB]) + "\n";
    for (int i = 0; i < 48; ++i) {
        text += "R" + std::to_string(i) + "=" + std::to_string(RegisterFile[i]);
        text += (i % 10 == 9) ? "\n" : " ";
    }
    text += " " + core::Fill(core::Tr("Izvrsila se: %1"), {LastMnemonic.load()}) + "\n\n";
    std::fputs(text.c_str(), out);
}
}  // namespace

void PrintState(std::FILE* out, int64_t pass, ERunStatus status, bool json,
                const build::CSourceMap& names) {
    if (json) {
        PrintJson(out, pass, status, names);
    } else {
        PrintText(out, pass, status);
    }
}

}  // namespace cli
