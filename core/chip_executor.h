#pragma once
// The instructions, Timer 0 and the interrupt check, run on a working copy of
// the chip's small, hot items. The copy lives in locals of the run loop, where
// the compiler keeps it in registers; the chip state, which the other thread
// reads, receives it when the loop publishes. The register file is not copied:
// instructions read and write it in place.
//
// The members carry the names of the chip's items, so that inside the
// executor W, PC or Tmr0Inhibit mean the working copy.
#include <array>
#include <cstdint>

#include "decoded_word.h"
#include "event_log.h"
#include "state.h"

class CChipExecutor {
public:
    // Items the user-interface thread also writes, when a load resets W, PC
    // and the bank while a program runs (see OutsideResets).
    uint8_t W = 0;
    uint16_t PC = 0;
    int BankOffset = 0;

    // Items only the thread that runs the program changes.
    int Tmr0Inhibit = 0;
    int PrescaleCount = 0;
    int PrevTmr0 = 0;
    int PrevRa4 = 0;
    uint8_t PrevPortB = 0;
    uint8_t IrqCause = 0;
    bool Tmr0Overflowed = false;
    bool Tmr0WrapPending = false;
    bool IrqPending = false;
    bool IrqArmed = false;
    bool PcChanged = false;
    const char* LastMnemonic = "";
    uint64_t InstructionCount = 0;

    void LoadShared() {
        W = ::W;
        PC = ::PC;
        BankOffset = ::BankOffset;
        ForgetShortcuts();
    }
    void PublishShared() const {
        ::W = W;
        ::PC = PC;
        ::BankOffset = BankOffset;
    }
    void LoadOwn() {
        ForgetShortcuts();
        Tmr0Inhibit = ::Tmr0Inhibit;
        PrescaleCount = ::PrescaleCount;
        PrevTmr0 = ::PrevTmr0;
        PrevRa4 = ::PrevRa4;
        Tmr0Overflowed = ::Tmr0Overflowed;
        Tmr0WrapPending = ::Tmr0WrapPending;
        PrevPortB = ::PrevPortB;
        IrqPending = ::IrqPending;
        IrqArmed = ::IrqArmed;
        IrqCause = ::IrqCause;
        PcChanged = ::PcChanged;
        LastMnemonic = ::LastMnemonic;
        m_timerDue = ::CycleCount;
        InstructionCount = ::InstructionCount;
    }
    void PublishOwn() const {
        ::Tmr0Inhibit = Tmr0Inhibit;
        ::PrescaleCount = PrescaleCountNow();
        ::PrevTmr0 = PrevTmr0;
        ::PrevRa4 = PrevRa4;
        ::Tmr0Overflowed = Tmr0Overflowed;
        ::Tmr0WrapPending = Tmr0WrapPending;
        ::PrevPortB = PrevPortB;
        ::IrqPending = IrqPending;
        ::IrqArmed = IrqArmed;
        ::IrqCause = IrqCause;
        ::PcChanged = PcChanged;
        ::LastMnemonic = LastMnemonic;
        ::CycleCount = CycleCount();
        ::InstructionCount = InstructionCount;
    }
    void LoadAll() {
        LoadShared();
        LoadOwn();
    }
    void PublishAll() const {
        PublishShared();
        PublishOwn();
    }

    // One decoded word: the mnemonic (each operation names its own, as a
    // constant), the operation, and for the instructions that load PC
    // themselves (GOTO, CALL, RETURN, RETFIE, RETLW) PcChanged, so that the
    // caller leaves PC alone. None executes nothing. The run loop's form
    // (kAdvancePc) moves PC on past every other word itself instead.
    // Inlined into the run loop, so the working copy stays in registers.
    template <bool kAdvancePc = false>
    [[gnu::always_inline]] void Execute(const SDecodedWord& word) {
        // The decoder's operands are always in range; telling the compiler
        // so drops the operations' own range checks at no cost.
        const uint8_t f = word.f;
        const uint8_t d = word.bd;
        const uint8_t b = word.bd;
        const auto k = static_cast<uint8_t>(word.k);
        const int target = word.k;
        if (f > 0x7F || b > 7 || target > 0x7FF) __builtin_unreachable();
        const bool fileOperation = word.op >= EOp::SUBWF && word.op <= EOp::INCFSZ;
        if (fileOperation && d > 1) __builtin_unreachable();
        switch (word.op) {
            case EOp::None:  // the last mnemonic stays
                break;
            case EOp::NOP:
                LastMnemonic = MnemonicOf(EOp::NOP);
                break;
            case EOp::MOVWF:
                LastMnemonic = MnemonicOf(EOp::MOVWF);
                MOVWF(f);
                break;
            case EOp::CLRW:
                LastMnemonic = MnemonicOf(EOp::CLRW);
                CLRW();
                break;
            case EOp::CLRF:
                LastMnemonic = MnemonicOf(EOp::CLRF);
                CLRF(f);
                break;
            case EOp::SUBWF:
                LastMnemonic = MnemonicOf(EOp::SUBWF);
                SUBWF(f, d);
                break;
            case EOp::DECF:
                LastMnemonic = MnemonicOf(EOp::DECF);
                DECF(f, d);
                break;
            case EOp::IORWF:
                LastMnemonic = MnemonicOf(EOp::IORWF);
                IORWF(f, d);
                break;
            case EOp::ANDWF:
                LastMnemonic = MnemonicOf(EOp::ANDWF);
                ANDWF(f, d);
                break;
            case EOp::XORWF:
                LastMnemonic = MnemonicOf(EOp::XORWF);
                XORWF(f, d);
                break;
            case EOp::ADDWF:
                LastMnemonic = MnemonicOf(EOp::ADDWF);
                ADDWF(f, d);
                break;
            case EOp::MOVF:
                LastMnemonic = MnemonicOf(EOp::MOVF);
                MOVF(f, d);
                break;
            case EOp::COMF:
                LastMnemonic = MnemonicOf(EOp::COMF);
                COMF(f, d);
                break;
            case EOp::INCF:
                LastMnemonic = MnemonicOf(EOp::INCF);
                INCF(f, d);
                break;
            case EOp::DECFSZ:
                LastMnemonic = MnemonicOf(EOp::DECFSZ);
                DECFSZ(f, d);
                break;
            case EOp::RRF:
                LastMnemonic = MnemonicOf(EOp::RRF);
                RRF(f, d);
                break;
            case EOp::RLF:
                LastMnemonic = MnemonicOf(EOp::RLF);
                RLF(f, d);
                break;
            case EOp::SWAPF:
                LastMnemonic = MnemonicOf(EOp::SWAPF);
                SWAPF(f, d);
                break;
            case EOp::INCFSZ:
                LastMnemonic = MnemonicOf(EOp::INCFSZ);
                INCFSZ(f, d);
                break;
            case EOp::BCF:
                LastMnemonic = MnemonicOf(EOp::BCF);
                BCF(f, b);
                break;
            case EOp::BSF:
                LastMnemonic = MnemonicOf(EOp::BSF);
                BSF(f, b);
                break;
            case EOp::BTFSC:
                LastMnemonic = MnemonicOf(EOp::BTFSC);
                BTFSC(f, b);
                break;
            case EOp::BTFSS:
                LastMnemonic = MnemonicOf(EOp::BTFSS);
                BTFSS(f, b);
                break;
            case EOp::GOTO:
                LastMnemonic = MnemonicOf(EOp::GOTO);
                GOTO(target);
                return Jumped<kAdvancePc>();
            case EOp::CALL:
                LastMnemonic = MnemonicOf(EOp::CALL);
                CALL(target);
                return Jumped<kAdvancePc>();
            case EOp::ANDLW:
                LastMnemonic = MnemonicOf(EOp::ANDLW);
                ANDLW(k);
                break;
            case EOp::IORLW:
                LastMnemonic = MnemonicOf(EOp::IORLW);
                IORLW(k);
                break;
            case EOp::XORLW:
                LastMnemonic = MnemonicOf(EOp::XORLW);
                XORLW(k);
                break;
            case EOp::RETLW:
                LastMnemonic = MnemonicOf(EOp::RETLW);
                RETLW(k);
                return Jumped<kAdvancePc>();
            case EOp::SUBLW:
                LastMnemonic = MnemonicOf(EOp::SUBLW);
                SUBLW(k);
                break;
            case EOp::MOVLW:
                LastMnemonic = MnemonicOf(EOp::MOVLW);
                MOVLW(k);
                break;
            case EOp::ADDLW:
                LastMnemonic = MnemonicOf(EOp::ADDLW);
                ADDLW(k);
                break;
            case EOp::RETURN:
                LastMnemonic = MnemonicOf(EOp::RETURN);
                RETURN();
                return Jumped<kAdvancePc>();
            case EOp::RETFIE:
                LastMnemonic = MnemonicOf(EOp::RETFIE);
                RETFIE();
                return Jumped<kAdvancePc>();
            case EOp::SLEEP:
                LastMnemonic = MnemonicOf(EOp::SLEEP);
                SLEEP();
                break;
            case EOp::OPTION:
                LastMnemonic = MnemonicOf(EOp::OPTION);
                OPTION();
                break;
            default:
                __builtin_unreachable();  // DecodeWord makes no other value
        }
        if constexpr (kAdvancePc) PC += 1;
    }

    template <bool kAdvancePc>
    void Jumped() {
        if constexpr (!kAdvancePc) PcChanged = true;
    }

    // Enters the interrupt accepted the pass before: the return address is
    // the word after this pass's.
    void EnterInterrupt() {
        EventLog.RecordAtPassEnd(EEventKind::Interrupt, PC, IrqCause);
        Push(PC);
        IrqArmed = false;
        IrqPending = false;
        PC = kInterruptVector;
    }

    // File-register instructions: f is a 7-bit file address, d the
    // destination (0 W, 1 the register).
    void ADDWF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kCarry | kDigitCarry | kZero,
                        [w = W](uint8_t value, uint8_t& flags) { return Add(w, value, flags); });
    }
    void ANDWF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [w = W](uint8_t value, uint8_t& flags) {
            const uint8_t result = w & value;
            flags = ZeroFlag(result);
            return result;
        });
    }
    void CLRF(uint8_t f) {
        if (!OperandsValid(f <= 0x7F)) return;
        StoreFile(EffectiveIndex(f, true), 0);
        SetFlags(kZero, kZero);
    }
    void CLRW() {
        W = 0;
        SetFlags(kZero, kZero);
    }
    void COMF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
            const uint8_t result = static_cast<uint8_t>(~value);
            flags = ZeroFlag(result);
            return result;
        });
    }
    void DECF(uint8_t f, uint8_t d) {
        ResultThenZero(f, d, [](uint8_t value) { return static_cast<uint8_t>(value - 1); });
    }
    void DECFSZ(uint8_t f, uint8_t d) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex(f, d == 1);
        const uint8_t result = static_cast<uint8_t>(RegisterFile[index] - 1);
        if (result == 0) SkipNextWord();
        Store(d, index, result);
    }
    void INCF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
            const uint8_t result = static_cast<uint8_t>(value + 1);
            flags = ZeroFlag(result);
            return result;
        });
    }
    void INCFSZ(uint8_t f, uint8_t d) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex(f, d == 1);
        const uint8_t result = static_cast<uint8_t>(RegisterFile[index] + 1);
        if (result == 0) SkipNextWord();
        Store(d, index, result);
    }
    void IORWF(uint8_t f, uint8_t d) {
        ResultThenZero(f, d, [w = W](uint8_t value) { return static_cast<uint8_t>(w | value); });
    }
    void MOVF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
            flags = ZeroFlag(value);
            return value;
        });
    }
    void MOVWF(uint8_t f) {
        if (!OperandsValid(f <= 0x7F)) return;
        StoreFile(EffectiveIndex(f, true), W);
    }
    void NOP() {}
    void RLF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kCarry, [](uint8_t value, uint8_t& flags) {
            const uint8_t carryIn = RegisterFile[STATUS] & kCarry;
            flags = (value & 0x80) ? kCarry : 0;
            return static_cast<uint8_t>((value << 1) | carryIn);
        });
    }
    void RRF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kCarry, [](uint8_t value, uint8_t& flags) {
            const uint8_t carryIn = RegisterFile[STATUS] & kCarry;
            flags = (value & 0x01) ? kCarry : 0;
            return static_cast<uint8_t>((value >> 1) | (carryIn << 7));
        });
    }
    void SUBWF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kCarry | kDigitCarry | kZero, [w = W](uint8_t value, uint8_t& flags) {
            return Subtract(value, w, flags);
        });
    }
    void SWAPF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, 0, [](uint8_t value, uint8_t& flags) {
            flags = 0;
            return static_cast<uint8_t>((value << 4) | (value >> 4));
        });
    }
    void XORWF(uint8_t f, uint8_t d) {
        FlagsThenResult(f, d, kZero, [w = W](uint8_t value, uint8_t& flags) {
            const uint8_t result = w ^ value;
            flags = ZeroFlag(result);
            return result;
        });
    }

    // Bit instructions: b is the bit number 0-7.
    void BCF(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        const int address = ResolveAddress(f);
        NoteWrite(address);
        // Only a bit operation on RP0 switches the bank, from either bank.
        if (address == STATUS && b == 5) {
            BankOffset = 0;
            RegisterFile[STATUS_BANK1] &= static_cast<uint8_t>(~kBankSelect);
        }
        const int index = FoldIndex(BankOffset + address);
        StoreFile(index, RegisterFile[index] & static_cast<uint8_t>(~BitMask(b)));
    }
    void BSF(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        const int address = ResolveAddress(f);
        NoteWrite(address);
        if (address == STATUS && b == 5) {
            BankOffset = kBank1;
            RegisterFile[STATUS] |= kBankSelect;
            RegisterFile[STATUS_BANK1] |= kBankSelect;
        }
        const int index = FoldIndex(BankOffset + address);
        StoreFile(index, RegisterFile[index] | BitMask(b));
    }
    void BTFSC(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        if ((RegisterFile[EffectiveIndex(f, false)] & BitMask(b)) == 0) SkipNextWord();
    }
    void BTFSS(uint8_t f, uint8_t b) {
        if (!OperandsValid(f <= 0x7F && b <= 7)) return;
        if ((RegisterFile[EffectiveIndex(f, false)] & BitMask(b)) != 0) SkipNextWord();
    }

    // Literal instructions.
    void ADDLW(uint8_t k) {
        uint8_t flags = 0;
        const uint8_t result = Add(W, k, flags);
        SetFlags(kCarry | kDigitCarry | kZero, flags);
        W = result;
    }
    void ANDLW(uint8_t k) {
        W = W & k;
        SetFlags(kZero, ZeroFlag(W));
    }
    void IORLW(uint8_t k) {
        W = W | k;
        SetFlags(kZero, ZeroFlag(W));
    }
    void MOVLW(uint8_t k) { W = k; }
    void SUBLW(uint8_t k) {
        uint8_t flags = 0;
        const uint8_t result = Subtract(k, W, flags);
        SetFlags(kCarry | kDigitCarry | kZero, flags);
        W = result;
    }
    void XORLW(uint8_t k) {
        W = W ^ k;
        SetFlags(kZero, ZeroFlag(W));
    }
    void RETLW(uint8_t k) {
        W = k;
        PC = PopAddress();
        Timer0CycleStep();
    }

    // Control instructions; target is a program word address 0x000-0x7FF.
    void CALL(int target) {
        if (!ValidTarget(target)) return;
        Timer0CycleStep();
        Push(PC + 1);
        PC = static_cast<uint16_t>(target);
    }
    void GOTO(int target) {
        if (!ValidTarget(target)) return;
        PC = static_cast<uint16_t>(target);
        Timer0CycleStep();
    }
    void RETFIE() {
        PC = PopAddress();
        EventLog.RecordAtPassEnd(EEventKind::Retfie, PC);
        Timer0CycleStep();
        StoreFile(INTCON, RegisterFile[INTCON] | kGlobalEnable);
    }
    void RETURN() {
        Timer0CycleStep();
        PC = PopAddress();
    }
    void SLEEP() {
        if (RegisterFile[OPTION_REG] & kPrescalerToWatchdog) {
            StoreFile(OPTION_REG, RegisterFile[OPTION_REG] & static_cast<uint8_t>(~kPrescalerBits));
        }
        SetFlags(kPowerDown | kTimeOut, kTimeOut);
    }
    void OPTION() { StoreFile(OPTION_REG, W); }

    // Advances TMR0 by one instruction cycle. While nothing the timer reads
    // changes, most cycles only count, and in timer mode the next increment
    // is known without reading anything (see m_timerDue).
    [[gnu::always_inline]] void Timer0CycleStep() {
        m_cyclesToDue -= 1;
        if (m_cyclesToDue > 0) [[likely]]
            return;
        if (m_timerTicks) [[likely]] {
            // As the full step would do it: TMR0 and OPTION stand as it last
            // saw them, and the prescaler's count reaches its divisor now.
            PrevTmr0 = IncrementTmr0(static_cast<uint8_t>(PrevTmr0));
            m_timerDue += m_tickPeriod;
            m_cyclesToDue = m_tickPeriod;
            return;
        }
        Timer0FullStep();
    }

    // The pass's end after its instruction and timer cycles: the interrupt
    // check and the bank-1 mirrors of STATUS and INTCON, each only when
    // something it reads may have changed since it last ran (m_pending).
    // Between two runs the mirrors equal their originals and the check would
    // raise nothing.
    [[gnu::always_inline]] void EndPass() {
        if (m_pending == 0) [[likely]]
            return;
        if (m_pending & kMirrorStatus) RegisterFile[STATUS_BANK1] = RegisterFile[STATUS];
        if (m_pending & kRecheckInterrupts) RegisterFile[INTCON_BANK1] = InterruptCheck();
        // After an overflow the check raises T0IF again for as long as TMR0
        // stays 0.
        m_pending = Tmr0Overflowed ? kRecheckInterrupts : 0;
    }

    // Raises the INTCON flags from Timer 0, RB0 and RB4-RB7, and accepts an
    // enabled interrupt by clearing GIE and setting IrqPending. Returns
    // INTCON as it now stands.
    [[gnu::always_inline]] uint8_t InterruptCheck() {
        uint8_t intcon = RegisterFile[INTCON];
        const uint8_t intconBefore = intcon;
        if ((Tmr0Overflowed && RegisterFile[TMR0] == 0) || Tmr0WrapPending) intcon |= kTimer0Flag;
        Tmr0WrapPending = false;

        // The port may change under us between two reads: read it once.
        const uint8_t portB = RegisterFile[PORTB];
        const uint8_t prevPortB = PrevPortB;
        // Most cycles see no change of the port, and then no flag to raise.
        if (portB != prevPortB) [[unlikely]] {
            const uint8_t changed = portB ^ prevPortB;
            // A changed RB0 that is now high rose; one that was high fell.
            const bool risingEdgeWanted = RegisterFile[OPTION_REG] & kInterruptOnRisingEdge;
            if (changed & (risingEdgeWanted ? portB : prevPortB) & kRb0) intcon |= kRb0Flag;
            if (changed & kPortBChangeBits) intcon |= kPortBChangeFlag;
            PrevPortB = portB;
        }

        const uint8_t cause = kAcceptedCause[intcon];
        if (cause != 0) [[unlikely]] {
            intcon &= static_cast<uint8_t>(~kGlobalEnable);
            IrqPending = true;
            IrqCause = cause;
            EventLog.RecordAtPassEnd(EEventKind::Accept, 0, cause);
            // The run loop arms it when it looks after this pass.
            SignalRunLoop();
        }
        if (intcon != intconBefore) RegisterFile[INTCON] = intcon;
        return intcon;
    }

    // Pushes onto the return stack; a full stack's message is stamped with
    // the chip as it stands.
    void Push(int address) {
        if (ReturnStack->Count() == 8) [[unlikely]]
            PublishAll();
        ReturnStack->Push(address);
    }

    // A byte with only bit b set; 0 for b above 7.
    static uint8_t BitMask(uint8_t b) { return b <= 7 ? static_cast<uint8_t>(1u << b) : 0; }

private:
    // STATUS
    static constexpr uint8_t kCarry = 0x01;
    static constexpr uint8_t kDigitCarry = 0x02;
    static constexpr uint8_t kZero = 0x04;
    static constexpr uint8_t kPowerDown = 0x08;
    static constexpr uint8_t kTimeOut = 0x10;
    static constexpr uint8_t kBankSelect = 0x20;
    static constexpr int kBank1 = 0x80;
    static constexpr int kLastRegister = kRegisterFileSize - 1;

    // Pins
    static constexpr uint8_t kRa4 = 0x10;
    static constexpr uint8_t kRb0 = 0x01;
    static constexpr uint8_t kPortBChangeBits = 0xF0;

    // OPTION
    static constexpr uint8_t kInterruptOnRisingEdge = 0x40;  // INTEDG
    static constexpr uint8_t kCounterMode = 0x20;            // T0CS
    static constexpr uint8_t kCountFallingEdge = 0x10;       // T0SE
    static constexpr uint8_t kPrescalerToWatchdog = 0x08;    // PSA
    static constexpr uint8_t kPrescalerBits = 0x07;

    // INTCON
    static constexpr uint8_t kGlobalEnable = 0x80;
    static constexpr uint8_t kTimer0Enable = 0x20;
    static constexpr uint8_t kRb0Enable = 0x10;
    static constexpr uint8_t kPortBChangeEnable = 0x08;
    static constexpr uint8_t kTimer0Flag = 0x04;
    static constexpr uint8_t kRb0Flag = 0x02;
    static constexpr uint8_t kPortBChangeFlag = 0x01;

    // Cycles per TMR0 increment on the instruction clock, by OPTION's PSA and
    // prescaler bits: one table lookup instead of shifts in every cycle.
    static constexpr auto kPrescaleDivisor = [] {
        std::array<uint16_t, 16> divisors{};
        for (int bits = 0; bits < 16; ++bits) {
            const int scale = bits & kPrescalerBits;
            divisors[bits] =
                static_cast<uint16_t>((bits & kPrescalerToWatchdog) ? (1 << scale) : (2 << scale));
        }
        return divisors;
    }();

    // The sources an INTCON value makes the chip accept: GIE set, and each
    // flag whose enable bit stands three places above it; 0 for none.
    static constexpr auto kAcceptedCause = [] {
        static_assert(kTimer0Enable >> 3 == kTimer0Flag && kRb0Enable >> 3 == kRb0Flag &&
                      kPortBChangeEnable >> 3 == kPortBChangeFlag);
        std::array<uint8_t, 256> causes{};
        for (int intcon = 0; intcon < 256; ++intcon) {
            const int cause = intcon & (intcon >> 3) & (kTimer0Flag | kRb0Flag | kPortBChangeFlag);
            causes[intcon] = static_cast<uint8_t>((intcon & kGlobalEnable) ? cause : 0);
        }
        return causes;
    }();

    // What a store into a register makes the pass's end or the timer look
    // at again (see StoreFile).
    static constexpr uint8_t kMirrorStatus = 0x01;
    static constexpr uint8_t kRecheckInterrupts = 0x02;
    static constexpr uint8_t kWakesTimer = 0x04;
    static constexpr uint8_t kEverything = kMirrorStatus | kRecheckInterrupts;
    static constexpr auto kStoreEffects = [] {
        std::array<uint8_t, kRegisterFileSize> effects{};
        effects[TMR0] = kWakesTimer;
        effects[PORTA] = kWakesTimer;
        effects[OPTION_REG] = kWakesTimer;
        effects[PORTB] = kRecheckInterrupts;
        effects[INTCON] = kRecheckInterrupts;
        effects[INTCON_BANK1] = kRecheckInterrupts;
        effects[STATUS] = kMirrorStatus;
        effects[STATUS_BANK1] = kMirrorStatus;
        return effects;
    }();

    // The cycle count, as the cycle at which the timer next takes a step
    // and the cycles until then: one decrement per cycle.
    uint64_t m_timerDue = 0;
    int64_t m_cyclesToDue = 0;
    uint64_t CycleCount() const { return m_timerDue - m_cyclesToDue; }

    // Shortcuts of this working copy, never published. The timer is settled
    // while no write holds it and TMR0 (equal to PrevTmr0), RA4 and OPTION
    // stand as it last saw them. Then the cycles before m_timerDue only
    // count. In timer mode (m_timerTicks) those cycles run the prescaler's
    // count up, so that it stands at m_tickPeriod - m_cyclesToDue, and the
    // cycle at m_timerDue increments TMR0, as does every m_tickPeriod-th
    // cycle after it.
    int m_tickPeriod = 1;
    bool m_timerTicks = false;
    // What this pass's stores ask of its end (kMirrorStatus, kRecheckInterrupts).
    uint8_t m_pending = kEverything;

    // Every store an instruction makes into the register file.
    [[gnu::always_inline]] void StoreFile(int index, uint8_t value) {
        RegisterFile[index] = value;
        const uint8_t effects = kStoreEffects[index];
        // A timer bit among them only costs the pass's end one look.
        m_pending |= effects;
        if (effects & kWakesTimer) [[unlikely]]
            WakeTimer();
    }

    // The timer's next step comes in the given number of cycles.
    void Due(int64_t cycles) {
        m_timerDue = CycleCount() + cycles;
        m_cyclesToDue = cycles;
    }

    // The prescaler's count as the cycles so far have left it.
    int PrescaleCountNow() const {
        return m_timerTicks ? static_cast<int>(m_tickPeriod - m_cyclesToDue) : PrescaleCount;
    }

    // The next timer cycle takes the full step.
    void WakeTimer() {
        if (m_timerTicks) PrescaleCount = PrescaleCountNow();
        m_timerDue = CycleCount();
        m_cyclesToDue = 0;
        m_timerTicks = false;
    }

    // For a working copy loaded afresh, or a register file reset under it:
    // nothing is known to be settled.
    void ForgetShortcuts() {
        WakeTimer();
        m_pending = kEverything;
    }

    // One cycle of Timer 0 with everything it reads. When no write holds the
    // timer, it then knows how many cycles will only count: in counter mode
    // all of them until RA4 or a register it reads changes, in timer mode the
    // prescaler's count up to its divisor.
    [[gnu::always_inline]] void Timer0FullStep() {
        // Until the timer settles below, the next cycle takes this step again.
        if (Tmr0Inhibit > 0) {
            Tmr0Inhibit -= 1;
            PrescaleCount = 0;
            return;
        }
        const int ra4 = RegisterFile[PORTA] & kRa4;
        const uint8_t option = RegisterFile[OPTION_REG];
        uint8_t tmr0 = RegisterFile[TMR0];
        if (option & kCounterMode) {
            // Either edge is a change of the pin.
            if (ra4 != PrevRa4) {
                const bool edge = (option & kCountFallingEdge) ? (PrevRa4 != 0 && ra4 == 0)
                                                               : (PrevRa4 == 0 && ra4 != 0);
                // An edge right after a write to TMR0 is lost unless the value
                // written equals the one the counter last produced.
                if (edge) {
                    Tmr0Overflowed = tmr0 == 0xFF;
                    m_pending |= kRecheckInterrupts;
                    if (tmr0 == PrevTmr0) tmr0 = IncrementTmr0(tmr0);
                }
            }
            // A settled timer in counter mode only counts cycles until
            // something wakes it.
            Due(int64_t{1} << 62);
        } else {
            const int divisor = kPrescaleDivisor[option & (kPrescalerToWatchdog | kPrescalerBits)];
            const int count = PrescaleCount + 1;
            if (count >= divisor) {
                tmr0 = IncrementTmr0(tmr0);
                PrescaleCount = 0;
            } else {
                PrescaleCount = count;
            }
            // The count is now below the divisor: the cycle that reaches it
            // increments TMR0.
            Due(divisor - PrescaleCount);
            m_timerTicks = true;
            m_tickPeriod = divisor;
        }
        PrevRa4 = ra4;
        PrevTmr0 = tmr0;
    }

    [[gnu::cold, gnu::noinline]] static void ShowBadOperand() {
        RunTimeMessage("GRESKA: Pogresna vrednost argumenta instrukcije");
    }

    // The decoder never produces bad operands; this guards the interface for
    // every other caller, and costs the decoder's calls one compare.
    static bool OperandsValid(bool valid) {
        if (!valid) [[unlikely]] {
            ShowBadOperand();
            return false;
        }
        return true;
    }
    static bool FileOperandsValid(uint8_t f, uint8_t d) {
        return OperandsValid(f <= 0x7F && d <= 1);
    }

    // Larger indices come from bank 1 or from FSR.
    static int FoldIndex(int index) { return RegisterFileIndex(index); }

    // The file address after indirection through the current bank's FSR.
    int ResolveAddress(uint8_t f) const {
        return f == INDF ? RegisterFile[BankOffset + FSR].load() : f;
    }

    // A write to TMR0 freezes the timer for two cycles.
    void NoteWrite(int address) {
        if (address == TMR0 && BankOffset == 0) {
            Tmr0Inhibit = 2;
            WakeTimer();
        }
    }

    int EffectiveIndex(uint8_t f, bool writes) {
        const int address = ResolveAddress(f);
        if (writes) NoteWrite(address);
        return FoldIndex(BankOffset + address);
    }

    // Flags always go to the bank-0 STATUS; the run loop mirrors it afterwards.
    void SetFlags(uint8_t mask, uint8_t values) {
        RegisterFile[STATUS] = static_cast<uint8_t>((RegisterFile[STATUS] & ~mask) | values);
        m_pending |= kMirrorStatus;
    }

    static uint8_t ZeroFlag(uint8_t result) { return result == 0 ? kZero : 0; }

    void Store(uint8_t d, int index, uint8_t value) {
        if (d == 0) {
            W = value;
        } else {
            StoreFile(index, value);
        }
    }

    // The second cycle of a skip or a jump.
    void SkipNextWord() {
        PC += 1;
        Timer0CycleStep();
    }

    // For the instructions whose flags are set before the result is stored:
    // when the destination is STATUS itself, the stored result replaces the
    // flags.
    template <class Operation>
    void FlagsThenResult(uint8_t f, uint8_t d, uint8_t flagMask, Operation operation) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex(f, d == 1);
        uint8_t flags = 0;
        const uint8_t result = operation(RegisterFile[index], flags);
        SetFlags(flagMask, flags);
        Store(d, index, result);
    }

    // For the instructions that store the result first and then set Z from it.
    template <class Operation>
    void ResultThenZero(uint8_t f, uint8_t d, Operation operation) {
        if (!FileOperandsValid(f, d)) return;
        const int index = EffectiveIndex(f, d == 1);
        const uint8_t result = operation(RegisterFile[index]);
        Store(d, index, result);
        SetFlags(kZero, ZeroFlag(result));
    }

    static uint8_t Add(uint8_t a, uint8_t b, uint8_t& flags) {
        const int sum = a + b;
        const uint8_t result = static_cast<uint8_t>(sum);
        flags = static_cast<uint8_t>((sum > 0xFF ? kCarry : 0) |
                                     (((a & 0x0F) + (b & 0x0F)) > 0x0F ? kDigitCarry : 0) |
                                     ZeroFlag(result));
        return result;
    }

    // Carry and digit carry are "no borrow", as on the chip.
    static uint8_t Subtract(uint8_t minuend, uint8_t subtrahend, uint8_t& flags) {
        const uint8_t result = static_cast<uint8_t>(minuend - subtrahend);
        flags = static_cast<uint8_t>((minuend >= subtrahend ? kCarry : 0) |
                                     ((minuend & 0x0F) >= (subtrahend & 0x0F) ? kDigitCarry : 0) |
                                     ZeroFlag(result));
        return result;
    }

    uint16_t PopAddress() {
        if (ReturnStack->Count() == 0) [[unlikely]]
            PublishAll();  // the message about it is stamped with the chip as it stands
        return static_cast<uint16_t>(ReturnStack->Pop());
    }

    static bool ValidTarget(int target) { return target >= 0 && target <= 0x7FF; }

    uint8_t IncrementTmr0(uint8_t tmr0) {
        if (tmr0 == 0xFF) [[unlikely]] {
            Tmr0Overflowed = true;
            Tmr0WrapPending = true;
            m_pending |= kRecheckInterrupts;
        } else {
            Tmr0Overflowed = false;
        }
        const auto next = static_cast<uint8_t>(tmr0 + 1);
        RegisterFile[TMR0] = next;
        return next;
    }
};

// Runs one step of the executor on the chip itself, for callers outside the
// run loop: everything is read before and published after.
template <class Step>
void OnChip(Step step) {
    CChipExecutor chip;
    chip.LoadAll();
    step(chip);
    chip.PublishAll();
}
