#include "pin_input.h"

#include <mutex>
#include <vector>

#include "event_log.h"
#include "history.h"
#include "platform/auto_reset_event.h"
#include "platform/message_box.h"
#include "state.h"

namespace {
struct SPinClick {
    uint8_t port;
    uint8_t mask;
};

std::mutex QueueMutex;
std::vector<SPinClick> Queue;
std::atomic<CAutoResetEvent*> Worker{nullptr};

// A flip is checked against the direction once more when it lands: the
// program may have turned the pin into an output since the click.
void Apply(const SPinClick& click) {
    if (!IsInputPin(click.port, click.mask)) return;
    History.RecordClick(click.port, click.mask);
    const auto level = static_cast<uint8_t>(RegisterFile[click.port] ^ click.mask);
    RegisterFile[click.port] = level;
    int bit = 0;
    while ((click.mask >> bit) != 1) ++bit;
    const char name[] = {'R', click.port == PORTA ? 'A' : 'B', static_cast<char>('0' + bit), 0};
    EventLog.Record(Event(EEventKind::Pin, (level & click.mask) ? 1 : 0, 0, name));
}
}  // namespace

namespace pin_input_detail {
std::atomic<bool> ClicksQueued{false};

bool ApplyQueuedClicks() {
    std::vector<SPinClick> clicks;
    {
        std::lock_guard lock(QueueMutex);
        clicks.swap(Queue);
        ClicksQueued.store(false, std::memory_order_relaxed);
    }
    for (const SPinClick& click : clicks) Apply(click);
    return !clicks.empty();
}
}  // namespace pin_input_detail

bool IsInputPin(uint8_t port, uint8_t mask) {
    const int direction = port + 0x80;  // TRISA and TRISB lie 0x80 above their ports
    return (RegisterFile[direction] & mask) != 0;
}

bool ClickPin(uint8_t port, uint8_t mask) {
    if (!IsInputPin(port, mask)) {
        AfxMessageBox("Port je setovan kao izlazni");
        return false;
    }
    CAutoResetEvent* worker = Worker.load();
    if (worker == nullptr) {
        Apply({port, mask});
        return true;
    }
    {
        std::lock_guard lock(QueueMutex);
        Queue.push_back({port, mask});
        pin_input_detail::ClicksQueued.store(true, std::memory_order_relaxed);
    }
    worker->Wake();
    return true;
}

void SetPinClickWorker(CAutoResetEvent* step) {
    Worker.store(step);
    if (step == nullptr) ApplyPinClicks();
}
