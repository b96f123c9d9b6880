// The bank message: silent where RP0 is known to be right, "wrong bank"
// where it is known to be wrong, the advisory where the assembler cannot
// follow the bank.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tasm_test_support.h"

namespace {

using tasm_test::AssembleText;

const char kAdvisory[] = "warning: Register 0x86 lies in bank 1";
const char kTrisbInBank0[] =
    "warning: wrong bank: register 0x86 (TRISB) is in bank 1 but bank 0 is selected here, so "
    "this instruction reaches 0x06 (PORTB): put BSF STATUS,RP0 (or BANKSEL TRISB) before it";
const char kPortbInBank1[] =
    "warning: wrong bank: register 0x06 (PORTB) is in bank 0 but bank 1 is selected here, so "
    "this instruction reaches 0x86 (TRISB): put BCF STATUS,RP0 (or BANKSEL PORTB) before it";

TEST(BankTracking, MessagesFollowTheSelectedBank) {
    struct CCase {
        const char* source;   // the line under test is the last one
        const char* message;  // nullptr: none
    };
    const CCase cases[] = {
        {"start bsf STATUS,RP0\n clrf TRISB\n", nullptr},
        {"start bsf 3,5\n clrf 0x86\n", nullptr},
        {"start banksel TRISB\n clrf TRISB\n", nullptr},
        {"start bsf STATUS,RP0\n bcf STATUS,RP0\n clrf TRISB\n", kTrisbInBank0},
        {"start banksel PORTB\n clrf TRISB\n", kTrisbInBank0},
        {"start bsf STATUS,RP0\n clrf PORTB\n", kPortbInBank1},
        {"start bsf STATUS,RP0\n clrf TRISB^0x80\n", nullptr},  // TRISB meant, written as 0x06
        {"start bsf STATUS,RP0\n clrf STATUS\n clrf TRISB\n", kTrisbInBank0},
        {"start bsf STATUS,RP0\n bsf STATUS,C\n clrf TRISB\n", nullptr},
        {"start bsf STATUS,RP0\n clrf 0x0C\n movwf 0x8C\n", nullptr},  // the same in both banks
        // The bank cannot be followed: the advisory stays.
        {"start clrf TRISB\n", kAdvisory},
        {"start bsf STATUS,RP0\nthere clrf TRISB\n", kAdvisory},
        {"start bsf STATUS,RP0\n call start\n clrf TRISB\n", kAdvisory},
        {"start btfss PORTA,0\n bsf STATUS,RP0\n clrf TRISB\n", kAdvisory},
        {"start bsf STATUS,RP0\n movwf STATUS\n clrf TRISB\n", kAdvisory},
        {"start bsf STATUS,RP0\n org 0x10\n clrf TRISB\n", kAdvisory},
        {"start clrf PORTB\n", nullptr},
        // From the reset vector up to the first label bank 0 is selected.
        {" org 0\n clrf PORTB\n clrf TRISB\n", kTrisbInBank0},
        // A macro's lines are followed like any others.
        {"bank1 macro\n bsf STATUS,RP0\n endm\nstart bank1\n clrf TRISB\n", nullptr},
        {"#define BANK0 bcf STATUS,RP0\nstart bsf STATUS,RP0\n BANK0\n clrf TRISB\n",
         kTrisbInBank0},
    };
    for (const CCase& c : cases) {
        std::string source = std::string(" org 5\n") + c.source;
        auto result = AssembleText(source);
        std::string last = std::to_string(std::count(source.begin(), source.end(), '\n'));
        std::vector<std::string> expected;
        if (c.message) expected.push_back("t.asm:" + last + ": " + c.message);
        std::vector<std::string> bank;
        for (const std::string& message : result.messages) {
            if (message.find("bank") != std::string::npos) bank.push_back(message);
        }
        ASSERT_EQ(bank.size(), expected.size()) << c.source << result.listing;
        if (c.message) {
            EXPECT_EQ(bank[0].rfind(expected[0], 0), 0u) << bank[0];
        }
    }
}

TEST(BankTracking, ErrorlevelSilencesOnlyTheAdvisory) {
    auto result =
        AssembleText(" org 5\n errorlevel -302\n clrf TRISB\nstart bcf STATUS,RP0\n clrf TRISB\n");
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].rfind(std::string("t.asm:5: ") + kTrisbInBank0, 0), 0u);
}

}  // namespace
