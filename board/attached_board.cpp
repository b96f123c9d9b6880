#include "attached_board.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "board_signals.h"
#include "event_log.h"

namespace board {

namespace {
bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// A line that a contact joins without driving it is pulled up as well.
PinMask PulledUpPins(const SPart& part) {
    if (std::holds_alternative<CKeypad>(part)) return PartPins(part);
    return PartDrivenPins(part);
}
}  // namespace

CAttachedBoard::CAttachedBoard(SBoard board, double cycleHz)
    : m_wiring(std::move(board)), m_cycleHz(cycleHz), m_signals(BoardSignals(m_wiring)) {
    for (const SBoardPart& entry : m_wiring.parts) {
        m_pulledUp |= PulledUpPins(entry.part);
        m_partPins.push_back(PartPins(entry.part));
    }
    for (const SBoardSignal& signal : m_signals) m_valueCount += signal.pin < 0 ? 1 : 0;
    m_state.owner = this;
    m_state.board = m_wiring;
    m_state.steps.resize(m_wiring.parts.size());
    m_published = std::make_shared<const SBoard>(m_wiring);
    m_publishedCurrent = true;
}

CAttachedBoard::~CAttachedBoard() {
    Detach();
}

void CAttachedBoard::Attach() {
    AttachedBoard.store(this);
}

void CAttachedBoard::Detach() {
    CBoardHook* self = this;
    AttachedBoard.compare_exchange_strong(self, nullptr);
}

SPinView CAttachedBoard::PinView(const SBoardView& view) const {
    SPinView pins;
    pins.cycle = view.cycle;
    pins.levels = view.levels;
    pins.outputs = view.outputs;
    pins.cycleHz = m_cycleHz;
    return pins;
}

void CAttachedBoard::Changed() {
    m_savedCurrent = false;
    m_publishedCurrent = false;
}

// Calls the part and tells the event log what it did that a user would ask
// about: the LCD's bytes, the terminal's.
void CAttachedBoard::Call(size_t index, const SPinView& view) {
    SPart& part = m_state.board.parts[index].part;
    const char* name = m_wiring.parts[index].name.c_str();
    auto note = [&](EBoardEvent what, int value) {
        EventLog.RecordAtPassEnd(EEventKind::Board, value, static_cast<uint8_t>(what), name);
    };
    if (auto* lcd = std::get_if<CLcd>(&part)) {
        const uint32_t executed = lcd->Executed();
        const uint32_t ignored = lcd->Ignored();
        m_state.steps[index] = lcd->Update(view);
        if (lcd->Executed() != executed) {
            note(lcd->LastWasData() ? EBoardEvent::Data : EBoardEvent::Command, lcd->LastByte());
        }
        if (lcd->Ignored() != ignored) note(EBoardEvent::Ignored, lcd->LastByte());
        // A look when the busy flag drops, so that the waveforms and the
        // analyser show it drop at its cycle.
        if (lcd->Busy(view.cycle)) {
            m_state.steps[index].due = std::min(m_state.steps[index].due, lcd->BusyUntil());
        }
    } else if (auto* serial = std::get_if<CSerialTerminal>(&part)) {
        const uint64_t received = serial->Received();
        const uint32_t errors = serial->FramingErrors();
        m_state.steps[index] = serial->Update(view);
        if (serial->Received() != received) {
            const std::string text = serial->Text();
            note(EBoardEvent::Received, static_cast<uint8_t>(text.back()));
        }
        if (serial->FramingErrors() != errors) note(EBoardEvent::Framing, 0);
    } else {
        m_state.steps[index] = UpdatePart(part, view);
    }
}

SBoardAnswer CAttachedBoard::Combined() const {
    SPartStep all;
    for (const SPartStep& step : m_state.steps) all = CombineSteps(all, step);
    const auto released = static_cast<PinMask>(m_pulledUp & ~all.drive);
    return {static_cast<uint16_t>(all.drive | released),
            static_cast<uint16_t>(all.level | released), all.due};
}

SBoardAnswer CAttachedBoard::Reset(const SBoardView& view) {
    m_state.board = m_wiring;
    m_state.steps.assign(m_wiring.parts.size(), SPartStep{});
    m_state.started = false;
    return Update(view);
}

SBoardAnswer CAttachedBoard::Update(const SBoardView& view) {
    const auto changed = static_cast<PinMask>((view.levels ^ m_state.seen.levels) |
                                              (view.outputs ^ m_state.seen.outputs));
    if (m_state.started && changed == 0 && view.cycle < m_state.answer.due) return m_state.answer;
    const SPinView pins = PinView(view);
    for (size_t index = 0; index < m_state.steps.size(); ++index) {
        if (!m_state.started || (m_partPins[index] & changed) != 0 ||
            m_state.steps[index].due <= view.cycle) {
            Call(index, pins);
        }
    }
    m_state.started = true;
    m_state.seen = view;
    m_state.answer = Combined();
    Changed();
    return m_state.answer;
}

SBoardAnswer CAttachedBoard::Act(const SUserInput& input, const SBoardView& view) {
    if (input.address >= m_state.board.parts.size()) return m_state.answer;
    SPart& part = m_state.board.parts[input.address].part;
    const bool press = input.kind == SUserInput::EKind::Press;
    const char label = static_cast<char>(input.value);
    bool acted = false;
    if (auto* keypad = std::get_if<CKeypad>(&part)) {
        acted = press ? keypad->Press(label) : keypad->Release(label);
    } else if (auto* button = std::get_if<CButton>(&part)) {
        acted = press ? (button->Press(view.cycle), true) : (button->Release(view.cycle), true);
    } else if (auto* toggle = std::get_if<CSwitch>(&part)) {
        if (press) toggle->Flip();
        acted = press;
    } else if (auto* serial = std::get_if<CSerialTerminal>(&part)) {
        acted =
            input.kind == SUserInput::EKind::Type && serial->Type(std::string_view(&label, 1)) == 1;
    }
    if (!acted) return m_state.answer;
    const EBoardEvent what = input.kind == SUserInput::EKind::Type ? EBoardEvent::Typed
                             : press                               ? EBoardEvent::Press
                                                                   : EBoardEvent::Release;
    EventLog.Record(Event(EEventKind::Board, input.value, static_cast<uint8_t>(what),
                          m_wiring.parts[input.address].name));
    Call(input.address, PinView(view));
    m_state.answer = Combined();
    Changed();
    return m_state.answer;
}

std::shared_ptr<const void> CAttachedBoard::Save() {
    if (!m_savedCurrent || m_saved == nullptr) {
        m_saved = std::make_shared<const SState>(m_state);
        m_savedCurrent = true;
    }
    return m_saved;
}

void CAttachedBoard::Restore(const std::shared_ptr<const void>& saved) {
    auto state = std::static_pointer_cast<const SState>(saved);
    // A keyframe kept while another board was attached is no state of this one.
    if (state == nullptr || state->owner != this) return;
    m_state = *state;
    m_saved = std::move(state);
    m_savedCurrent = true;
    m_publishedCurrent = false;
}

void CAttachedBoard::Publish() {
    if (m_publishedCurrent) return;
    auto copy = std::make_shared<const SBoard>(m_state.board);
    std::lock_guard lock(m_publishMutex);
    m_published = std::move(copy);
    m_publishedCurrent = true;
}

std::shared_ptr<const SBoard> CAttachedBoard::Snapshot() const {
    std::lock_guard lock(m_publishMutex);
    return m_published;
}

void CAttachedBoard::SignalValues(uint64_t cycle, uint32_t* values) const {
    BoardSignalValues(m_state.board, cycle, values);
}

int CAttachedBoard::PartIndex(std::string_view name) const {
    for (size_t index = 0; index < m_wiring.parts.size(); ++index) {
        if (SameName(m_wiring.parts[index].name, name)) return static_cast<int>(index);
    }
    return -1;
}

}  // namespace board
