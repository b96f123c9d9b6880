#include "ui/source_text.h"

#include <QFile>
#include <QSaveFile>

#include "ui/windows1250.h"

namespace {
// Bytes 10xxxxxx that must follow a lead byte.
bool Continues(const QByteArray& bytes, qsizetype at, qsizetype count) {
    if (at + count > bytes.size()) return false;
    for (qsizetype i = at; i < at + count; ++i) {
        if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) return false;
    }
    return true;
}

LineEnds MostCommonLineEnd(const QByteArray& bytes) {
    qsizetype crlf = 0;
    qsizetype lf = 0;
    qsizetype cr = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (bytes[i] == '\n') {
            ++lf;
        }
    }
    if (crlf > lf && crlf >= cr) return LineEnds::CrLf;
    if (cr > lf && cr > crlf) return LineEnds::Cr;
    return LineEnds::Lf;
}

// The line (from 1) of the character at index, counting CR LF, LF and a
// lone CR as one break each, as the editor does.
int LineOf(const QString& text, qsizetype index) {
    int line = 1;
    for (qsizetype i = 0; i < index; ++i) {
        if (text[i] == u'\n' ||
            (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))) {
            ++line;
        }
    }
    return line;
}
}  // namespace

bool IsValidUtf8(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        qsizetype count = 0;
        unsigned least = 0;  // the smallest code point of that length: shorter forms are not UTF-8
        unsigned code = 0;
        if ((lead & 0xE0) == 0xC0) {
            count = 1;
            least = 0x80;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            count = 2;
            least = 0x800;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            count = 3;
            least = 0x10000;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (!Continues(bytes, i + 1, count)) return false;
        for (qsizetype k = 1; k <= count; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += count + 1;
    }
    return true;
}

DecodedSource DecodeSource(const QByteArray& bytes) {
    const LineEnds lineEnds = MostCommonLineEnd(bytes);
    if (IsValidUtf8(bytes)) return {bytes, SourceEncoding::Utf8, lineEnds};
    return {DecodeWindows1250(bytes).toUtf8(), SourceEncoding::Windows1250, lineEnds};
}

EncodedSource EncodeSource(const QByteArray& utf8, SourceEncoding encoding) {
    if (encoding == SourceEncoding::Utf8) return {utf8, 0};
    const QString text = QString::fromUtf8(utf8);
    EncodedSource result;
    const qsizetype bad = EncodeWindows1250(text, &result.bytes);
    if (bad >= 0) result.badLine = LineOf(text, bad);
    return result;
}

SourceFileRead ReadSourceFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {SourceFileRead::Failed, {}, file.errorString()};
    if (file.size() > kMaxSourceBytes) return {SourceFileRead::TooLarge, {}, {}};
    // Devices and pipes report no size; one byte over the limit tells.
    QByteArray bytes = file.read(kMaxSourceBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return {SourceFileRead::Failed, {}, file.errorString()};
    }
    if (bytes.size() > kMaxSourceBytes) return {SourceFileRead::TooLarge, {}, {}};
    return {SourceFileRead::Ok, bytes, {}};
}

QString WriteFileReplacing(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    // A short write is not an error by itself (QSaveFile would commit the
    // truncated file); writing the rest tells why it stopped. An unfinished
    // QSaveFile removes its temporary file when it goes.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) return file.errorString();
        written += n;
    }
    if (!file.commit()) return file.errorString();
    return {};
}
