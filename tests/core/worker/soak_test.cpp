// A student's session compressed into a few seconds: the program runs at full
// speed while another thread clicks pins, toggles the register display,
// steps, stops, restarts, reloads the program, answers message boxes and
// changes the speed, all at random. Afterwards the worker must still end
// promptly. The sanitizer builds run this too, where any race, overflow or
// leak it provokes is a failure.
#include <cstring>
#include <iterator>
#include <random>
#include <set>

#include "core/pin_input.h"
#include "worker_test_support.h"

namespace {

constexpr auto kSoakTime = std::chrono::seconds(3);

// Interrupts from Timer 0 (counting RA4 clicks), RB0 and RB4-RB7; a
// subroutine; PORTB written while its low half is clicked; and, while RA1 is
// high, a RETURN on the empty stack that shows "Stek je prazan" and lands on
// word 0, which starts the program over.
const std::vector<ProgramWord> kProgram = {
    {0, "2805"},   // GOTO 5
    {4, "2818"},   // GOTO isr
    {5, "1683"},   // BSF STATUS,RP0
    {6, "300F"},   // MOVLW 0x0F
    {7, "0086"},   // MOVWF TRISB: RB0-RB3 inputs
    {8, "1283"},   // BCF STATUS,RP0
    {9, "30B8"},   // MOVLW GIE|T0IE|INTE|RBIE
    {10, "008B"},  // MOVWF INTCON
    {11, "201C"},  // loop: CALL sub
    {12, "0A8C"},  // INCF 0x0C,F
    {13, "080C"},  // MOVF 0x0C,W
    {14, "0086"},  // MOVWF PORTB
    {15, "1885"},  // BTFSC PORTA,1
    {16, "0008"},  // RETURN
    {17, "280B"},  // GOTO loop
    {24, "0A8D"},  // isr: INCF 0x0D,F
    {25, "3038"},  // MOVLW T0IE|INTE|RBIE
    {26, "008B"},  // MOVWF INTCON: flags cleared
    {27, "0009"},  // RETFIE
    {28, "0805"},  // sub: MOVF PORTA,W
    {29, "068E"},  // XORWF 0x0E,F
    {30, "0008"},  // RETURN
};

void LoadSoakProgram() {
    ResetForLoad();  // as the assemble command does, under a running worker
    for (const ProgramWord& word : kProgram) {
        for (int i = 0; i < 4; ++i) ProgramImage[4 * word.address + i] = word.text[i];
    }
    ProgramEnd = core::kProgramImageSize;
}

// The thread that plays the user.
class CUser {
public:
    CUser(core::CSimDocument& doc, CTestMessageBox& boxes, unsigned seed)
        : m_doc(doc), m_boxes(boxes), m_random(seed) {}

    void Act() {
        const int dice = Pick(100);
        if (dice < 35) {
            ClickPin();
        } else if (dice < 45) {
            ToggleDisplay();
        } else if (dice < 60) {
            Paint();
        } else if (dice < 68) {
            m_doc.OnSingleStep();
        } else if (dice < 78) {
            m_doc.OnContinuousRun();
        } else if (dice < 82) {
            m_doc.OnStopSimulation();
        } else if (dice < 85) {
            m_doc.OnRestart();
        } else if (dice < 91) {
            static const int kSpeeds[] = {0, 0, 0, 1, 2, 5, 50, 10000};
            SimSpeedMs = kSpeeds[Pick(std::size(kSpeeds))];
        } else if (dice < 93) {
            LoadSoakProgram();
        } else {
            m_boxes.Answer();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(Pick(300)));
    }

    int Toggles() const { return m_toggles; }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // As the pin panel does, on input pins only: an output pin's message
    // would wait for an answer.
    void ClickPin() {
        const uint8_t port = Pick(13) < 8 ? PORTB : PORTA;
        const auto mask = static_cast<uint8_t>(1u << Pick(port == PORTB ? 8 : 5));
        if (core::IsInputPin(port, mask)) core::ClickPin(port, mask);
    }

    // As the display flags do: repaint, with erase, the view the worker
    // refreshed last.
    void ToggleDisplay() {
        if (core::CView* view = LastRefreshedView.load()) {
            view->InvalidateRect(true);
            ++m_toggles;
        }
    }

    // As a paint does: read everything the panes show, while the worker may
    // be in the middle of an instruction.
    void Paint() {
        unsigned sum = W + PC + BankOffset;
        for (const auto& reg : RegisterFile) sum += reg;
        const char* mnemonic = LastMnemonic.load();
        ASSERT_NE(mnemonic, nullptr);
        sum += static_cast<unsigned>(std::strlen(mnemonic));
        m_painted += sum;
    }

    core::CSimDocument& m_doc;
    CTestMessageBox& m_boxes;
    std::mt19937 m_random;
    int m_toggles = 0;
    unsigned m_painted = 0;
};

TEST(WorkerSoakTest, SurvivesRandomUseWhileRunningAtFullSpeedAndStillShutsDown) {
    CCountingView editor, pins, registers;
    CTestMessageBox boxes;
    boxes.SetBlocking(true);  // boxes wait for the user, as real ones do
    LoadSoakProgram();
    SimSpeedMs = 0;
    LastRefreshedView = nullptr;

    auto doc = std::make_unique<core::CSimDocument>();
    doc->AddView(&editor);
    doc->AddView(&pins);
    doc->AddView(&registers);
    doc->CreateWorker();
    doc->OnContinuousRun();

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    CUser user(*doc, boxes, seed);
    const auto end = std::chrono::steady_clock::now() + kSoakTime;
    while (std::chrono::steady_clock::now() < end) user.Act();
    const int refreshes = pins.Count();

    FinishesWithinDeadline([&] { doc.reset(); }, "shutting the worker down after the soak");

    EXPECT_GT(refreshes, 1) << "the program never ran";
    EXPECT_EQ(editor.Count(), 0);
    // Erases come from the display toggles only, never from the worker.
    EXPECT_EQ(pins.Erases() + registers.Erases(), user.Toggles());
    static const std::set<std::string> kAllowed = {"Stek je pun", "Stek je prazan"};
    for (const std::string& text : boxes.Texts()) EXPECT_EQ(kAllowed.count(text), 1u) << text;
}

}  // namespace
