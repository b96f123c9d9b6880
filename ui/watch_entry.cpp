#include "ui/watch_entry.h"

#include <QCoreApplication>
#include <cctype>

#include "build/source_map.h"
#include "core/chip_map.h"
#include "scenario/scenario_reader.h"

namespace {
// The highest register address an instruction with a bank bit can name.
constexpr int64_t kHighestRegisterAddress = 0x1FF;

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Text(const char* source, const std::string& first = {},
                 const std::string& second = {}) {
    // Both at once, so a name the user typed is never read as a place marker.
    const QString text = QCoreApplication::translate("CWatchEntry", source);
    if (second.empty() && first.empty()) return text.toStdString();
    if (second.empty()) return text.arg(QString::fromStdString(first)).toStdString();
    return text.arg(QString::fromStdString(first), QString::fromStdString(second)).toStdString();
}

// The register file index a register's name or address stands for, or -1.
int RegisterOf(const std::string& name, const build::CSourceMap& names) {
    if (const core::SChipRegister* reg = core::FindChipRegister(name)) return reg->address;
    if (const build::CProgramSymbol* symbol = names.RegisterNamed(name)) {
        if (symbol->value >= 0 && symbol->value <= kHighestRegisterAddress) {
            return core::RegisterFileIndex(static_cast<int>(symbol->value));
        }
        return -1;
    }
    int64_t address = 0;
    if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0])) &&
        scenario::ParseWhole(name, &address) && address <= kHighestRegisterAddress) {
        return core::RegisterFileIndex(static_cast<int>(address));
    }
    return -1;
}
}  // namespace

bool ParseWatchEntry(const std::string& text, const build::CSourceMap& names, SWatchEntry* entry,
                     std::string* error) {
    SWatchEntry parsed;
    parsed.text = Trim(text);
    if (parsed.text.empty()) {
        *error = Text(QT_TRANSLATE_NOOP("CWatchEntry",
                                        "Upisite ime promenljive, registra ili bita, ili adresu"));
        return false;
    }
    const size_t comma = parsed.text.find(',');
    const std::string name = Trim(parsed.text.substr(0, comma));
    if (comma == std::string::npos) {
        parsed.reg = RegisterOf(name, names);
        if (parsed.reg < 0) {
            if (const auto bit = core::FindChipBit(name)) {
                parsed.reg = bit->reg->address;
                parsed.bit = bit->bit;
            }
        }
    } else {
        parsed.reg = RegisterOf(name, names);
        const std::string bitText = Trim(parsed.text.substr(comma + 1));
        const core::SChipRegister* chip =
            parsed.reg >= 0 ? core::ChipRegisterAt(parsed.reg) : nullptr;
        if (const auto named = core::FindChipBit(bitText); chip && named && named->reg == chip) {
            parsed.bit = named->bit;
        }
        if (parsed.bit < 0 && bitText.size() == 1 && bitText[0] >= '0' && bitText[0] <= '7') {
            parsed.bit = bitText[0] - '0';
        }
        if (parsed.reg >= 0 && parsed.bit < 0) {
            *error = Text(
                QT_TRANSLATE_NOOP("CWatchEntry", "'%1' nije bit registra %2 (0-7 ili ime bita)"),
                bitText, name);
            return false;
        }
    }
    if (parsed.reg < 0) {
        *error =
            Text(QT_TRANSLATE_NOOP(
                     "CWatchEntry",
                     "'%1' nije promenljiva programa, registar cipa, bit ni adresa (0x00-0x1FF)"),
                 name);
        return false;
    }
    *entry = parsed;
    return true;
}
