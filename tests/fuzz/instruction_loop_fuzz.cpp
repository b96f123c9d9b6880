// The instruction loop on an arbitrary processor: any characters in the
// program image, any register file, either bank, any stack, timer and
// interrupt bookkeeping, any ProgramEnd, pins flipping between passes. The
// loop must never fetch outside the image, never change the image, keep the
// bank offset and the stack sane, and behave the same on the same input.
#include <array>
#include <cstring>
#include <set>
#include <string>

#include "fuzz_support.h"
#include "instruction_set.h"
#include "run_loop.h"
#include "state.h"

namespace {
constexpr int kMaxPasses = 500;

struct PinFlip {
    int pass;
    uint8_t port;
    uint8_t mask;
};

struct Outcome {
    std::array<uint8_t, kRegisterFileSize> registers;
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
    PC = in.Word() % (kProgramImageSize / 4);
    ProgramEnd = in.Word();  // may lie beyond the image
    Tmr0Inhibit = in.Byte() % 3;
    PrescaleCount = in.Byte();
    PrevTmr0 = in.Byte();
    PrevRa4 = in.Byte() & 0x10;
    PrevPortB = in.Byte();

    ReturnStack = std::make_unique<CReturnStack>();
    for (int depth = in.Byte() % 12; depth > 0; --depth) ReturnStack->Push(in.Word());

    for (auto& address : BreakAddresses) address = 0;
    for (int slot = 0, n = in.Byte() % (kBreakpointsUsed + 1); slot < n; ++slot) {
        BreakAddresses[slot] = in.Word() % (kProgramImageSize / 4);
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
    for (int i = 0; i < kProgramImageSize; ++i) {
        ProgramImage[i] = text.empty() ? '\0' : text[i % text.size()];
    }
    return flips;
}

Outcome Run(const uint8_t* data, size_t size) {
    CFuzzInput in(data, size);
    const std::vector<PinFlip> flips = Prepare(in);
    FuzzMessages().Clear();  // the set-up may overfill the stack

    std::array<char, kProgramImageSize> image;
    for (int i = 0; i < kProgramImageSize; ++i) image[i] = ProgramImage[i];

    CInstructionSet cpu;
    int passes = 0;
    while (passes < kMaxPasses && PcInsideProgram()) {
        FUZZ_REQUIRE(4 * PC + 4 <= kProgramImageSize, "the next fetch lies outside the image");
        for (const PinFlip& flip : flips) {
            if (flip.pass == passes) RegisterFile[flip.port].fetch_xor(flip.mask);
        }
        RunOnePass(cpu);
        ++passes;

        FUZZ_REQUIRE(BankOffset == 0 || BankOffset == 0x80, std::to_string(BankOffset));
        FUZZ_REQUIRE(ReturnStack && ReturnStack->Count() >= 0 && ReturnStack->Count() <= 8,
                     "return stack depth");
        FUZZ_REQUIRE(Tmr0Inhibit >= 0 && Tmr0Inhibit <= 2, std::to_string(Tmr0Inhibit));
        FUZZ_REQUIRE(RegisterFile[INTCON_BANK1] == RegisterFile[INTCON], "INTCON mirror");
        FUZZ_REQUIRE(RegisterFile[STATUS_BANK1] == RegisterFile[STATUS], "STATUS mirror");
        FUZZ_REQUIRE(RegisterFile[PCL] == (PC & 0xFF) && RegisterFile[PCL_BANK1] == (PC & 0xFF),
                     "PCL follows PC");
        const char* mnemonic = LastMnemonic.load();
        FUZZ_REQUIRE(mnemonic != nullptr && std::strlen(mnemonic) <= 6, "mnemonic text");
    }

    for (int i = 0; i < kProgramImageSize; ++i) {
        FUZZ_REQUIRE(ProgramImage[i] == image[i], "the program changed its own image");
    }
    // The decoder only ever passes operands in range, so the argument check
    // must stay silent; the stack messages are the only ones a program earns.
    static const std::set<std::string> kAllowed = {"Stek je pun", "Stek je prazan"};
    for (const std::string& message : FuzzMessages().Messages()) {
        FUZZ_REQUIRE(kAllowed.count(message) == 1, message);
    }

    Outcome outcome{};
    for (int i = 0; i < kRegisterFileSize; ++i) outcome.registers[i] = RegisterFile[i];
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
