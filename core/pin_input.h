#pragma once
// Clicks on the port pins and values the user writes into W or a register.
// Both reach the machine only between two instructions, through one queue:
// with a worker an input is queued, the run loop applies it before the next
// instruction, and a waiting worker is nudged to apply it at once. So a run
// is a function of the program and its timed inputs, and replays exactly.
// Without a worker the caller owns the machine and the input applies at once.
// The queue's names speak of clicks, the first input it carried.
#include <atomic>
#include <cstdint>

#include "core/user_input.h"

namespace core {

class CAutoResetEvent;

// What the user does with a pin switch: an output pin (its direction bit 0)
// shows "Port je setovan kao izlazni" and changes nothing; an input pin's
// port bit flips. port is PORTA or PORTB, mask the pin's bit. Returns whether
// the flip was accepted.
bool ClickPin(uint8_t port, uint8_t mask);

// Whether the pin's direction bit makes it an input.
bool IsInputPin(uint8_t port, uint8_t mask);

// The user writes a value into W, a register or a byte of the data EEPROM
// (kind W, Register or Eeprom); the edit is logged and kept in the history
// like a click. Returns false, and changes nothing, for a register
// RegisterEditRefusal refuses, and for the EEPROM outside its 64 bytes or on
// the classic chip, which has none.
bool EditValue(const SUserInput& edit);

// The user resets the data-sheet chip through MCLR (the reset button):
// logged and kept in the history like a click. Returns false, and changes
// nothing, on the classic chip, which knows no such reset.
bool PressMclr();

// The user acts on a part of the attached board (a Press, Release or Type
// input); kept in the history like a click.
void ActOnBoard(const SUserInput& input);

// The worker's event while it exists, or null. Clearing it applies whatever
// is still queued, on the calling thread, which owns the machine from then on.
void SetPinClickWorker(CAutoResetEvent* step);

namespace pin_input_detail {
extern std::atomic<bool> ClicksQueued;
bool ApplyQueuedClicks();
}  // namespace pin_input_detail

// Whether clicks wait for the run loop: one relaxed load.
inline bool PinClicksQueued() {
    return pin_input_detail::ClicksQueued.load(std::memory_order_relaxed);
}

// The run loop's side: applies the queued clicks in order; returns whether
// there were any. One relaxed load when there are none.
inline bool ApplyPinClicks() {
    if (!PinClicksQueued()) return false;
    return pin_input_detail::ApplyQueuedClicks();
}

}  // namespace core
