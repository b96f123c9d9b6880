#include "tasm/hex_writer.h"

#include <span>
#include <vector>

namespace tasm {

namespace {

constexpr int kWordsPerRecord = 16;
// A record costs 13 characters besides its data, a word 4. Carrying a gap of
// up to 3 words inside a record as zero words is never longer than starting
// a new one, and it keeps any layout of 1024 words within the 5000 bytes
// that the simulator reads (the simulator fills gaps with zero words too).
constexpr int kLargestFilledGap = 3;

void AppendByte(std::string& out, unsigned value) {
    static const char kDigits[] = "0123456789ABCDEF";
    out += kDigits[(value >> 4) & 0xF];
    out += kDigits[value & 0xF];
}

// Only type 00 and 01 records: the simulator reads every record as data, so
// an extended-address record would land on word 0.
void AppendRecord(std::string& out, unsigned byteAddress, unsigned type,
                  const std::vector<uint16_t>& words) {
    unsigned count = static_cast<unsigned>(words.size() * 2);
    unsigned sum = count + (byteAddress >> 8) + (byteAddress & 0xFF) + type;
    out += ':';
    AppendByte(out, count);
    AppendByte(out, byteAddress >> 8);
    AppendByte(out, byteAddress & 0xFF);
    AppendByte(out, type);
    for (uint16_t word : words) {
        AppendByte(out, word >> 8);
        AppendByte(out, word & 0xFF);
        sum += (word >> 8) + (word & 0xFF);
    }
    AppendByte(out, (0x100 - (sum & 0xFF)) & 0xFF);
    out += "\r\n";
}

// Runs of used words as records; words[i] lies at word address base + i.
void AppendWords(std::string& out, std::span<const int32_t> words, unsigned base) {
    const int size = static_cast<int>(words.size());
    int w = 0;
    while (w < size) {
        if (words[w] == kUnusedWord) {
            ++w;
            continue;
        }
        int start = w;
        int end = w + 1;  // one past the last used word of this record
        for (int next = end; next < start + kWordsPerRecord && next < size; ++next) {
            if (words[next] == kUnusedWord) {
                if (next - end >= kLargestFilledGap) break;
                continue;
            }
            end = next + 1;
        }
        std::vector<uint16_t> data;
        for (int i = start; i < end; ++i) {
            data.push_back(words[i] == kUnusedWord ? 0 : static_cast<uint16_t>(words[i]));
        }
        AppendRecord(out, (base + static_cast<unsigned>(start)) * 2, 0, data);
        w = end;
    }
}

}  // namespace

std::string WriteIntelHex(const CProgramImage& image) {
    std::string out;
    AppendWords(out, image.words, 0);
    if (image.idLocations) {
        AppendRecord(out, 0x2000 * 2, 0, {image.idLocations->begin(), image.idLocations->end()});
    }
    if (image.config) AppendRecord(out, 0x2007 * 2, 0, {*image.config});
    // Beyond what the simulator loads, for a programmer of the real chip.
    AppendWords(out, image.eeprom, kEepromStart);
    AppendRecord(out, 0, 1, {});
    return out;
}

}  // namespace tasm
