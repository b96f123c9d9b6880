#pragma once
// How each part of the lab board is drawn: its size and its picture from
// the part's own state. The LCD's dots come from its character ROM and
// CGRAM, the digits' segments from the share of time they were lit.
#include <QRect>
#include <QSize>
#include <vector>

#include "board/board.h"

class QPainter;

// The size of the part's picture (without its title).
QSize PartArtSize(const board::SPart& part);

// Draws the part into rect (of PartArtSize). cycle and cycleHz give the
// blinking cursor's phase; held, that the user's hand holds it down (a reset
// button, whose press is no state of the part).
void DrawPart(QPainter& painter, const QRect& rect, const board::SPart& part, uint64_t cycle,
              double cycleHz, bool held = false);

// What the user's hand can hold in the part's picture at rect: each
// keypad key with its label, a button or a switch (label 0) as a whole.
struct SPartKey {
    QRect rect;
    char key = 0;
};
std::vector<SPartKey> PartKeys(const QRect& rect, const board::SPart& part);
