#pragma once
// The pin panel's picture, 800 x 234: rows 0-199 are the board (chip, traces,
// pin labels, a switch and LED at every pin), rows 201-231 hold the four small
// pictures the panel copies over the pins.
#include <QImage>
#include <QRect>

constexpr int kPanelWidth = 800;
constexpr int kPanelHeight = 234;
constexpr int kBoardHeight = 200;

// Source rectangles of the small pictures.
constexpr QRect kSwitchOffSource(0, 201, 21, 31);
constexpr QRect kSwitchOnSource(23, 201, 21, 31);
constexpr QRect kLedDarkSource(46, 201, 18, 18);
constexpr QRect kLedLitSource(66, 201, 18, 18);

QImage DrawPanelImage();
