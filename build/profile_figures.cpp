#include "build/profile_figures.h"

#include <deque>
#include <map>
#include <utility>

#include "core/profile_counters.h"
#include "core/state.h"

namespace build {

CWordFigures ProfileNow() {
    CWordFigures words;
    for (int word = 0; word < kProgramWords; ++word) {
        words[static_cast<size_t>(word)] = {core::Profile.Count(word), core::Profile.Cycles(word)};
    }
    return words;
}

CDecodedProgram LoadedProgram() {
    CDecodedProgram program{};
    const int end = std::min(static_cast<int>(ProgramEnd), core::kProgramImageSize);
    for (int word = 0; 4 * word + 4 <= end; ++word) {
        const int at = 4 * word;
        if (ProgramImage[at] == 0) continue;  // a word the program does not fill
        program[static_cast<size_t>(word)] = core::DecodeWord(
            ProgramImage[at], ProgramImage[at + 1], ProgramImage[at + 2], ProgramImage[at + 3]);
    }
    return program;
}

std::vector<SLineFigures> LineFigures(const CSourceMap& map, const CWordFigures& words) {
    std::map<std::pair<int, int>, SLineFigures> lines;
    // Words ascend, so the first word seen of a line is its first.
    for (int word = 0; word < kProgramWords; ++word) {
        const CSourceLine& at = map.words[static_cast<size_t>(word)];
        if (at.file < 0 || at.line < 1) continue;
        const SWordFigures& ran = words[static_cast<size_t>(word)];
        auto [line, first] =
            lines.try_emplace({at.file, at.line}, SLineFigures{at.file, at.line, ran.count, 0});
        (void)first;
        line->second.cycles += ran.cycles;
    }
    std::vector<SLineFigures> out;
    out.reserve(lines.size());
    for (auto& [key, line] : lines) out.push_back(line);
    return out;
}

namespace {
constexpr int kNoOwner = -1;

bool Skips(core::EOp op) {
    return op == core::EOp::BTFSC || op == core::EOp::BTFSS || op == core::EOp::DECFSZ ||
           op == core::EOp::INCFSZ;
}

bool Returns(core::EOp op) {
    return op == core::EOp::RETURN || op == core::EOp::RETLW || op == core::EOp::RETFIE;
}

// Claims for the routine every unclaimed word its flow reaches from entry.
void Claim(const CDecodedProgram& program, int entry, int routine, const std::vector<bool>& entries,
           std::array<int, kProgramWords>* owner) {
    std::deque<int> next{entry};
    while (!next.empty()) {
        const int word = next.front();
        next.pop_front();
        if (word < 0 || word >= kProgramWords || (*owner)[static_cast<size_t>(word)] != kNoOwner)
            continue;
        if (word != entry && entries[static_cast<size_t>(word)]) continue;
        const core::SDecodedWord& decoded = program[static_cast<size_t>(word)];
        if (decoded.op == core::EOp::None) continue;
        (*owner)[static_cast<size_t>(word)] = routine;
        if (decoded.op == core::EOp::GOTO) {
            next.push_back(decoded.k);
        } else if (!Returns(decoded.op)) {
            next.push_back(word + 1);
            if (Skips(decoded.op)) next.push_back(word + 2);
        }
    }
}
}  // namespace

std::vector<SRoutineFigures> RoutineFigures(const CDecodedProgram& program, int resetVector,
                                            const CSourceMap& map, const CWordFigures& words) {
    using EKind = SRoutineFigures::EKind;
    std::vector<SRoutineFigures> routines{{EKind::Main, resetVector, {}, 0, 0, 0}};
    // An object file fills the words before its first with NOPs: the
    // vector holds an interrupt routine when the source put code there or
    // it ran.
    const bool interrupt =
        map.words[core::kInterruptVector].file >= 0 || words[core::kInterruptVector].count > 0;
    if (core::kInterruptVector != resetVector && interrupt &&
        program[core::kInterruptVector].op != core::EOp::None)
        routines.push_back({EKind::Interrupt, core::kInterruptVector, {}, 0, 0, 0});
    std::map<int, uint64_t> calls;  // by target
    for (int word = 0; word < kProgramWords; ++word) {
        const core::SDecodedWord& decoded = program[static_cast<size_t>(word)];
        if (decoded.op != core::EOp::CALL || decoded.k >= kProgramWords) continue;
        calls[decoded.k] += words[static_cast<size_t>(word)].count;
    }
    for (const auto& [target, count] : calls) {
        if (target == resetVector || target == core::kInterruptVector) continue;
        routines.push_back({EKind::Subroutine, target, {}, count, 0, 0});
    }

    std::vector<bool> entries(kProgramWords, false);
    for (const SRoutineFigures& routine : routines)
        entries[static_cast<size_t>(routine.entry)] = true;
    std::array<int, kProgramWords> owner;
    owner.fill(kNoOwner);
    for (size_t i = 0; i < routines.size(); ++i)
        Claim(program, routines[i].entry, static_cast<int>(i), entries, &owner);
    // A word no flow reaches but that ran (a table behind a computed jump)
    // belongs to the routine before it.
    int last = kNoOwner;
    uint64_t total = 0;
    for (int word = 0; word < kProgramWords; ++word) {
        int& mine = owner[static_cast<size_t>(word)];
        if (mine == kNoOwner && words[static_cast<size_t>(word)].count > 0) mine = last;
        if (mine != kNoOwner) last = mine;
        const uint64_t cycles = words[static_cast<size_t>(word)].cycles;
        total += cycles;
        if (mine != kNoOwner) routines[static_cast<size_t>(mine)].cycles += cycles;
    }
    for (SRoutineFigures& routine : routines) {
        if (routine.kind != EKind::Subroutine)
            routine.calls = words[static_cast<size_t>(routine.entry)].count;
        if (const CProgramSymbol* label = map.LabelAt(routine.entry)) routine.label = label->name;
        routine.share =
            total == 0 ? 0 : static_cast<double>(routine.cycles) / static_cast<double>(total);
    }
    return routines;
}

}  // namespace build
