#include "board/attached_board.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "board/board_signals.h"
#include "core/event_log.h"

namespace board {

namespace {
bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The value and what it holds on the heap: the parts, their steps, and the
// names too long to live inside their strings.
size_t StateBytes(const auto& state) {
    size_t bytes = sizeof state + state.board.parts.capacity() * sizeof(SBoardPart) +
                   state.steps.capacity() * sizeof(SPartStep);
    for (const SBoardPart& entry : state.board.parts) {
        if (entry.name.capacity() > std::string().capacity()) bytes += entry.name.capacity() + 1;
    }
    return bytes;
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
        // A contact's answer follows the chip's outputs alone: the levels
        // it has just put on the inputs itself do not call it again.
        const PinMask pins = PartPins(entry.part);
        if (std::holds_alternative<CKeypad>(entry.part)) {
            m_listening.push_back({0, pins});
        } else {
            m_listening.push_back({pins, 0});
        }
        m_callMovesValues.push_back(CallMayChangeValues(entry.part));
    }
    for (const core::SBoardSignal& signal : m_signals) m_valueCount += signal.pin < 0 ? 1 : 0;
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
    core::AttachedBoard.store(this);
}

void CAttachedBoard::Detach() {
    core::CBoardHook* self = this;
    core::AttachedBoard.compare_exchange_strong(self, nullptr);
}

SPinView CAttachedBoard::PinView(const core::SBoardView& view) const {
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
    if (m_callMovesValues[index]) ValuesMayHaveChanged();
    SPartStep& step = m_state.steps[index];
    const char* name = m_wiring.parts[index].name.c_str();
    auto note = [&](core::EBoardEvent what, int value) {
        core::EventLog.RecordAtPassEnd(core::EEventKind::Board, value, static_cast<uint8_t>(what),
                                       name);
    };
    std::visit(
        SOverloaded{
            [&](CLcd& lcd) {
                const uint32_t executed = lcd.Executed();
                const uint32_t ignored = lcd.Ignored();
                step = lcd.Update(view);
                if (lcd.Executed() != executed) {
                    note(lcd.LastWasData() ? core::EBoardEvent::Data : core::EBoardEvent::Command,
                         lcd.LastByte());
                }
                if (lcd.Ignored() != ignored) note(core::EBoardEvent::Ignored, lcd.LastByte());
                // A look when the busy flag drops, so that the waveforms and the
                // analyser show it drop at its cycle.
                if (lcd.Busy(view.cycle)) step.due = std::min(step.due, lcd.BusyUntil());
            },
            [&](CSerialTerminal& serial) {
                const uint64_t received = serial.Received();
                const uint32_t errors = serial.FramingErrors();
                step = serial.Update(view);
                if (serial.Received() != received) {
                    const std::string text = serial.Text();
                    note(core::EBoardEvent::Received, static_cast<uint8_t>(text.back()));
                }
                if (serial.FramingErrors() != errors) note(core::EBoardEvent::Framing, 0);
            },
            [&](auto& part) { step = part.Update(view); },
        },
        m_state.board.parts[index].part);
}

// CombineSteps over all the parts, without a step made for each; and the
// pins any part now listens to, so that a change no part hears costs a
// comparison. Update feeds it in the walk that calls the parts, so that a
// port write the keypad hears walks the parts once.
struct CAttachedBoard::SCombined {
    PinMask drive = 0;
    PinMask low = 0;
    uint64_t due = kNever;
    SListening heard;

    void Add(const SPartStep& step, const SListening& listening) {
        drive |= step.drive;
        low |= step.drive & static_cast<PinMask>(~step.level);
        due = std::min(due, step.due);
        heard.levels |= listening.levels & step.watch;
        heard.outputs |= listening.outputs & step.watch;
    }
};

core::SBoardAnswer CAttachedBoard::Answer(const SCombined& all) {
    m_state.heard = all.heard;
    const auto released = static_cast<PinMask>(m_pulledUp & ~all.drive);
    return {static_cast<uint16_t>(all.drive | released),
            static_cast<uint16_t>((all.drive & ~all.low) | released), all.due};
}

core::SBoardAnswer CAttachedBoard::Reset(const core::SBoardView& view) {
    m_state.board = m_wiring;
    m_state.steps.assign(m_wiring.parts.size(), SPartStep{});
    m_state.started = false;
    ValuesMayHaveChanged();
    return Update(view);
}

core::SBoardAnswer CAttachedBoard::Update(const core::SBoardView& view) {
    const auto moved = static_cast<PinMask>(view.levels ^ m_state.seen.levels);
    const auto turned = static_cast<PinMask>(view.outputs ^ m_state.seen.outputs);
    const auto changed = static_cast<PinMask>(moved | turned);
    const auto outputsChanged = static_cast<PinMask>((moved & view.outputs) | turned);
    const bool heard =
        ((changed & m_state.heard.levels) | (outputsChanged & m_state.heard.outputs)) != 0;
    if (m_state.started && !heard && view.cycle < m_state.answer.due) {
        if (changed != 0) {
            m_state.seen = view;
            Changed();
        }
        return m_state.answer;
    }
    const SPinView pins = PinView(view);
    SCombined all;
    const bool everyPart = !m_state.started;
    const size_t count = m_state.steps.size();
    for (size_t index = 0; index < count; ++index) {
        const SListening& listening = m_listening[index];
        const SPartStep& step = m_state.steps[index];
        const PinMask partHeard =
            (listening.levels & changed) | (listening.outputs & outputsChanged);
        if (everyPart || (partHeard & step.watch) != 0 || step.due <= view.cycle) {
            Call(index, pins);
        }
        all.Add(step, listening);
    }
    m_state.started = true;
    m_state.seen = view;
    m_state.answer = Answer(all);
    Changed();
    return m_state.answer;
}

core::SBoardAnswer CAttachedBoard::Act(const core::SUserInput& input,
                                       const core::SBoardView& view) {
    if (input.address >= m_state.board.parts.size()) return m_state.answer;
    SPart& part = m_state.board.parts[input.address].part;
    const bool press = input.kind == core::SUserInput::EKind::Press;
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
        acted = input.kind == core::SUserInput::EKind::Type &&
                serial->Type(std::string_view(&label, 1)) == 1;
    }
    if (!acted) return m_state.answer;
    ValuesMayHaveChanged();
    const core::EBoardEvent what = input.kind == core::SUserInput::EKind::Type
                                       ? core::EBoardEvent::Typed
                                   : press ? core::EBoardEvent::Press
                                           : core::EBoardEvent::Release;
    core::EventLog.Record(core::Event(core::EEventKind::Board, input.value,
                                      static_cast<uint8_t>(what),
                                      m_wiring.parts[input.address].name));
    Call(input.address, PinView(view));
    SCombined all;
    for (size_t index = 0; index < m_state.steps.size(); ++index) {
        all.Add(m_state.steps[index], m_listening[index]);
    }
    m_state.answer = Answer(all);
    Changed();
    return m_state.answer;
}

core::SSavedBoard CAttachedBoard::Save() {
    if (!m_savedCurrent || m_saved.state == nullptr) {
        m_saved = {std::make_shared<const SState>(m_state), StateBytes(m_state)};
        m_savedCurrent = true;
    }
    return m_saved;
}

void CAttachedBoard::Restore(const std::shared_ptr<const void>& saved) {
    auto state = std::static_pointer_cast<const SState>(saved);
    // A keyframe kept while another board was attached is no state of this one.
    if (state == nullptr || state->owner != this) return;
    m_state = *state;
    m_saved = {std::move(state), StateBytes(m_state)};
    m_savedCurrent = true;
    m_publishedCurrent = false;
    ValuesMayHaveChanged();
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
