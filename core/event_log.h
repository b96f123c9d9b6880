#pragma once
// What happened while programs ran: interrupts, returns from them, the
// run-time messages, breakpoints, pin clicks, edited values, run starts and
// ends, loads.
// Each event carries the pass (instructions executed in the run), the cycle
// count and PC as the state after that pass shows them. Recording costs the
// run loop nothing while nothing happens: an event kept for the end of the
// pass signals the loop (see Attention).
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/ring_buffer.h"

namespace core {

enum class EEventKind : uint8_t {
    Accept,      // an enabled, flagged source cleared GIE; cause
    Interrupt,   // entered at word 4; cause, value = return address
    Retfie,      // value = the address returned to
    Message,     // text = one of the three run-time messages
    Breakpoint,  // value = address, text = its label when it has one
    Pin,         // text = pin name, value = its new level
    RunStart,
    RunEnd,
    Load,   // text = the program file loaded (a source by the assemble command)
    Edit,   // text = "W" or the register's address ("0x0C"), value = the value written
    Board,  // text = the part's name, cause = what happened (EBoardEvent), value = the byte or key
    Mclr,   // the user reset the data-sheet chip through its MCLR pin
    Check,  // a run-time check fired at pc: cause = ECheckKind, value = source line, text = why
};
constexpr int kEventKinds = 13;

// What a board event says happened at its part.
enum class EBoardEvent : uint8_t {
    Command,   // the LCD executed an instruction byte
    Data,      // the LCD took a data byte
    Ignored,   // the LCD was busy and lost the byte
    Received,  // the terminal received a byte from the chip
    Framing,   // the terminal saw a frame without its stop bit
    Press,     // the user pressed a key or button (value: the key's label)
    Release,
    Typed,  // the user typed a byte for the chip
};
const char* BoardEventName(EBoardEvent what);

// The interrupt sources, as INTCON flag bits.
enum : uint8_t { kCauseT0IF = 0x04, kCauseINTF = 0x02, kCauseRBIF = 0x01 };

struct SEvent {
    uint64_t serial = 0;  // numbers every event ever recorded, from 1
    EEventKind kind = EEventKind::RunStart;
    uint64_t pass = 0;
    uint64_t cycle = 0;
    uint16_t pc = 0;
    uint8_t cause = 0;
    int32_t value = 0;
    std::string text;
};

inline SEvent Event(EEventKind kind, int32_t value = 0, uint8_t cause = 0, std::string text = {}) {
    SEvent event;
    event.kind = kind;
    event.value = value;
    event.cause = cause;
    event.text = std::move(text);
    return event;
}

// The short, stable name of a kind ("interrupt", "pin", ...).
const char* EventKindName(EEventKind kind);

// A pin click, an edited value or an MCLR reset: what the user put into the run.
inline bool IsUserInput(EEventKind kind) {
    return kind == EEventKind::Pin || kind == EEventKind::Edit || kind == EEventKind::Mclr;
}
// The same, with the user's hand on the board: a press, a release, a byte typed.
inline bool IsUserInput(const SEvent& event) {
    if (IsUserInput(event.kind)) return true;
    const auto what = static_cast<EBoardEvent>(event.cause);
    return event.kind == EEventKind::Board &&
           (what == EBoardEvent::Press || what == EBoardEvent::Release ||
            what == EBoardEvent::Typed);
}

class CEventLog {
public:
    // Events kept for the window; older ones fall off the front.
    static constexpr size_t kKept = 100000;

    // Stamps the event with the machine's pass, cycle and PC and keeps it.
    void Record(SEvent event);
    // The same for an event about the word at pc rather than the one PC stands on.
    void RecordAtWord(SEvent event, uint16_t pc);
    // Kept while the current instruction runs, stamped when its pass ends.
    // The text, if any, is a constant that outlives the pass.
    void RecordAtPassEnd(EEventKind kind, int32_t value = 0, uint8_t cause = 0,
                         const char* text = "");
    bool HasUnstamped() const { return m_unstamped.load(std::memory_order_relaxed); }
    void StampPassEnd();

    // While history is re-executed the events are already in the log.
    void SetMuted(bool muted) { m_muted.store(muted, std::memory_order_relaxed); }
    bool Muted() const { return m_muted.load(std::memory_order_relaxed); }

    // Every event with a serial above the given one, oldest first.
    std::vector<SEvent> Since(uint64_t serial) const;
    // The pass of the newest interrupt entry, breakpoint or input of the
    // user's (IsUserInput: the board's included) of the current run that
    // lies before the given pass; the given pass when none.
    uint64_t LandmarkBefore(uint64_t pass) const;
    // The serial of the newest event, 0 before the first.
    uint64_t LastSerial() const;
    // Forgets the events of a future that is being replaced: those of passes
    // after the given one, and the user's inputs made at it.
    void DropAfter(uint64_t pass);
    // Counts the calls of DropAfter that forgot something, so a reader that
    // keeps copies of events knows when some of them are gone.
    uint64_t Drops() const { return m_drops.load(std::memory_order_acquire); }

    // Also hands every new event to this function (lumo-run writes them out).
    void SetSink(std::function<void(const SEvent&)> sink);

private:
    // Keeps a stamped event.
    void Keep(SEvent event);
    // With m_mutex held: numbers the newest event and hands it to the sink.
    void Kept(SEvent& event);

    // An event of the running pass: small, so that recording one in the
    // middle of an instruction costs little.
    struct SPending {
        EEventKind kind;
        uint8_t cause;
        int32_t value;
        const char* text;
    };

    mutable std::mutex m_mutex;
    CRingBuffer<SEvent> m_events{kKept};
    uint64_t m_serial = 0;
    std::function<void(const SEvent&)> m_sink;
    std::vector<SPending> m_pending;  // the running instruction's, worker only
    std::atomic<bool> m_unstamped{false};
    std::atomic<bool> m_muted{false};
    std::atomic<uint64_t> m_drops{0};
};

extern CEventLog EventLog;

// One of the run-time messages: recorded, and shown unless history is being
// re-executed.
void RunTimeMessage(const char* text);

}  // namespace core
