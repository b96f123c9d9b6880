#pragma once
// A program whose state depends on every click from its cycle on: RB7 is an
// output that toggles, and the input pins of port B are summed into 0x20.
// Recording, replaying and waveform tests share it.

#include <QByteArray>

inline const QByteArray kToggleAndSum =
    "\torg\t5\n"
    "\tbsf\t3,5\n"
    "\tbcf\t6,7\n"
    "\tbcf\t3,5\n"
    "loop\tmovlw\t0x80\n"
    "\txorwf\t6,f\n"
    "\tmovf\t6,w\n"
    "\taddwf\t0x20,f\n"
    "\tgoto\tloop\n"
    "\tend\n";
