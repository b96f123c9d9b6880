#include "build/object_loader.h"

#include "core/hex_digit.h"
#include "core/state.h"

namespace {
int HexPair(const char* text) {
    return 16 * HexDigitValue(text[0]) + HexDigitValue(text[1]);
}

int HexQuad(const char* text) {
    return 256 * HexPair(text) + HexPair(text + 2);
}
}  // namespace

void LoadObjectRecords(const char* text, int n) {
    const int limit = n - 12;
    if (limit < 0) return;
    int off = 0;
    int end = 0;  // just past the data of the previous record
    do {
        // off <= n - 12 here, so the header's seven characters are inside.
        const int count = 2 * HexPair(text + off + 1);
        int pos = 2 * HexQuad(text + off + 3);
        const bool inImage = pos < core::kProgramImageSize;
        if (inImage) {
            for (int i = end; i < pos; ++i) ProgramImage[i] = '0';
        }
        off += 9;
        // A record whose data run short stops three characters before the
        // next record mark, so the record after it is still found.
        for (int i = 0; i < count && off < n; ++i) {
            if (off + 3 < n && text[off + 3] == ':') break;
            if (inImage && pos < core::kProgramImageSize) ProgramImage[pos] = text[off];
            ++off;
            ++pos;
        }
        if (inImage) end = pos;
        off += 4;
    } while (off <= limit);
}
