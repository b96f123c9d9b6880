// The register display: its number formats, what it writes where for each
// combination of the View flags, the colours it paints, its toggles, and the
// repaint requests of its pane base.
#include <QElapsedTimer>
#include <QImage>
#include <QScrollBar>
#include <QtTest>
#include <atomic>
#include <thread>

#include "core/state.h"
#include "ui/display_flags.h"
#include "ui/output_view.h"
#include "ui/register_layout.h"
#include "ui/register_text.h"
#include "view_test_hooks.h"

namespace {
const QColor kSentinel(255, 0, 255);
const QColor kGrey(160, 160, 160);
const QColor kWhite(255, 255, 255);
const QColor kGreen(128, 192, 128);

// Paints the view over an image that holds the sentinel colour, so whatever
// the view leaves alone stays recognisable.
QImage Render(QWidget& view) {
    QImage image(view.size(), QImage::Format_RGB32);
    image.fill(kSentinel);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

const DisplayCell* FindCell(const DisplayCells& cells, int count, const std::string& prefix) {
    for (int i = 0; i < count; ++i)
        if (cells[i].text.rfind(prefix, 0) == 0) return &cells[i];
    return nullptr;
}

class CCountingPane : public CPaneView {
public:
    CCountingPane() : CPaneView(QSize(100, 100)) {}
    int m_nPaints = 0;
    int m_nQueuedCalls = 0;  // requests that reached the user-interface thread
    // What a paint shows: the value of m_shown when it painted.
    std::atomic<int> m_shown{0};
    int m_painted = -1;

protected:
    void PaintPane(QPainter&) override {
        ++m_nPaints;
        m_painted = m_shown.load();
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::MetaCall) ++m_nQueuedCalls;
        return CPaneView::event(event);
    }
};
}  // namespace

class TestOutputView : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetForLoad();
        ShowHex = false;
        ShowChanges = false;
        ShowSpecialRegs = true;
        ShowGeneralRegs = true;
        LastMnemonic = "";
        LastRefreshedView = nullptr;
    }

    void formatsNumbers() {
        CRecordingMessageBox box;
        QCOMPARE(ToHex(10), std::string("0A"));
        QCOMPARE(ToHex(255), std::string("FF"));
        QCOMPARE(ToHex(0), std::string("00"));
        QCOMPARE(ToBinary(0x18), std::string("00011000"));
        QCOMPARE(ToBinary(0x80), std::string("10000000"));
        QCOMPARE(ToDecimal(255), std::string("255"));
        QCOMPARE(ToDecimal(0), std::string("0"));
        QCOMPARE(CifraToHex(15), 'F');
        QVERIFY(box.Messages().empty());
    }

    void reportsValuesOutOfRangeAndGoesOn() {
        CRecordingMessageBox box;
        QCOMPARE(ToHex(256).size(), size_t(2));
        QVERIFY(!box.Messages().empty());
        QCOMPARE(box.Messages().front(), std::string("Greska u f-ji ToHex"));
        QCOMPARE(box.Messages().back(), std::string("Greska u f-ji CifraToHex"));
    }

    void layOutFourCombinations_data() {
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("general");
        QTest::addColumn<int>("firstGridY");
        QTest::addColumn<QPoint>("mnemonic");
        QTest::newRow("both") << true << true << 22 << QPoint(630, 90);
        QTest::newRow("special only") << true << false << -1 << QPoint(255, 22);
        QTest::newRow("grid only") << false << true << 2 << QPoint(630, 70);
        QTest::newRow("neither") << false << false << -1 << QPoint(255, 2);
    }
    void layOutFourCombinations() {
        QFETCH(bool, special);
        QFETCH(bool, general);
        QFETCH(int, firstGridY);
        QFETCH(QPoint, mnemonic);
        ShowSpecialRegs = special;
        ShowGeneralRegs = general;
        DisplayCells cells;
        const int count = LayOutRegisterDisplay(cells);
        QCOMPARE(count, (special ? 6 : 0) + (general ? 48 : 0) + 1);

        const DisplayCell& last = cells[count - 1];
        QCOMPARE(QPoint(last.x, last.y), mnemonic);
        QCOMPARE(last.background, CellBackground::Green);
        QCOMPARE(last.text, std::string("Izvrsila se: ") + std::string(15, ' '));

        if (general) {
            const int first = special ? 6 : 0;
            const int columns[] = {2, 83, 164, 245, 326, 407, 488, 569, 650, 731};
            for (int i = 0; i < 48; ++i) {
                const DisplayCell& cell = cells[first + i];
                QCOMPARE(cell.x, columns[i % 10]);
                QCOMPARE(cell.y, firstGridY + 17 * (i / 10));
                QCOMPARE(cell.background, CellBackground::Grey);
            }
        }
        if (special) {
            const int xs[] = {2, 62, 222, 382, 512, 652};
            for (int i = 0; i < 6; ++i) {
                QCOMPARE(cells[i].x, xs[i]);
                QCOMPARE(cells[i].y, 2);
                QCOMPARE(cells[i].background, CellBackground::White);
            }
        }
    }

    void writesValuesInBothNumberModes() {
        RegisterFile[STATUS] = 0x18;
        RegisterFile[20] = 255;
        RegisterFile[5] = 31;
        RegisterFile[INTCON] = 0x90;
        LastMnemonic = "MOVWF";
        for (bool hex : {false, true}) {
            ShowHex = hex;
            DisplayCells cells;
            const int count = LayOutRegisterDisplay(cells);
            QCOMPARE(cells[0].text, std::string(hex ? "W=00" : "W=0"));
            QCOMPARE(FindCell(cells, count, "STATUS=")->text, std::string("STATUS=00011000"));
            QCOMPARE(FindCell(cells, count, "INTCON=")->text, std::string("INTCON=10010000"));
            QCOMPARE(FindCell(cells, count, "TRISB=")->text, std::string("TRISB=11111111"));
            QCOMPARE(FindCell(cells, count, "OPT=")->text, std::string("OPT=11111111"));
            QCOMPARE(FindCell(cells, count, "R0=")->text, std::string(hex ? "R0=00" : "R0=0"));
            QCOMPARE(FindCell(cells, count, "R5=")->text, std::string(hex ? "R5=1F" : "R5=31"));
            QCOMPARE(FindCell(cells, count, "R20=")->text, std::string(hex ? "R20=FF" : "R20=255"));
            QCOMPARE(cells[count - 1].text, std::string("Izvrsila se: MOVWF"));
        }
    }

    void paintsFieldRowAndMnemonicColours_data() {
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("general");
        QTest::addColumn<QPoint>("green");
        QTest::addColumn<QPoint>("notGreen");
        QTest::newRow("both") << true << true << QPoint(631, 91) << QPoint(256, 23);
        QTest::newRow("special only") << true << false << QPoint(256, 23) << QPoint(631, 91);
        QTest::newRow("grid only") << false << true << QPoint(631, 71) << QPoint(256, 3);
        QTest::newRow("neither") << false << false << QPoint(256, 3) << QPoint(631, 71);
    }
    void paintsFieldRowAndMnemonicColours() {
        QFETCH(bool, special);
        QFETCH(bool, general);
        QFETCH(QPoint, green);
        QFETCH(QPoint, notGreen);
        ShowSpecialRegs = special;
        ShowGeneralRegs = general;
        COutputView view;
        view.resize(900, 200);
        const QImage image = Render(view);
        QCOMPARE(image.pixelColor(green), kGreen);
        QCOMPARE(image.pixelColor(notGreen), kGrey);
        QCOMPARE(image.pixelColor(795, 145), kGrey);
        // The cells of the special row are white just above their text (the
        // mnemonic line takes the middle of that line when both rows are off).
        for (int x : {3, 63, 653}) QCOMPARE(image.pixelColor(x, 2), special ? kWhite : kGrey);
    }

    void fillsAroundItsFieldWithTheWindowBackground() {
        COutputView view;
        view.resize(900, 200);
        const QColor background = view.palette().window().color();
        Render(view);  // the very first paint erases: nothing was there yet
        // Later paints, erasing or not, leave nothing of an earlier frame
        // (a black band on screen) around the field.
        for (bool erase : {false, true, false}) {
            view.InvalidateRect(erase);
            QCoreApplication::processEvents();
            const QImage image = Render(view);
            QCOMPARE(image.pixelColor(850, 100), background);
            QCOMPARE(image.pixelColor(100, 170), background);
            QCOMPARE(image.pixelColor(799, 149), kGrey);
        }
    }

    void togglesFlipAndRepaintTheLastRefreshedView() {
        CRecordingView display;
        OnShowHex();  // no view recorded yet: the flag still flips
        QVERIFY(ShowHex);
        LastRefreshedView = &display;
        OnShowHex();
        QVERIFY(!ShowHex);
        OnShowSpecialRegs();
        OnShowGeneralRegs();
        QVERIFY(!ShowSpecialRegs);
        QVERIFY(!ShowGeneralRegs);
        OnShowSpecialRegs();
        OnShowGeneralRegs();
        QVERIFY(ShowSpecialRegs && ShowGeneralRegs);
        QCOMPARE(display.m_nRequests, 5);
        QCOMPARE(display.m_nErasing, 5);
    }

    void coalescesRequestsFromAnotherThread() {
        CCountingPane pane;
        pane.resize(200, 200);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QCoreApplication::processEvents();
        const int before = pane.m_nPaints;
        std::thread worker([&] {
            for (int i = 0; i < 100000; ++i) pane.InvalidateRect(false);
        });
        worker.join();
        QTRY_COMPARE(pane.m_nPaints, before + 1);
        QTest::qWait(50);
        QCOMPARE(pane.m_nQueuedCalls, 1);
        QCOMPARE(pane.m_nPaints, before + 1);
        pane.InvalidateRect(false);  // after a delivered burst, the next request counts again
        QTRY_COMPARE(pane.m_nPaints, before + 2);
        QCOMPARE(pane.m_nQueuedCalls, 2);
    }

    // A worker asking without pause for a second: the pane paints at most 60
    // times a second, and the last state it was asked to show reaches the
    // screen even though that request came while an update was held back.
    void capsPaintsAtScreenRateAndShowsTheLastState() {
        CCountingPane pane;
        pane.resize(200, 200);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QTest::qWait(50);
        const int before = pane.m_nPaints;
        QElapsedTimer elapsed;
        elapsed.start();
        std::atomic<bool> done{false};
        std::thread worker([&] {
            for (int state = 1; !done.load(); ++state) {
                pane.m_shown.store(state);
                pane.InvalidateRect(false);
            }
        });
        QTest::qWait(1000);
        done = true;
        worker.join();
        const int last = pane.m_shown.load();
        QTRY_COMPARE(pane.m_painted, last);
        const double seconds = elapsed.nsecsElapsed() / 1e9;
        const int paints = pane.m_nPaints - before;
        QVERIFY2(paints <= 60 * seconds + 1, qPrintable(QString::number(paints)));
        QVERIFY(paints >= 2);  // the worker's requests were painted, not only the last
    }

    void scrollsWhenSmallerThanItsDrawing() {
        COutputView view;
        view.show();
        view.resize(800, 110);
        QCoreApplication::processEvents();
        QVERIFY(!view.horizontalScrollBar()->isVisible());
        QVERIFY(!view.verticalScrollBar()->isVisible());
        view.resize(300, 300);
        QCoreApplication::processEvents();
        QVERIFY(view.horizontalScrollBar()->isVisible());
        QVERIFY(!view.verticalScrollBar()->isVisible());

        // Lower than the texts: the drawing moves up with the scroll bar, so
        // the mnemonic line comes into view.
        view.resize(900, 150);
        QCoreApplication::processEvents();
        const QImage whole = Render(view);
        view.resize(900, 60);
        QCoreApplication::processEvents();
        QVERIFY(view.verticalScrollBar()->isVisible());
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
        const int scrolled = view.verticalScrollBar()->value();
        QCOMPARE(scrolled, COutputView::kDrawingHeight - 60);
        const QImage part = Render(view);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 800; x += 7)
                QCOMPARE(part.pixelColor(x, 90 - scrolled + y), whole.pixelColor(x, 90 + y));
        }
    }
};

QTEST_MAIN(TestOutputView)
#include "test_output_view.moc"
