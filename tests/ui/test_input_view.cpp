// The pin panel: what it paints for each pin level, which points of a switch
// take a click, what a click does to the ports, and how clicks drive the
// external interrupt and Timer 0 of a program that runs.
#include <QImage>
#include <QScrollBar>
#include <QtTest>

#include "core/instruction_set.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "ui/input_view.h"
#include "ui/pin_table.h"
#include "view_test_hooks.h"

namespace {
const QColor kSentinel(255, 0, 255);
const QColor kBoardGreen(0, 160, 0);

QImage Render(QWidget& view) {
    QImage image(view.size(), QImage::Format_RGB32);
    image.fill(kSentinel);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool IsBrightRed(QColor c) {
    return c.red() > 200 && c.green() < 120 && c.blue() < 120;
}
bool IsDarkRed(QColor c) {
    return c.red() < 150 && c.red() > c.green() + 20 && c.green() < 60;
}
bool IsGrey(QColor c) {
    return qAbs(c.red() - c.green()) < 20 && qAbs(c.green() - c.blue()) < 20;
}

// Fills the whole program with NOPs ("0000").
void LoadNops() {
    for (int i = 0; i < core::kProgramImageSize; ++i) ProgramImage[i] = '0';
    ProgramEnd = core::kProgramImageSize;
}
}  // namespace

class TestInputView : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetForRun();
        LastRefreshedView = nullptr;
        m_pView = std::make_unique<CInputView>();
        m_pView->resize(800, 310);
        m_pView->SetRegisterDisplay(&m_display);
        m_display = CRecordingView();
        m_pView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pView.get()));
    }
    void cleanup() { m_pView.reset(); }

    void paintsBoardSwitchesAndLedsFromThePorts() {
        RegisterFile[PORTB] = 0x81;  // RB7 and RB0 high
        RegisterFile[PORTA] = 0x10;  // RA4 high
        RegisterFile[TRISB] = 0x00;  // an output pin shows its bit all the same
        Render(*m_pView);            // the first paint erases
        const QImage image = Render(*m_pView);

        QCOMPARE(image.pixelColor(320, 45), kBoardGreen);
        for (const PinInfo& pin : kPins) {
            const bool high = (RegisterFile[pin.port] & pin.mask) != 0;
            const QColor led = image.pixelColor(pin.ledX + 9, kPinTop + 9);
            QVERIFY2(high ? IsBrightRed(led) : IsDarkRed(led), pin.label);
            // The knob stands up and red when on, down and grey when off.
            const QColor upper = image.pixelColor(pin.switchX + 10, kPinTop + 9);
            const QColor lower = image.pixelColor(pin.switchX + 10, kPinTop + 21);
            QVERIFY2(high ? IsBrightRed(upper) : IsGrey(upper), pin.label);
            QVERIFY2(high ? !IsBrightRed(lower) : IsGrey(lower), pin.label);
        }
        // Rows 200 and below are never drawn by the panel.
        for (int x : {0, 399, 799}) {
            QVERIFY(image.pixelColor(x, 199) != kSentinel);
            QCOMPARE(image.pixelColor(x, 200), kSentinel);
            QCOMPARE(image.pixelColor(x, 309), kSentinel);
        }
    }

    void hitBoxesIncludeTheirEdgesOnly() {
        for (const PinInfo& pin : kPins) {
            const int mid = (pin.hitLeft + pin.hitRight) / 2;
            const QPoint hits[] = {{pin.hitLeft, kHitTop},
                                   {pin.hitRight, kHitTop},
                                   {pin.hitLeft, kHitBottom},
                                   {pin.hitRight, kHitBottom}};
            for (QPoint at : hits) {
                const uint8_t before = RegisterFile[pin.port];
                QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, at);
                QVERIFY2(RegisterFile[pin.port] == (before ^ pin.mask), pin.label);
            }
            const QPoint misses[] = {{pin.hitLeft - 1, 170},
                                     {pin.hitRight + 1, 170},
                                     {mid, kHitTop - 1},
                                     {mid, kHitBottom + 1},
                                     {pin.ledX + 9, 165}};
            for (QPoint at : misses) {
                const uint8_t portA = RegisterFile[PORTA], portB = RegisterFile[PORTB];
                QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, at);
                QVERIFY2(RegisterFile[PORTA] == portA && RegisterFile[PORTB] == portB, pin.label);
            }
        }
        // x = 44 lies on the RB7 switch picture but right of its hit box.
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(44, 170));
        QCOMPARE(int(RegisterFile[PORTB]), 0);
        // Every click, hit or not, repainted the register display.
        QCOMPARE(m_display.m_nRequests, kPinCount * 9 + 1);
        QCOMPARE(m_display.m_nErasing, 0);
        QCOMPARE(LastRefreshedView.load(), static_cast<core::CView*>(&m_display));
    }

    void clickFlipsAnInputPinBackAndForth() {
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(37, 170));
        QCOMPARE(int(RegisterFile[PORTB]), 0x80);
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(37, 170));
        QCOMPARE(int(RegisterFile[PORTB]), 0x00);
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(536, 170));
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(745, 170));
        QCOMPARE(int(RegisterFile[PORTA]), 0x11);
    }

    // A pane lower than the board scrolls, and a click lands on the switch
    // drawn under the mouse, not on the one the unscrolled board had there.
    void scrolledPaneClicksTheSwitchUnderTheMouse() {
        m_pView->resize(800, 120);
        QCoreApplication::processEvents();
        QScrollBar* bar = m_pView->verticalScrollBar();
        QVERIFY(bar->isVisible());
        bar->setValue(bar->maximum());
        const int scrolled = bar->value();
        QVERIFY(scrolled >= 200 - 120);
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(37, 170 - scrolled));
        QCOMPARE(int(RegisterFile[PORTB]), 0x80);
        const QImage image = Render(*m_pView);
        QVERIFY(IsBrightRed(image.pixelColor(52 + 9, 156 + 9 - scrolled)));
    }

    void outputPinRefusesTheClick() {
        CRecordingMessageBox box;
        RegisterFile[TRISB] = 0x7F;  // RB7 an output
        RegisterFile[PORTB] = 0x80;
        RegisterFile[TRISA] = 0x00;
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(37, 170));
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(536, 170));
        QCOMPARE(int(RegisterFile[PORTB]), 0x80);
        QCOMPARE(int(RegisterFile[PORTA]), 0x00);
        QCOMPARE(box.Messages(), std::vector<std::string>(2, "Port je setovan kao izlazni"));
        QCOMPARE(m_display.m_nRequests, 2);
        // An input pin next to it still switches.
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(89, 170));
        QCOMPARE(int(RegisterFile[PORTB]), 0xC0);
        QCOMPARE(box.Messages().size(), size_t(2));
    }

    void rb0ClickEntersTheInterruptOneInstructionLater() {
        LoadNops();
        RegisterFile[INTCON] = 0x90;  // GIE and INTE; OPTION 0xFF: rising edge
        CInstructionSet cpu;
        QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(400, 170));
        QCOMPARE(int(RegisterFile[PORTB]), 0x01);

        core::RunOnePass(cpu);  // the edge is seen and the interrupt accepted
        QCOMPARE(int(PC), 6);
        QVERIFY(IrqPending);
        QCOMPARE(RegisterFile[INTCON] & 0x82, 0x02);  // INTF set, GIE cleared
        core::RunOnePass(cpu);                        // one more instruction, then the entry
        QCOMPARE(int(PC), 4);
        QCOMPARE(ReturnStack->Pop(), 7);
    }

    void ra4ClicksCountTimer0InCounterMode() {
        LoadNops();
        PrevTmr0 = 0;
        CInstructionSet cpu;
        // OPTION 0xFF: counter mode, falling edges of RA4.
        for (int pulse = 1; pulse <= 3; ++pulse) {
            QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(536, 170));
            core::RunOnePass(cpu);
            QCOMPARE(int(RegisterFile[TMR0]), pulse - 1);  // rising edge: no count
            QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, QPoint(536, 170));
            core::RunOnePass(cpu);
            QCOMPARE(int(RegisterFile[TMR0]), pulse);
        }
    }

private:
    std::unique_ptr<CInputView> m_pView;
    CRecordingView m_display;
};

QTEST_MAIN(TestInputView)
#include "test_input_view.moc"
