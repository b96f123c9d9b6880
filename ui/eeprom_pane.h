#pragma once
// The "EEPROM" pane: the data-sheet chip's 64 bytes of data EEPROM, eight to
// a row, in hex with their addresses and as characters, red where the last
// step changed them. A double-click on a byte asks to write it (the window
// writes it while the simulation stands). On the classic chip, which has no
// EEPROM, the pane says so instead.
#include <QDockWidget>
#include <array>
#include <cstdint>

#include "core/datasheet_chip.h"
#include "ui/step_changes.h"

class QLabel;
class QStackedWidget;
class QTableWidget;

class CEepromPane : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kPerRow = 8;
    static constexpr int kRows = core::kEepromSize / kPerRow;

    explicit CEepromPane(QWidget* parent = nullptr);

    void Refresh();
    QTableWidget* Table() const { return m_pTable; }
    // Whether the bytes are shown (the data-sheet chip), not the note.
    bool ShowsBytes() const;
    // The byte a cell shows, -1 for the characters' column.
    static int ByteOfCell(int row, int column);

signals:
    void EditByte(int address);

private:
    using SBytes = std::array<uint8_t, core::kEepromSize>;

    QStackedWidget* m_pStack;
    QTableWidget* m_pTable;
    QLabel* m_pClassic;
    CStepChangesOf<SBytes> m_changes;
};
