#pragma once
// Runs the instruction loop as the worker does, checking after every pass
// what must hold whatever the program: the fetch stays inside the image, the
// program never changes the image, the bank offset is one of the two banks,
// the stack depth stays within 0-8, Timer 0's inhibit stays within 0-2, the
// mirrors and PCL follow, the mnemonic is a short text, and the only
// messages are the stack's.
#include <functional>

// Runs until maxPasses passes are done or the loop condition fails; calls
// beforePass(pass) before each. Returns the passes done.
int RunCheckedPasses(int maxPasses, const std::function<void(int pass)>& beforePass = {});
