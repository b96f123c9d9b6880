#pragma once
// Turns the four characters of the program word at PC into one call of the
// instruction set. Sets LastMnemonic before the call and PcChanged for the
// instructions that load PC themselves.
class CInstructionSet;

void DecodeAndExecute(CInstructionSet& cpu);
