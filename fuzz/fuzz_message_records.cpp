// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of message files and of their index, as the
// program reads them from disk, and checks that whatever it reads is saved and read
// back unchanged: a damaged file may cost lines, but a save must never change messages.
#include "library/MessageRecords.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray shown(const QString& content)
{
    return content.toUtf8().toPercentEncoding(" ,\"#");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString content = TextFile::decode(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QList<MessageRecord> records = MessageRecords::parse(content);
    const QString saved = MessageRecords::format(records);
    const QList<MessageRecord> again =
        MessageRecords::parse(TextFile::decode(TextFile::encode(saved)));
    if (again != records) {
        std::fprintf(stderr, "read:\n%s\nread back after saving:\n%s\n", shown(saved).constData(),
                     shown(MessageRecords::format(again)).constData());
        std::abort();
    }
    return 0;
}
