#pragma once
// Shared by the core, build and command-line tests: a message box that records
// instead of showing, and a fixture that puts words into the program image and
// steps through them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

#include "core/decoder.h"
#include "core/instruction_set.h"
#include "core/platform/message_box.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "recording_message_box.h"

// Writes one program word into the image as four upper-case hex characters.
inline void PutWord(int address, uint16_t word) {
    char text[5];
    std::snprintf(text, sizeof text, "%04X", word);
    for (int i = 0; i < 4; ++i) ProgramImage[4 * address + i] = text[i];
}

// Writes four raw characters (which need not be hex digits) as one word.
inline void PutText(int address, const char* text) {
    for (int i = 0; i < 4; ++i) ProgramImage[4 * address + i] = text[i];
}

class CoreTest : public testing::Test {
protected:
    void SetUp() override {
        ResetForLoad();
        ProgramEnd = core::kProgramImageSize;
        PrescaleCount = 0;
        PrevTmr0 = 0;
        Tmr0Overflowed = false;
        ResetForRun();
    }

    // Fills the image with NOPs and places the words from word 5 on.
    void Load(std::initializer_list<uint16_t> words, int at = core::kStartAddress) {
        for (int address = 0; address < core::kProgramImageSize / 4; ++address) PutWord(address, 0);
        for (uint16_t word : words) PutWord(at++, word);
    }

    // Runs n passes of the instruction loop; returns whether the last one
    // stopped on a breakpoint.
    bool Step(int n = 1) {
        bool paused = false;
        for (int i = 0; i < n; ++i) paused = core::RunOnePass(m_cpu);
        return paused;
    }

    // The instruction alone, without Timer 0, interrupts or the PC advance.
    void DecodeAndExecuteOnly() { DecodeAndExecute(); }

    static std::string Mnemonic() { return LastMnemonic.load(); }
    static uint8_t Reg(int index) { return RegisterFile[index]; }
    static uint8_t Status() { return RegisterFile[STATUS]; }

    CInstructionSet m_cpu;
    CRecordingMessageBox m_messages;
};
