#pragma once
// Source files as single-byte text. Every byte of a file is one character of
// the editor's text (Latin-1), so bytes the user does not edit are written
// back unchanged. The editor knows only one kind of line break; the file's
// own style (CR LF or LF) is remembered and restored on saving, and a
// missing final line break stays missing.
#include <QByteArray>
#include <QString>

enum class LineEnds { Lf, CrLf };

// The largest file the editor takes.
inline constexpr qint64 kMaxSourceBytes = 0xFFFFF;

struct DecodedSource {
    QString text;  // lines separated by '\n'
    LineEnds lineEnds;
};
// A file that ends more of its lines with CR LF than with a bare LF is
// CR LF; one without any line break is LF.
DecodedSource DecodeSource(const QByteArray& bytes);

struct EncodedSource {
    QByteArray bytes;
    int badLine = 0;  // > 0: the first line holding a character with no single-byte form
};
EncodedSource EncodeSource(const QString& text, LineEnds lineEnds);

struct SourceFileRead {
    enum Status { Ok, TooLarge, Failed } status;
    QByteArray bytes;
    QString error;  // the reason, for Failed
};
SourceFileRead ReadSourceFile(const QString& path);

// Writes bytes to a temporary file in path's folder and renames it over
// path, so a failure at any point leaves the previous file whole. Returns
// an empty text on success, else the reason.
QString WriteFileReplacing(const QString& path, const QByteArray& bytes);
