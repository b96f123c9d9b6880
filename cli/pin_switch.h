#pragma once
#include "options.h"

// Switches a pin as a click on its switch does: an input pin's port bit
// flips; an output pin shows "Port je setovan kao izlazni" and stays.
void SwitchPin(const SPinSwitch& pin);
