// The instruction loop on an arbitrary processor: any characters in the
// program image, any register file, either bank, any stack, timer and
// interrupt bookkeeping, any ProgramEnd, pins flipping between passes. The
// loop must never fetch outside the image, never change the image, keep the
// bank offset and the stack sane, and behave the same on the same input.
#include <array>
#include <string>
#include <vector>

#include "checked_run.h"
#include "core/state.h"
#include "fuzz_support.h"

namespace {
constexpr int kMaxPasses = 500;

struct PinFlip {
    int pass;
    uint8_t port;
    uint8_t mask;
};

struct Outcome {
    std::array<uint8_t, core::kRegisterFileSize> registers;
    uint8_t w;
    uint16_t pc;
    int bankOffset;
    int passes;
    std::vector<std::string> messages;
    bool operator==(const Outcome&) const = default;
};

// Puts the processor into the state the input describes; returns the pin
// flips to apply during the run.
std::vector<PinFlip> Prepare(CFuzzInput& in) {
    const uint8_t flags = in.Byte();
    BankOffset = (flags & 1) ? 0x80 : 0;
    IrqPending = flags & 2;
    IrqArmed = flags & 4;
    Tmr0Overflowed = flags & 8;
    PcChanged = false;
    W = in.Byte();
    PC = in.Word() % (core::kProgramImageSize / 4);
    ProgramEnd = in.Word();  // may lie beyond the image
    Tmr0Inhibit = in.Byte() % 3;
    PrescaleCount = in.Byte();
    PrevTmr0 = in.Byte();
    PrevRa4 = in.Byte() & 0x10;
    PrevPortB = in.Byte();

    *ReturnStack = CReturnStack{};
    for (int depth = in.Byte() % 12; depth > 0; --depth) ReturnStack->Push(in.Word());

    for (auto& address : BreakAddresses) address = 0;
    for (int slot = 0, n = in.Byte() % (core::kBreakpointsUsed + 1); slot < n; ++slot) {
        BreakAddresses[slot] = in.Word() % (core::kProgramImageSize / 4);
    }

    std::vector<PinFlip> flips(in.Byte() % 8);
    for (auto& flip : flips) {
        flip.pass = in.Byte() * 2;
        flip.port = (in.Byte() & 1) ? PORTB : PORTA;
        flip.mask = in.Byte();
    }

    for (auto& reg : RegisterFile) reg = in.Byte();

    // The rest is program text, repeated to fill the image, so that even a
    // short input gives a program that goes on.
    const std::string text = in.Rest();
    for (int i = 0; i < core::kProgramImageSize; ++i) {
        ProgramImage[i] = text.empty() ? '\0' : text[i % text.size()];
    }
    return flips;
}

Outcome Run(const uint8_t* data, size_t size) {
    CFuzzInput in(data, size);
    const std::vector<PinFlip> flips = Prepare(in);
    FuzzMessages().Clear();  // the set-up may overfill the stack

    const int passes = RunCheckedPasses(kMaxPasses, [&](int pass) {
        for (const PinFlip& flip : flips) {
            if (flip.pass == pass) RegisterFile[flip.port] ^= flip.mask;
        }
    });

    Outcome outcome{};
    for (int i = 0; i < core::kRegisterFileSize; ++i) outcome.registers[i] = RegisterFile[i];
    outcome.w = W;
    outcome.pc = PC;
    outcome.bankOffset = BankOffset;
    outcome.passes = passes;
    outcome.messages = FuzzMessages().Messages();
    return outcome;
}
}  // namespace

LUMO_FUZZ_TARGET(instruction_loop) {
    // Everything the loop depends on comes from the input, so a second run
    // must end in the same state; a difference means hidden state or a read
    // of something the input did not set.
    const Outcome first = Run(data, size);
    const Outcome second = Run(data, size);
    FUZZ_REQUIRE(first == second, "two runs of the same input differ");
    return 0;
}
