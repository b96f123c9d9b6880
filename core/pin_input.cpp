#include "core/pin_input.h"

#include <cstdio>
#include <mutex>
#include <vector>

#include "core/event_log.h"
#include "core/history.h"
#include "core/pin_watch.h"
#include "core/platform/auto_reset_event.h"
#include "core/platform/message_box.h"
#include "core/state.h"
#include "core/texts/translate.h"

namespace core {

namespace {
std::mutex QueueMutex;
std::vector<SUserInput> Queue;
std::atomic<CAutoResetEvent*> Worker{nullptr};

// A flip is checked against the direction once more when it lands: the
// program may have turned the pin into an output since the click.
void ApplyClick(const SUserInput& click) {
    if (!IsInputPin(click.address, click.value)) return;
    History.RecordInput(click);
    ApplyUserInput(click);
    PinsChangedByInput();
    int bit = 0;
    while ((click.value >> bit) != 1) ++bit;
    const char name[] = {'R', click.address == PORTA ? 'A' : 'B', static_cast<char>('0' + bit), 0};
    const int level = (RegisterFile[click.address] & click.value) ? 1 : 0;
    EventLog.Record(Event(EEventKind::Pin, level, 0, name));
}

void ApplyEdit(const SUserInput& edit) {
    History.RecordInput(edit);
    ApplyUserInput(edit);
    PinsChangedByInput();
    char name[12] = "W";
    if (edit.kind == SUserInput::EKind::Register) {
        std::snprintf(name, sizeof name, "0x%02X", static_cast<unsigned>(edit.address));
    } else if (edit.kind == SUserInput::EKind::Eeprom) {
        std::snprintf(name, sizeof name, "EEPROM[%u]", static_cast<unsigned>(edit.address));
    }
    EventLog.Record(Event(EEventKind::Edit, edit.value, 0, name));
}

// The board logs what the action did to its part.
void ApplyBoardInput(const SUserInput& input) {
    History.RecordInput(input);
    ApplyUserInput(input);
    PinsChangedByInput();
}

void ApplyMclr(const SUserInput& input) {
    History.RecordInput(input);
    ApplyUserInput(input);
    PinsChangedByInput();
    EventLog.Record(Event(EEventKind::Mclr));
}

void Apply(const SUserInput& input) {
    if (input.kind == SUserInput::EKind::Pin) {
        ApplyClick(input);
    } else if (input.kind == SUserInput::EKind::Mclr) {
        ApplyMclr(input);
    } else if (IsBoardInput(input)) {
        ApplyBoardInput(input);
    } else {
        ApplyEdit(input);
    }
}

// Applies at once without a worker, else queues and nudges it.
void Submit(const SUserInput& input) {
    CAutoResetEvent* worker = Worker.load();
    if (worker == nullptr) {
        Apply(input);
        return;
    }
    {
        std::lock_guard lock(QueueMutex);
        Queue.push_back(input);
        pin_input_detail::ClicksQueued.store(true, std::memory_order_relaxed);
    }
    SignalRunLoop();
    worker->Wake();
}
}  // namespace

namespace pin_input_detail {
std::atomic<bool> ClicksQueued{false};

bool ApplyQueuedClicks() {
    std::vector<SUserInput> inputs;
    {
        std::lock_guard lock(QueueMutex);
        inputs.swap(Queue);
        ClicksQueued.store(false, std::memory_order_relaxed);
    }
    for (const SUserInput& input : inputs) Apply(input);
    return !inputs.empty();
}
}  // namespace pin_input_detail

bool IsInputPin(uint8_t port, uint8_t mask) {
    const int direction = port + 0x80;  // TRISA and TRISB lie 0x80 above their ports
    return (RegisterFile[direction] & mask) != 0;
}

bool ClickPin(uint8_t port, uint8_t mask) {
    if (!IsInputPin(port, mask)) {
        AfxMessageBox(Tr("Port je setovan kao izlazni"));
        return false;
    }
    Submit({SUserInput::EKind::Pin, port, mask});
    return true;
}

void ActOnBoard(const SUserInput& input) {
    if (IsBoardInput(input)) Submit(input);
}

bool EditValue(const SUserInput& edit) {
    switch (edit.kind) {
        case SUserInput::EKind::Register:
            if (RegisterEditRefusal(edit.address)) return false;
            break;
        case SUserInput::EKind::W:
            break;
        case SUserInput::EKind::Eeprom:
            if (Chip.profile != EChipProfile::Datasheet || edit.address >= kEepromSize) {
                return false;
            }
            break;
        default:
            return false;
    }
    Submit(edit);
    return true;
}

bool PressMclr() {
    if (Chip.profile != EChipProfile::Datasheet) return false;
    Submit({SUserInput::EKind::Mclr, 0, 0});
    return true;
}

void SetPinClickWorker(CAutoResetEvent* step) {
    Worker.store(step);
    if (step == nullptr) ApplyPinClicks();
}

}  // namespace core
