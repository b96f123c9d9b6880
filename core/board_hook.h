#pragma once
// A lab board on the pins, as the chip sees it: something outside that looks
// at the pins when they change and at cycles it asks for, and drives levels
// of its own back. The board's parts live above this library; the run loop
// knows them only through this interface and asks it only while one is
// attached, so a chip without a board pays nothing for it.
//
// The board's state belongs to the machine value: the history keeps what
// Save gives with every keyframe and hands it back to Restore with the chip
// state, so stepping back shows what the board showed then. Only the thread
// that runs the program calls the board; other threads read what it
// publishes (Publish, at the end of every slice of passes).
#include <atomic>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/user_input.h"

namespace core {

// The thirteen pins in the order of kChipPins, pin index i in bit i.
struct SBoardView {
    uint64_t cycle = 0;
    uint16_t levels = 0;
    uint16_t outputs = 0;  // the pins whose direction bit makes them outputs
    bool operator==(const SBoardView&) const = default;
};

struct SBoardAnswer {
    static constexpr uint64_t kNever = std::numeric_limits<uint64_t>::max();
    uint16_t drive = 0;     // the pins the board puts a level on
    uint16_t level = 0;     // their levels
    uint64_t due = kNever;  // the cycle at which it wants to look again
};

// One of the board's signals as a logic analyser shows it: a line of a
// part (a pin's level, which the pins' own record already holds), or a
// value the part keeps (a key's code, a received byte, the busy flag).
struct SBoardSignal {
    std::string part;  // the part's name: the signals of a part form a group
    std::string name;
    int width = 1;           // bits
    bool character = false;  // the value is a character's code, 0 for none
    int pin = -1;            // a line: the pin (0-12); -1 for a value
    int value = -1;          // a value: its place among SignalValues'; -1 for a line

    // Its value with the pins at these levels (pin i in bit i) and the
    // values at these.
    uint32_t At(uint32_t pinLevels, const uint32_t* values) const {
        return pin >= 0 ? pinLevels >> pin & 1u : values[value];
    }
};

// The board's state as a value of its own, and the bytes it takes (the
// history's account of its memory).
struct SSavedBoard {
    std::shared_ptr<const void> state;
    size_t bytes = 0;
};

class CBoardHook {
public:
    virtual ~CBoardHook() = default;

    // The board as its file describes it, at the start of a run.
    virtual SBoardAnswer Reset(const SBoardView& view) = 0;
    // The pins may have changed, or the due cycle has come. A board whose
    // pins stand as they did and that is not due answers as before.
    virtual SBoardAnswer Update(const SBoardView& view) = 0;
    // The user acts on a part (SUserInput's Press, Release, Type).
    virtual SBoardAnswer Act(const SUserInput& input, const SBoardView& view) = 0;

    // The board's state as a value of its own, and that value put back. A
    // board that has not changed since gives the same value again.
    virtual SSavedBoard Save() = 0;
    virtual void Restore(const std::shared_ptr<const void>& saved) = 0;
    // Lets other threads see the board as it now stands.
    virtual void Publish() = 0;

    // The signals, the same for the board's whole life, so any thread may
    // read them while the board exists.
    virtual const std::vector<SBoardSignal>& Signals() const = 0;
    // How many of them are values, and those values as the board stands at
    // this cycle. They change only when the run loop calls the board, so
    // whoever samples them where the pins are sampled sees every change at
    // its cycle.
    virtual size_t ValueCount() const = 0;
    virtual void SignalValues(uint64_t cycle, uint32_t* values) const = 0;

    // Moves on at every call, act or restore that may have changed one of
    // the values (a call at the cycle the LCD's busy flag drops among them).
    // A keypad's scan calls the board at every row it pulls low without
    // changing a value, so whoever samples them at each change of the pins
    // takes them anew only when this has moved.
    uint64_t ValueSerial() const { return m_valueSerial; }

protected:
    void ValuesMayHaveChanged() { ++m_valueSerial; }

private:
    uint64_t m_valueSerial = 0;
};

// The board attached, or null. Set between runs; the board's owner detaches
// it before it goes.
extern std::atomic<CBoardHook*> AttachedBoard;

// The run's start: the attached board resets and drives its first levels.
void StartAttachedBoard();
// The attached board looks at the pins and its due cycle, for the run loop at
// the given cycle. Returns whether the pins or the queue changed.
[[gnu::cold, gnu::noinline]] bool UpdateAttachedBoard(uint64_t cycle);
// A user's action on the attached board, for a caller that owns the machine.
void ActOnAttachedBoard(const SUserInput& input);
// The attached board's state for a keyframe (null without a board), and back.
SSavedBoard SaveAttachedBoard();
void RestoreAttachedBoard(const std::shared_ptr<const void>& saved);
void PublishAttachedBoard();

}  // namespace core
