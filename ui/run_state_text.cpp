#include "ui/run_state_text.h"

#include <QCoreApplication>
namespace {
QString Hex(int value) {
    return QString::asprintf("0x%04X", value);
}

// A lag below this is the slice of a paced run, not one it cannot keep up with.
constexpr int64_t kShownLagUs = 50'000;

QString RunningWords(const SRunPace& pace) {
    if (pace.realTimeFactor <= 0) {
        return pace.speedMs > 0
                   ? QCoreApplication::translate("RunState", "Radi, %1 ms po instrukciji")
                         .arg(pace.speedMs)
                   : QCoreApplication::translate("RunState", "Radi punom brzinom");
    }
    const int divisor = static_cast<int>(1 / pace.realTimeFactor + 0.5);
    QString text =
        divisor <= 1
            ? QCoreApplication::translate("RunState", "Radi u realnom vremenu")
            : QCoreApplication::translate("RunState", "Radi, 1/%1 realnog vremena").arg(divisor);
    if (pace.lagUs >= kShownLagUs) {
        text += QCoreApplication::translate("RunState", " (ne stize: kasni %1 s)")
                    .arg(pace.lagUs / 1e6, 0, 'f', 1);
    }
    return text;
}

QString StateWords(core::RunState state, const SRunPace& pace, const QString& place) {
    switch (state) {
        case core::RunState::WaitingToStart:
            return QCoreApplication::translate("RunState",
                                               "Ceka prvu komandu (Ctrl+F5 korak, F5 kontinualno)");
        case core::RunState::Paused:
            return QCoreApplication::translate("RunState", "Pauza");
        case core::RunState::Running:
            return RunningWords(pace);
        case core::RunState::AtBreakpoint:
            return QCoreApplication::translate("RunState", "Stala na prekidnoj tacki %1")
                .arg(place);
        case core::RunState::RanOffProgram:
            return QCoreApplication::translate("RunState",
                                               "PC je izasao iz programa: procesor je resetovan");
        case core::RunState::NoProgram:
            return QCoreApplication::translate("RunState", "Nema programa: prevedite ga (F7)");
    }
    return {};
}
}  // namespace

QString RunStateText(core::RunState state, const SRunPace& pace, const QString& place,
                     const QString& lastMessage, bool asleep) {
    QString text = StateWords(state, pace, place);
    if (asleep && (state == core::RunState::Running || state == core::RunState::Paused)) {
        // First, so that a narrow pane still shows it.
        text = QCoreApplication::translate("RunState", "Spava (SLEEP), %1")
                   .arg(text.left(1).toLower() + text.mid(1));
    }
    if (!lastMessage.isEmpty())
        text += QCoreApplication::translate("RunState", " | Poruka: ") + lastMessage;
    return text;
}

QString PlaceName(int address, const std::map<int, std::string>& labels) {
    const auto it = labels.find(address);
    if (it != labels.end()) return QString::fromStdString(it->second);
    return QCoreApplication::translate("RunState", "na adresi ") + Hex(address);
}

QString PcText(int pc, const std::map<int, std::string>& labels) {
    QString text = QStringLiteral("PC=") + Hex(pc);
    const auto it = labels.find(pc);
    if (it != labels.end()) text += QLatin1Char(' ') + QString::fromStdString(it->second);
    return text;
}
