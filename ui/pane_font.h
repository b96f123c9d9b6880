#pragma once
// The font the register display writes in. A fixed face at a fixed pixel size,
// so every machine lays out the display alike: a line is about 16 pixels,
// "R47=255" fits its 81-pixel column and "INTCON=" with eight digits fits the
// 160 pixels up to the next field.
#include <QFont>

QFont RegisterDisplayFont();
