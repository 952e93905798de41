#include "TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

QString TextFile::decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeLegacy(bytes);
}

std::optional<QString> TextFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return decode(bytes);
}

bool TextFile::write(const QString& path, const QString& text)
{
    return writeBytes(path, encode(text));
}

bool TextFile::writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in write()'s count: through
    // the buffer Qt 6.4 commits the cut-short file as if all had gone well.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
