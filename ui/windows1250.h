#pragma once
// The Windows-1250 code page, in which Serbian Latin text was written on the
// program's original platform. Every byte has a character, so a file read
// and written back unchanged keeps every byte.
#include <QByteArray>
#include <QString>

QString DecodeWindows1250(const QByteArray& bytes);

// The text's bytes in *bytes and -1; or, when a character has no byte in the
// code page, its index in text, with *bytes empty.
qsizetype EncodeWindows1250(const QString& text, QByteArray* bytes);
