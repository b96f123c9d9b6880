// The object loader on arbitrary bytes of any length, then a few hundred
// passes of the instruction loop on what it loaded. The loader must read
// nothing past the bytes it was given (the text lies in a buffer of exactly
// that size, where AddressSanitizer sees any read beyond), write nothing but
// the program image, and put there only the fill character and characters
// of the text.
#include <array>
#include <climits>
#include <memory>
#include <string>

#include "build/object_loader.h"
#include "checked_run.h"
#include "core/run_driver.h"
#include "core/state.h"
#include "fuzz_support.h"

namespace {
constexpr int kPassesAfterLoad = 300;
}  // namespace

LUMO_FUZZ_TARGET(object_loader) {
    if (size > INT_MAX) return 0;
    const int n = static_cast<int>(size);
    const auto text = std::make_unique<char[]>(size + (size == 0));
    std::array<bool, 256> inText{};
    for (size_t i = 0; i < size; ++i) {
        text[i] = static_cast<char>(data[i]);
        inText[data[i]] = true;
    }

    ResetForLoad();
    // Values the loader has no business changing.
    for (int i = 0; i < core::kRegisterFileSize; ++i) RegisterFile[i] = static_cast<uint8_t>(i * 7);
    W = 0xA5;
    ProgramEnd = 1234;
    const core::SChipState before = core::Chip;

    LoadObjectRecords(text.get(), n);

    FUZZ_REQUIRE(core::Chip == before && ProgramEnd == 1234,
                 "the loader wrote outside the program image");
    for (int i = 0; i < core::kProgramImageSize; ++i) {
        const char ch = ProgramImage[i];
        FUZZ_REQUIRE(ch == '\0' || ch == '0' || inText[static_cast<unsigned char>(ch)],
                     "image character " + std::to_string(i) + " comes from nowhere");
    }

    // What the assemble command does next: the whole image is the program,
    // and a run starts from the reset.
    ProgramEnd = core::kProgramImageSize;
    ResetForRun();
    FuzzMessages().Clear();
    RunCheckedPasses(kPassesAfterLoad);
    return 0;
}
