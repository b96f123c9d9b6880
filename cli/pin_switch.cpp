#include "pin_switch.h"

#include "platform/message_box.h"
#include "state.h"

void SwitchPin(const SPinSwitch& pin) {
    const int direction = pin.port == PORTA ? TRISA : TRISB;
    const auto mask = static_cast<uint8_t>(1u << pin.bit);
    if ((RegisterFile[direction] & mask) == 0) {
        AfxMessageBox("Port je setovan kao izlazni");
        return;
    }
    RegisterFile[pin.port].fetch_xor(mask);
}
