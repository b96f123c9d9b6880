#include "build/hex_loader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/hex_digit.h"
#include "core/state.h"
#include "core/texts/translate.h"

namespace build {

namespace {
constexpr int kProgramWords = core::kProgramImageSize / 4;

struct SRecord {
    int type = 0;
    uint32_t address = 0;
    std::vector<uint8_t> data;
};

// One line without its line end; the fault as text when it is not a record.
std::optional<SRecord> ParseRecord(const std::string& line, std::string* fault) {
    if (line.empty() || line[0] != ':') {
        *fault = core::Tr("zapis ne pocinje znakom ':'");
        return std::nullopt;
    }
    if (line.size() < 11 || line.size() % 2 == 0) {
        *fault = core::Tr("zapis je prekratak ili nepotpun");
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    for (size_t i = 1; i < line.size(); i += 2) {
        const int high = core::StrictHexDigit(line[i]);
        const int low = core::StrictHexDigit(line[i + 1]);
        if (high < 0 || low < 0) {
            *fault = core::Tr("znak koji nije heksadecimalna cifra");
            return std::nullopt;
        }
        bytes.push_back(static_cast<uint8_t>(16 * high + low));
    }
    if (bytes.size() != bytes[0] + 5u) {
        *fault = core::Tr("duzina zapisa ne odgovara broju bajtova");
        return std::nullopt;
    }
    uint8_t sum = 0;
    for (uint8_t byte : bytes) sum = static_cast<uint8_t>(sum + byte);
    if (sum != 0) {
        *fault = core::Tr("pogresan kontrolni zbir");
        return std::nullopt;
    }
    SRecord record;
    record.address = static_cast<uint32_t>(bytes[1] << 8 | bytes[2]);
    record.type = bytes[3];
    record.data.assign(bytes.begin() + 4, bytes.end() - 1);
    if (record.type > 5) {
        *fault = core::Fill(core::Tr("nepoznat tip zapisa %1"), {std::to_string(record.type)});
        return std::nullopt;
    }
    if ((record.type == 2 || record.type == 4) && record.data.size() != 2) {
        *fault = core::Tr("zapis prosirene adrese mora imati dva bajta");
        return std::nullopt;
    }
    return record;
}
}  // namespace

bool LoadHexRecords(const std::string& text, std::string* error) {
    std::array<uint16_t, kProgramWords> words{};
    std::array<bool, kProgramWords> present{};
    uint32_t base = 0;
    bool ended = false;
    int lineNumber = 0;
    size_t at = 0;
    while (at < text.size() && !ended) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::string fault;
        const std::optional<SRecord> record = ParseRecord(line, &fault);
        if (!record) {
            *error = core::Fill(core::Tr("red %1: %2"), {std::to_string(lineNumber), fault});
            return false;
        }
        switch (record->type) {
            case 0:
                for (size_t i = 0; i < record->data.size(); ++i) {
                    const uint32_t byteAddress = base + record->address + static_cast<uint32_t>(i);
                    const uint32_t word = byteAddress / 2;
                    if (word >= kProgramWords) continue;
                    const int shift = (byteAddress & 1) ? 8 : 0;
                    words[word] = static_cast<uint16_t>((words[word] & ~(0xFF << shift)) |
                                                        record->data[i] << shift);
                    present[word] = true;
                }
                break;
            case 1:
                ended = true;
                break;
            case 2:
                base = static_cast<uint32_t>(record->data[0] << 8 | record->data[1]) << 4;
                break;
            case 4:
                base = static_cast<uint32_t>(record->data[0] << 8 | record->data[1]) << 16;
                break;
            default:  // start addresses mean nothing to this chip
                break;
        }
    }
    static const char kDigits[] = "0123456789ABCDEF";
    for (int word = 0; word < kProgramWords; ++word) {
        if (!present[word]) continue;
        for (int i = 0; i < 4; ++i) {
            ProgramImage[4 * word + i] = kDigits[(words[word] >> (12 - 4 * i)) & 0xF];
        }
    }
    return true;
}

}  // namespace build
