#include "source_text.h"

#include <QFile>
#include <QSaveFile>

DecodedSource DecodeSource(const QByteArray& bytes) {
    qsizetype crlf = 0;
    qsizetype bareLf = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n') continue;
        if (i > 0 && bytes[i - 1] == '\r') {
            ++crlf;
        } else {
            ++bareLf;
        }
    }
    QString text = QString::fromLatin1(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // A lone CR breaks the line in the editor as well; saving writes it in
    // the file's style.
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return {text, crlf > bareLf ? LineEnds::CrLf : LineEnds::Lf};
}

EncodedSource EncodeSource(const QString& text, LineEnds lineEnds) {
    EncodedSource result;
    result.bytes.reserve(text.size() + text.count(QLatin1Char('\n')));
    int line = 1;
    for (QChar ch : text) {
        if (ch == QLatin1Char('\n')) {
            if (lineEnds == LineEnds::CrLf) result.bytes.append('\r');
            result.bytes.append('\n');
            ++line;
        } else if (ch.unicode() > 0xFF) {
            result.badLine = line;
            result.bytes.clear();
            return result;
        } else {
            result.bytes.append(static_cast<char>(ch.unicode()));
        }
    }
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
