// SPDX-License-Identifier: GPL-3.0-or-later
#include "../TextFile.h"

#include <qt_windows.h>

// Files from older installations are in the ANSI code page of the machine that wrote
// them; this machine's ANSI code page is the best guess for them.
QString TextFile::decodeLegacy(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    const int length =
        MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    if (length <= 0)
        return QString::fromLatin1(bytes);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), wide.data(), length);
    return QString::fromStdWString(wide);
}

QByteArray TextFile::encode(const QString& text)
{
    if (text.isEmpty())
        return {};
    const std::wstring wide = text.toStdWString();
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                           int(wide.size()), nullptr, 0, nullptr, &lossy);
    if (length > 0 && !lossy) {
        QByteArray ansi(length, Qt::Uninitialized);
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()),
                            ansi.data(), length, nullptr, nullptr);
        // Bytes that also make valid UTF-8 ("Ã©" is "é" in UTF-8) would be read back as
        // that: such a text goes as marked UTF-8 below.
        if (decode(ansi) == text)
            return ansi;
    }
    // Some character has no place in the ANSI code page: keep every one as UTF-8, marked
    // so that the reader knows.
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}
