#include "build/assemble_command.h"

#include "build/source_file.h"
#include "core/event_log.h"
#include "core/platform/message_box.h"
#include "core/state.h"
#include "core/texts/translate.h"

namespace build {

bool LoadAssembledProgram() {
    if (!LoadAssemblerOutput()) return false;
    core::EventLog.Record(core::Event(core::EEventKind::Load, 0, 0, SourceFileName));
    return true;
}

}  // namespace build

bool OnAssemble(std::string* output, const std::function<void()>& assembled) {
    ResetForLoad();
    if (!RunAssembler(output)) {
        AfxMessageBox(core::Tr("GRESKA: Proces nije dobro kreiran"));
        return false;
    }
    if (assembled) assembled();
    const std::string missing = build::MissingAssemblerOutput();
    if (!missing.empty()) {
        AfxMessageBox(missing);
        return false;
    }
    return build::LoadAssembledProgram();
}
