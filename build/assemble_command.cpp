#include "assemble_command.h"

#include "platform/message_box.h"
#include "state.h"

bool OnAssemble(std::string* output, const std::function<void()>& assembled) {
    ResetForLoad();
    if (!RunAssembler(output)) {
        AfxMessageBox("GRESKA: Proces nije dobro kreiran");
        return false;
    }
    if (assembled) assembled();
    return LoadAssemblerOutput();
}
