#include "cli/event_output.h"

#include <cstdio>

#include "cli/state_output.h"
#include "core/check_kinds.h"
#include "core/texts/translate.h"

namespace cli {

namespace {
std::string Causes(uint8_t cause) {
    std::string list = "[";
    const auto add = [&](uint8_t flag, const char* name) {
        if (!(cause & flag)) return;
        if (list.size() > 1) list += ',';
        list += std::string("\"") + name + "\"";
    };
    add(kCauseT0IF, "T0IF");
    add(kCauseINTF, "INTF");
    add(kCauseRBIF, "RBIF");
    return list + "]";
}
}  // namespace

std::string CheckEventText(const SEvent& event) {
    char word[8];
    std::snprintf(word, sizeof word, "0x%03X", static_cast<unsigned>(event.pc));
    return Fill(Tr("provera %1, linija %2 (rec %3): %4"),
                {CheckKindName(static_cast<ECheckKind>(event.cause)), std::to_string(event.value),
                 word, event.text});
}

std::string EventJson(const SEvent& event) {
    std::string line = std::string("{\"event\":\"") + EventKindName(event.kind) +
                       "\",\"pass\":" + std::to_string(event.pass) +
                       ",\"cycle\":" + std::to_string(event.cycle) +
                       ",\"pc\":" + std::to_string(event.pc);
    switch (event.kind) {
        case EEventKind::Interrupt:
            line +=
                ",\"return\":" + std::to_string(event.value) + ",\"cause\":" + Causes(event.cause);
            break;
        case EEventKind::Accept:
            line += ",\"cause\":" + Causes(event.cause);
            break;
        case EEventKind::Message:
            line += ",\"text\":" + JsonString(event.text.c_str());
            break;
        case EEventKind::Breakpoint:
            line += ",\"address\":" + std::to_string(event.value);
            if (!event.text.empty()) line += ",\"label\":" + JsonString(event.text.c_str());
            break;
        case EEventKind::Pin:
            line += ",\"pin\":" + JsonString(event.text.c_str()) +
                    ",\"level\":" + std::to_string(event.value);
            break;
        case EEventKind::Load:
            line += ",\"file\":" + JsonString(event.text.c_str());
            break;
        case EEventKind::Edit:
            line += ",\"name\":" + JsonString(event.text.c_str()) +
                    ",\"value\":" + std::to_string(event.value);
            break;
        case EEventKind::Board:
            line += ",\"part\":" + JsonString(event.text.c_str()) + ",\"what\":\"" +
                    BoardEventName(static_cast<EBoardEvent>(event.cause)) +
                    "\",\"value\":" + std::to_string(event.value);
            break;
        case EEventKind::Check:
            line += ",\"kind\":\"" +
                    std::string(CheckKindName(static_cast<ECheckKind>(event.cause))) +
                    "\",\"line\":" + std::to_string(event.value) +
                    ",\"text\":" + JsonString(event.text.c_str());
            break;
        case EEventKind::Retfie:
        case EEventKind::Mclr:
        case EEventKind::RunStart:
        case EEventKind::RunEnd:
            break;
    }
    return line + "}";
}

}  // namespace cli
