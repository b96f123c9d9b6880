// The run-time checks on small programs assembled by our own tasm: each
// planted mistake fires its check at its line and nothing else; a program
// that does everything right fires nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "build/assemble_command.h"
#include "build/check_program.h"
#include "build/source_file.h"
#include "build_test_support.h"
#include "core/event_log.h"
#include "core/instruction_set.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "recording_message_box.h"

namespace {
using SFired = std::pair<std::string, int>;  // kind, source line

struct SCheckCase {
    const char* name;
    core::EChipProfile profile;
    int passes;
    const char* body;  // from line 3 on
    std::vector<SFired> fired;
};

constexpr core::EChipProfile kClassic = core::EChipProfile::Classic;
constexpr core::EChipProfile kDatasheet = core::EChipProfile::Datasheet;

const SCheckCase kCases[] = {
    {"bank",
     kClassic,
     20,
     "        org 0\n"
     "        goto start\n"
     "        org 5\n"
     "start   clrf TRISB\n"  // 6: bank 0 selected
     "        goto start\n",
     {{"bank", 6}}},
    {"pcl_page",
     kDatasheet,
     50,
     "        org 0\n"
     "        goto start\n"
     "stop    goto stop\n"
     "start   movlw 2\n"
     "        call table\n"
     "        goto stop\n"
     "        org 0xFE\n"
     "table   addwf PCL,F\n"  // 10: 0xFF + 2 lies in page 1, PCLATH says 0
     "        retlw 1\n"
     "        retlw 2\n"
     "        retlw 3\n",
     {{"pcl_page", 10}}},
    {"pcl_page_classic",
     kClassic,
     20,
     "        org 5\n"
     "start   movlw 1\n"
     "        addwf PCL,F\n"  // 5
     "        addwf PCL,F\n"  // explained once
     "        goto start\n",
     {{"pcl_page", 5}}},
    {"stack_ninth_call",
     kClassic,
     200,
     "        cblock 0x0C\n"
     "        depth\n"
     "        endc\n"
     "        org 5\n"
     "start   movlw 9\n"
     "        movwf depth\n"
     "        call nest\n"
     "nest    decfsz depth,F\n"
     "        call nest\n"  // 11: the ninth call
     "stop    goto stop\n",
     {{"stack", 11}}},
    {"stack_interrupt_at_depth_8",
     kClassic,
     200,
     "        cblock 0x0C\n"
     "        depth\n"
     "        endc\n"
     "        org 4\n"
     "        goto isr\n"
     "start   movlw 8\n"
     "        movwf depth\n"
     "        call nest\n"
     "nest    decfsz depth,F\n"
     "        call nest\n"  // the eighth call fills the stack
     "        bsf STATUS,RP0\n"
     "        movlw 0x80\n"
     "        movwf OPTION_REG\n"
     "        bcf STATUS,RP0\n"
     "        movlw 0xFC\n"
     "        movwf TMR0\n"
     "        bsf INTCON,T0IE\n"
     "        bsf INTCON,GIE\n"
     "stop    goto stop\n"  // 21: the interrupt pushes a ninth address
     "isr     bcf INTCON,T0IF\n"
     "        retfie\n",
     {{"stack", 21}}},
    {"stack_empty_return",
     kClassic,
     20,
     "        org 0\n"
     "        goto start\n"
     "        org 5\n"
     "start   return\n",  // 6
     {{"stack", 6}}},
    {"isr_flag",
     kClassic,
     1000,
     "        org 4\n"
     "        retfie\n"  // 4: T0IF still set
     "start   bsf STATUS,RP0\n"
     "        movlw 0x80\n"  // the timer at 1:2 of the cycles
     "        movwf OPTION_REG\n"
     "        bcf STATUS,RP0\n"
     "        movlw 0xF0\n"
     "        movwf TMR0\n"
     "        bsf INTCON,T0IE\n"
     "        bsf INTCON,GIE\n"
     "loop    goto loop\n",
     {{"isr_flag", 4}}},
    {"rbif_read",
     kClassic,
     100,
     "        org 4\n"
     "        goto isr\n"
     "start   bsf STATUS,RP0\n"
     "        clrf TRISB\n"
     "        bcf STATUS,RP0\n"
     "        bsf INTCON,RBIE\n"
     "        bsf INTCON,GIE\n"
     "        movlw 0xF0\n"
     "        movwf PORTB\n"
     "loop    goto loop\n"
     "isr     bcf INTCON,RBIF\n"  // 13: port B not read
     "        retfie\n",
     {{"rbif_read", 13}}},
    {"isr_flag_datasheet",
     kDatasheet,
     1000,
     "        org 0\n"
     "        goto start\n"
     "        org 4\n"
     "        retfie\n"  // 6: T0IF still set
     "start   bsf STATUS,RP0\n"
     "        movlw 0x80\n"
     "        movwf OPTION_REG\n"
     "        bcf STATUS,RP0\n"
     "        movlw 0xF0\n"
     "        movwf TMR0\n"
     "        bsf INTCON,T0IE\n"
     "        bsf INTCON,GIE\n"
     "loop    goto loop\n",
     {{"isr_flag", 6}}},
    // Only input pins count, and a pin changes when the pull-ups come on.
    {"rbif_read_datasheet",
     kDatasheet,
     100,
     "        org 0\n"
     "        goto start\n"
     "        org 4\n"
     "        goto isr\n"
     "start   movf PORTB,W\n"
     "        bsf INTCON,RBIE\n"
     "        bsf INTCON,GIE\n"
     "        bsf STATUS,RP0\n"
     "        bcf OPTION_REG,NOT_RBPU\n"
     "        bcf STATUS,RP0\n"
     "loop    goto loop\n"
     "isr     bcf INTCON,RBIF\n"  // 14: port B not read
     "        retfie\n",          // 15: the mismatch has set RBIF again
     {{"rbif_read", 14}, {"isr_flag", 15}}},
    {"isr_context",
     kClassic,
     5000,
     "        cblock 0x0C\n"
     "        total\n"
     "        endc\n"
     "        org 4\n"
     "        goto isr\n"
     "start   clrf total\n"
     "        bsf STATUS,RP0\n"
     "        movlw 0x80\n"
     "        movwf OPTION_REG\n"
     "        bcf STATUS,RP0\n"
     "        bsf INTCON,T0IE\n"
     "        bsf INTCON,GIE\n"
     "loop    movlw 2\n"
     "        addwf total,F\n"  // 16: W is the handler's
     "        goto loop\n"
     "isr     bcf INTCON,T0IF\n"
     "        movlw 0xF0\n"
     "        movwf TMR0\n"
     "        retfie\n",
     {{"isr_context", 16}}},
    {"uninitialised",
     kClassic,
     20,
     "        cblock 0x0C\n"
     "        count\n"
     "        endc\n"
     "        org 5\n"
     "start   incf count,F\n"  // 7
     "        goto start\n",
     {{"uninitialised", 7}}},
    {"eeprom_sequence",
     kDatasheet,
     20,
     "        org 0\n"
     "        bsf STATUS,RP0\n"
     "        bsf EECON1,WR\n"  // 5: no WREN, no sequence
     "loop    goto loop\n",
     {{"eeprom_sequence", 5}}},
    // The watchdog's 18 ms with the prescaler's 128 after reset: 2.3 million cycles.
    {"wdt_reset",
     kDatasheet,
     1300000,
     "        __config _XT_OSC & _WDT_ON & _PWRTE_ON & _CP_OFF\n"
     "        org 0\n"
     "loop    goto loop\n",  // 5
     {{"wdt_reset", 5}}},
    {"rmw_port",
     kDatasheet,
     20,
     "        org 0\n"
     "        bsf STATUS,RP0\n"
     "        clrf TRISA\n"
     "        bcf STATUS,RP0\n"
     "        movlw 0x10\n"
     "        movwf PORTA\n"  // RA4's open drain lets go: the pin reads 0
     "        bsf PORTA,0\n"  // 9: writes RA4's 0 into its latch
     "loop    goto loop\n",
     {{"rmw_port", 9}}},
    {"rmw_port_quiet_on_inputs",
     kDatasheet,
     20,
     "        org 0\n"
     "        bsf STATUS,RP0\n"
     "        movlw 0xFE\n"
     "        movwf TRISB\n"
     "        bcf OPTION_REG,NOT_RBPU\n"  // the inputs read 1
     "        bcf STATUS,RP0\n"
     "        clrf PORTB\n"
     "        bsf PORTB,0\n"  // writes RB1's 1 into its latch, which drives nothing
     "loop    goto loop\n",
     {}},
    {"correct_classic",
     kClassic,
     5000,
     "        cblock 0x0C\n"
     "        w_temp\n"
     "        s_temp\n"
     "        count\n"
     "        endc\n"
     "        org 0\n"
     "        goto start\n"
     "        org 4\n"
     "        goto isr\n"
     "start   clrf count\n"
     "        bsf STATUS,RP0\n"
     "        movlw 0x80\n"
     "        movwf OPTION_REG\n"
     "        clrf TRISB\n"
     "        bcf STATUS,RP0\n"
     "        bsf INTCON,T0IE\n"
     "        bsf INTCON,RBIE\n"
     "        bsf INTCON,GIE\n"
     "loop    movlw 2\n"
     "        addwf count,F\n"
     "        call sub\n"
     "        movwf PORTB\n"
     "        goto loop\n"
     "sub     movf count,W\n"
     "        return\n"
     "isr     movwf w_temp\n"
     "        swapf STATUS,W\n"
     "        movwf s_temp\n"
     "        movf PORTB,W\n"
     "        bcf INTCON,RBIF\n"
     "        bcf INTCON,T0IF\n"
     "        swapf s_temp,W\n"
     "        movwf STATUS\n"
     "        swapf w_temp,F\n"
     "        swapf w_temp,W\n"
     "        retfie\n",
     {}},
    {"correct_datasheet",
     kDatasheet,
     30000,
     "        __config _XT_OSC & _WDT_ON & _PWRTE_ON & _CP_OFF\n"
     "        cblock 0x0C\n"
     "        shadow\n"
     "        endc\n"
     "        org 0\n"
     "        clrf shadow\n"
     "        bsf STATUS,RP0\n"
     "        clrf TRISA\n"
     "        bsf EECON1,WREN\n"
     "        movlw 0x55\n"
     "        movwf EECON2\n"
     "        movlw 0xAA\n"
     "        movwf EECON2\n"
     "        bsf EECON1,WR\n"
     "        bcf STATUS,RP0\n"
     "loop    clrwdt\n"
     "        movlw 0x11\n"
     "        iorwf shadow,F\n"
     "        movf shadow,W\n"
     "        movwf PORTA\n"
     "        movlw 1\n"
     "        movwf PCLATH\n"
     "        call table\n"
     "        goto loop\n"
     "        org 0xFE\n"
     "table   addwf PCL,F\n"
     "        retlw 1\n"
     "        retlw 2\n",
     {}},
};

void PrintTo(const SCheckCase& test, std::ostream* out) {
    *out << test.name;
}

class ProgramChecksTest : public testing::TestWithParam<SCheckCase> {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(LUMO_BIN_DIR) + "/tasm"))
            GTEST_SKIP() << "tasm not built";
        ResetForLoad();
        SourceFolder = m_folder.Folder();
        SourceFileName = "prog.asm";
    }
    void TearDown() override {
        core::ChecksOn = 0;
        core::ChipProfile = core::EChipProfile::Classic;
    }

    std::vector<SFired> Run(const SCheckCase& test) {
        m_folder.Write("prog.asm", std::string("        list p=16c84, r=dec\n"
                                               "        #include <p16c84.inc>\n") +
                                       test.body + "        end\n");
        std::string output;
        EXPECT_TRUE(OnAssemble(&output)) << output;
        core::SetCheckProgram(build::CheckProgramFrom(build::LoadSourceMap()));
        core::ChecksOn = core::kAllChecks;
        core::ChipProfile = test.profile;
        ResetForRun();
        const uint64_t since = core::EventLog.LastSerial();
        CInstructionSet cpu;
        int64_t passes = 0;
        while (passes < test.passes && core::PcInsideProgram())
            passes += core::RunPasses(cpu, test.passes - passes).passes;
        std::vector<SFired> fired;
        for (const core::SEvent& event : core::EventLog.Since(since)) {
            if (event.kind != core::EEventKind::Check) continue;
            fired.emplace_back(core::CheckKindName(static_cast<core::ECheckKind>(event.cause)),
                               event.value);
            EXPECT_FALSE(event.text.empty());
        }
        return fired;
    }

    CScratchFolder m_folder{"lumo-checks-"};
    CRecordingMessageBox m_messages;
};

TEST_P(ProgramChecksTest, FiresItsCheckAtItsLineOnly) {
    const SCheckCase& test = GetParam();
    EXPECT_EQ(Run(test), test.fired);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProgramChecksTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SCheckCase>& info) {
                             return std::string(info.param.name);
                         });
}  // namespace
