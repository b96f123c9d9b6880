// The run loop keeps the program decoded and the hot state in locals across
// slices of passes. Random programs, with the image, the breakpoints, the
// program end and the pins changed between passes, must run exactly as a
// plain pass that decodes its word from the characters every time: compared
// after every pass, and at the end of every slice.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/decoder.h"
#include "core/instruction_set.h"
#include "core/line_breakpoints.h"
#include "core/pin_input.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "core/timer0.h"
#include "recording_message_box.h"

namespace {
constexpr int kProgramWords = 64;  // where the random programs live
constexpr int kPasses = 1500;

// Something the user-interface thread does between two passes.
struct SChange {
    int64_t beforePass;
    enum { ImageChar, BreakSlot, LineBreak, PinClick, End } kind;
    int where;
    int value;
};

struct SProgram {
    std::string image;
    core::SChipState start;
    int breakSlots[core::kBreakpointsUsed];
    std::vector<SChange> changes;
};

class CRandom {
public:
    explicit CRandom(unsigned seed) : m_engine(seed) {}
    int Below(int n) { return static_cast<int>(m_engine() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::mt19937 m_engine;
};

// Programs of the second kind keep writing what Timer 0, the interrupt check
// and the bank-1 mirrors read, directly, through FSR and from either bank,
// where the loop's shortcuts must notice every change.
enum class EMix { Broad, TimerAndInterrupts };

int RandomFile(CRandom& random, EMix mix) {
    if (mix == EMix::TimerAndInterrupts && random.Chance(70)) {
        static const int kRead[] = {INDF, TMR0, STATUS, FSR, PORTA, PORTB, INTCON};
        return kRead[random.Below(7)];
    }
    return random.Chance(50) ? random.Below(0x0C) : 0x0C + random.Below(8);
}

// Mostly real instructions on the special registers and a few variables,
// jumping within the program; some in lower case, some not hex at all.
std::string RandomWord(CRandom& random, EMix mix) {
    static const char kOddCharacters[] = {'a', 'f', 'G', '\0', ' ', '-', '\x80', '\xff'};
    const int f = RandomFile(random, mix);
    const int target = random.Chance(95) ? random.Below(kProgramWords) : random.Below(0x800);
    int word = 0;
    switch (random.Below(8)) {
        case 0:
            word = (random.Below(16) << 8) | (random.Below(2) << 7) | f;  // byte operations
            break;
        case 1:
        case 2: {
            // The second kind also switches banks often.
            const bool bank = mix == EMix::TimerAndInterrupts && f == STATUS && random.Chance(50);
            word = 0x1000 | (random.Below(4) << 10) | ((bank ? 5 : random.Below(8)) << 7) | f;
            break;
        }
        case 3:
            word = (random.Chance(50) ? 0x2800 : 0x2000) | target;
            break;
        case 4:
            word = 0x3000 | (random.Below(16) << 8) | random.Below(256);  // literals
            break;
        case 5: {
            static const int kSpecial[] = {0x0000, 0x0008, 0x0009, 0x0062, 0x0063, 0x0064, 0x0020};
            word = kSpecial[random.Below(7)];
            break;
        }
        case 6:
            word = 0x0080 | f;  // MOVWF
            break;
        default: {
            std::string text(4, '0');
            for (char& ch : text) {
                ch = random.Chance(50) ? "0123456789ABCDEF"[random.Below(16)]
                                       : kOddCharacters[random.Below(sizeof kOddCharacters)];
            }
            return text;
        }
    }
    char text[5];
    std::snprintf(text, sizeof text, random.Chance(85) ? "%04X" : "%04x", word);
    return text;
}

SProgram RandomProgram(unsigned seed, EMix mix) {
    CRandom random(seed);
    SProgram program;
    program.image.assign(core::kProgramImageSize, '\0');
    for (int word = 0; word < kProgramWords; ++word) {
        program.image.replace(4 * word, 4, RandomWord(random, mix));
    }

    ResetForRun();
    for (int i = 0; i < 0x30; ++i) RegisterFile[i] = static_cast<uint8_t>(random.Below(256));
    RegisterFile[OPTION_REG] = static_cast<uint8_t>(random.Below(256));
    RegisterFile[TRISA] = static_cast<uint8_t>(random.Below(32));
    RegisterFile[TRISB] = static_cast<uint8_t>(random.Below(256));
    W = static_cast<uint8_t>(random.Below(256));
    PrescaleCount = random.Below(4);
    PrevTmr0 = RegisterFile[TMR0];
    Tmr0Overflowed = random.Chance(20);
    if (mix == EMix::TimerAndInterrupts) {
        // Timer mode at the faster prescaler rates, interrupts enabled, and
        // FSR on the registers the shortcuts watch, in either bank.
        RegisterFile[OPTION_REG] = static_cast<uint8_t>(random.Below(256) & ~0x26);
        RegisterFile[INTCON] = static_cast<uint8_t>(0x80 | (random.Below(8) << 3));
        static const int kWatched[] = {TMR0, PORTA, PORTB, INTCON, STATUS, 0x81, 0x83, 0x8B};
        RegisterFile[FSR] = static_cast<uint8_t>(kWatched[random.Below(8)]);
    }
    program.start = core::Chip;

    for (int& slot : program.breakSlots) slot = random.Chance(30) ? random.Below(kProgramWords) : 0;

    for (int64_t pass = 1; pass < kPasses; pass += 1 + random.Below(60)) {
        SChange change{pass, SChange::ImageChar, 0, 0};
        switch (random.Below(5)) {
            case 0:
                change.kind = SChange::ImageChar;
                change.where = random.Below(4 * kProgramWords);
                change.value = static_cast<unsigned char>(RandomWord(random, mix)[random.Below(4)]);
                break;
            case 1:
                change.kind = SChange::BreakSlot;
                change.where = random.Below(core::kBreakpointsUsed);
                change.value = random.Chance(50) ? random.Below(kProgramWords) : 0;
                break;
            case 2:
                change.kind = SChange::LineBreak;
                change.where = random.Below(kProgramWords);
                change.value = random.Below(2);
                break;
            case 3:
                change.kind = SChange::PinClick;
                change.where = random.Chance(50) ? PORTA : PORTB;
                change.value = 1 << random.Below(change.where == PORTA ? 5 : 8);
                break;
            default:
                change.kind = SChange::End;
                change.value = random.Chance(80) ? core::kProgramImageSize : 4 * random.Below(80);
                break;
        }
        program.changes.push_back(change);
    }
    return program;
}

void Apply(const SChange& change) {
    switch (change.kind) {
        case SChange::ImageChar:
            ProgramImage[change.where] = static_cast<char>(change.value);
            break;
        case SChange::BreakSlot:
            BreakAddresses[change.where] = change.value;
            break;
        case SChange::LineBreak:
            core::SetLineBreakpoint(change.where, change.value != 0);
            break;
        case SChange::PinClick:  // no worker: the click lands at once
            core::ClickPin(static_cast<uint8_t>(change.where), static_cast<uint8_t>(change.value));
            break;
        case SChange::End:
            ProgramEnd = change.value;
            break;
    }
}

void Start(const SProgram& program) {
    for (int i = 0; i < core::kProgramImageSize; ++i) ProgramImage[i] = program.image[i];
    ProgramEnd = core::kProgramImageSize;
    for (int slot = 0; slot < core::kBreakSlots; ++slot) {
        BreakAddresses[slot] = slot < core::kBreakpointsUsed ? program.breakSlots[slot] : 0;
    }
    core::ClearLineBreakpoints();
    core::Chip = program.start;
}

// One pass as the loop's order defines it, step by step on the chip, with
// the word decoded from the image characters at PC and the breakpoints
// compared one by one.
bool PlainPass() {
    if (IrqPending) IrqArmed = true;
    InstructionCount += 1;
    DecodeAndExecute();
    Timer0CycleStep();
    InterruptCheck();
    RegisterFile[INTCON_BANK1] = RegisterFile[INTCON];
    RegisterFile[STATUS_BANK1] = RegisterFile[STATUS];
    if (!PcChanged) PC += 1;
    if (IrqPending && IrqArmed) {
        ReturnStack->Push(PC);
        IrqArmed = false;
        IrqPending = false;
        PC = core::kInterruptVector;
    }
    PcChanged = false;
    RegisterFile[PCL] = static_cast<uint8_t>(PC & 0xFF);
    RegisterFile[PCL_BANK1] = static_cast<uint8_t>(PC & 0xFF);
    bool atBreakpoint = false;
    for (int slot = 0; slot < core::kBreakpointsUsed; ++slot) {
        if (BreakAddresses[slot] != 0 && BreakAddresses[slot] == PC) atBreakpoint = true;
    }
    if (PC < core::kLineBreakWords && ((core::LineBreakBits[PC / 64] >> (PC % 64)) & 1))
        atBreakpoint = true;
    return atBreakpoint;
}

struct SStop {
    int64_t pass;
    bool atBreakpoint;
    bool operator==(const SStop&) const = default;
};

// Runs the program to its end or kPasses, with slices of the given lengths
// (0: plain passes). Returns the state after each pass that ends a slice,
// indexed by pass, and where the runs stopped for breakpoints.
template <class SliceLength>
std::vector<core::SChipState> RunSlices(const SProgram& program, SliceLength sliceLength,
                                        std::vector<SStop>* stops) {
    Start(program);
    std::vector<core::SChipState> states(kPasses + 1);
    CInstructionSet kept;
    size_t next = 0;
    int64_t pass = 0;
    while (pass < kPasses && core::PcInsideProgram()) {
        while (next < program.changes.size() && program.changes[next].beforePass == pass) {
            Apply(program.changes[next++]);
        }
        int64_t slice = sliceLength();
        if (next < program.changes.size()) {
            slice = std::min(slice, program.changes[next].beforePass - pass);
        }
        slice = std::min(slice, kPasses - pass);
        core::SPassesRun run;
        if (slice == 0) {
            run = core::SPassesRun{1, PlainPass()};
        } else {
            run = core::RunPasses(kept, slice);
        }
        pass += run.passes;
        states[pass] = core::Chip;
        if (run.atBreakpoint) stops->push_back({pass, true});
    }
    states.resize(pass + 1);
    return states;
}

class DecodedLoopTest : public testing::TestWithParam<std::tuple<unsigned, EMix>> {
protected:
    void TearDown() override { core::ClearLineBreakpoints(); }
    CRecordingMessageBox m_messages;
};

TEST_P(DecodedLoopTest, RunsAsDecodingEveryWordAfresh) {
    const auto [seed, mix] = GetParam();
    const SProgram program = RandomProgram(seed, mix);

    std::vector<SStop> referenceStops;
    const std::vector<core::SChipState> reference = RunSlices(
        program, [] { return 0; }, &referenceStops);
    const std::vector<std::string> referenceMessages = m_messages.Messages();
    ASSERT_GT(reference.size(), 1u);

    m_messages.Clear();
    std::vector<SStop> singleStops;
    const std::vector<core::SChipState> single = RunSlices(
        program, [] { return 1; }, &singleStops);
    ASSERT_EQ(single.size(), reference.size());
    for (size_t pass = 1; pass < reference.size(); ++pass) {
        ASSERT_TRUE(single[pass] == reference[pass]) << "after pass " << pass;
    }
    EXPECT_EQ(singleStops, referenceStops);
    EXPECT_EQ(m_messages.Messages(), referenceMessages);

    m_messages.Clear();
    CRandom slices(seed);
    std::vector<SStop> sliceStops;
    const std::vector<core::SChipState> sliced = RunSlices(
        program, [&] { return 1 + slices.Below(300); }, &sliceStops);
    ASSERT_EQ(sliced.size(), reference.size());
    int compared = 0;
    for (size_t pass = 1; pass < reference.size(); ++pass) {
        if (sliced[pass] == core::SChipState{}) continue;  // inside a slice
        ASSERT_TRUE(sliced[pass] == reference[pass]) << "after pass " << pass;
        ++compared;
    }
    EXPECT_GT(compared, 0);
    EXPECT_EQ(sliceStops, referenceStops);
    EXPECT_EQ(m_messages.Messages(), referenceMessages);
}

INSTANTIATE_TEST_SUITE_P(RandomPrograms, DecodedLoopTest,
                         testing::Combine(testing::Range(1u, 41u),
                                          testing::Values(EMix::Broad, EMix::TimerAndInterrupts)));
}  // namespace
