#pragma once
// Source files and the editor's text. A file that is valid UTF-8 is edited
// as UTF-8 and its bytes go to the editor as they are; any other file is
// read as Windows-1250, in which every byte has a character. Either way a
// file saved without changes gets back every byte, its line breaks (CR LF,
// LF, a lone CR, mixed) and a missing final line break included.
#include <QByteArray>
#include <QString>

// What a new line typed in the editor ends with: the file's most common
// line break; LF for a file without any.
enum class LineEnds { Lf, CrLf, Cr };
enum class SourceEncoding { Utf8, Windows1250 };

// The largest file the editor takes.
inline constexpr qint64 kMaxSourceBytes = 0xFFFFF;

bool IsValidUtf8(const QByteArray& bytes);

struct DecodedSource {
    QByteArray utf8;  // the editor's text
    SourceEncoding encoding;
    LineEnds lineEnds;
};
DecodedSource DecodeSource(const QByteArray& bytes);

struct EncodedSource {
    QByteArray bytes;
    int badLine = 0;  // > 0: the first line holding a character the encoding cannot hold
};
EncodedSource EncodeSource(const QByteArray& utf8, SourceEncoding encoding);

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
