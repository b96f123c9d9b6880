#pragma once
namespace core {}  // namespace core

// The instruction at PC alone, decoded from its four image characters on the
// spot: sets LastMnemonic, executes the operation, and sets PcChanged for the
// instructions that load PC themselves. The run loop itself executes the
// program it keeps decoded (see instruction_set.h).
void DecodeAndExecute();
