// Registers by name: the tooltip over a value of the register display, and
// the values the last step changed drawn in red until the next instruction.
#include <QHelpEvent>
#include <QImage>
#include <QToolTip>
#include <QtTest>

#include "core/state.h"
#include "ui/display_flags.h"
#include "ui/output_view.h"
#include "ui/register_layout.h"
#include "ui/register_names.h"

namespace {
QImage Render(QWidget& view) {
    QImage image(view.size(), QImage::Format_RGB32);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Red pixels of the text drawn in the box.
int RedPixels(const QImage& image, const QRect& box) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++count;
        }
    }
    return count;
}

// Grid cell of register i (ten columns 81 pixels apart, rows 17 apart from 22).
QRect GridCell(int i) {
    return {2 + 81 * (i % 10), 22 + 17 * (i / 10), 78, 16};
}
}  // namespace

class RegisterNamesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetForLoad();
        ShowHex = false;
        ShowChanges = true;
    }
    void cleanup() { ShowChanges = true; }

    void tooltipTextsName_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("tip");
        QTest::newRow("STATUS") << int(STATUS) << 0x19
                                << "STATUS\nadresa 0x03 (R3)\nvrednost 0x19 = 25 = 00011001\n"
                                   "IRP=0 RP1=0 RP0=0 TO=1 PD=1 Z=0 DC=0 C=1";
        QTest::newRow("TMR0") << 1 << 255
                              << "TMR0\nadresa 0x01 (R1)\nvrednost 0xFF = 255 = 11111111";
        QTest::newRow("INTCON") << 11 << 0x80
                                << "INTCON\nadresa 0x0B (R11)\nvrednost 0x80 = 128 = 10000000\n"
                                   "GIE=1 EEIE=0 T0IE=0 INTE=0 RBIE=0 T0IF=0 INTF=0 RBIF=0";
        QTest::newRow("general")
            << 12 << 7 << "opsti registar 0x0C\nadresa 0x0C (R12)\nvrednost 0x07 = 7 = 00000111";
        QTest::newRow("OPTION") << int(OPTION_REG) << 0xFF
                                << "OPTION\nadresa 0x81\nvrednost 0xFF = 255 = 11111111\n"
                                   "RBPU=1 INTEDG=1 T0CS=1 T0SE=1 PSA=1 PS2=1 PS1=1 PS0=1";
        QTest::newRow("W") << kWRegister << 10
                           << "W (radni registar)\nnema adresu u memoriji podataka\n"
                              "vrednost 0x0A = 10 = 00001010";
    }
    void tooltipTextsName() {
        QFETCH(int, address);
        QFETCH(int, value);
        QFETCH(QString, tip);
        QCOMPARE(RegisterToolTip(address, static_cast<uint8_t>(value)), tip);
    }

    // The mouse over a grid value and over a field of the special row.
    void tooltipOverTheDisplay() {
        COutputView view;
        view.resize(800, 110);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        RegisterFile[STATUS] = 0x18;
        RegisterFile[OPTION_REG] = 0xFF;
        view.InvalidateRect(false);
        Render(view);
        auto tipAt = [&](QPoint point) {
            QHelpEvent help(QEvent::ToolTip, point, view.viewport()->mapToGlobal(point));
            QCoreApplication::sendEvent(view.viewport(), &help);
            return QToolTip::text();
        };
        QVERIFY(tipAt(GridCell(3).center()).startsWith(QStringLiteral("STATUS\nadresa 0x03 (R3)")));
        QVERIFY(tipAt(QPoint(390, 8)).startsWith(QStringLiteral("OPTION\nadresa 0x81")));
        QVERIFY(tipAt(GridCell(40).center()).startsWith(QStringLiteral("opsti registar 0x28")));
        QToolTip::hideText();
    }

    // A changed value is red until the next instruction; switched off, the
    // picture is the plain one.
    void changedValuesAreRedUntilTheNextInstruction() {
        COutputView view;
        view.resize(800, 110);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage plain = Render(view);
        QCOMPARE(RedPixels(plain, QRect(0, 0, 800, 110)), 0);

        RegisterFile[0x20] = 5;  // as a pin click or a load changes a value
        QImage image = Render(view);
        QVERIFY(RedPixels(image, GridCell(32)) > 0);
        QCOMPARE(RedPixels(image, QRect(0, 0, 800, 110)), RedPixels(image, GridCell(32)));
        // A repaint without a new step keeps the mark.
        QVERIFY(RedPixels(Render(view), GridCell(32)) > 0);

        // The next instruction changed W only.
        core::Chip.instructionCount = core::Chip.instructionCount + 1;
        W = 3;
        image = Render(view);
        QCOMPARE(RedPixels(image, GridCell(32)), 0);
        QVERIFY(RedPixels(image, QRect(0, 0, 60, 20)) > 0);

        ShowChanges = false;
        core::Chip.instructionCount = core::Chip.instructionCount + 1;
        RegisterFile[0x20] = 6;
        QCOMPARE(RedPixels(Render(view), QRect(0, 0, 800, 110)), 0);
    }
};

QTEST_MAIN(RegisterNamesTest)
#include "test_register_names.moc"
