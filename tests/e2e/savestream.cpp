// Saves the data files over and over through the program's own code, as fast as it can,
// and says on its standard output when each save begins and when it has ended:
//   savestream <data folder> <settings file> <first version>
// Every line goes out unbuffered, so that a kill leaves the last line it wrote readable.
#include "SaveStream.h"

#include <QCoreApplication>
#include <QDir>
#include <unistd.h>

namespace {

void say(const QByteArray& line)
{
    const QByteArray text = line + '\n';
    qsizetype done = 0;
    while (done < text.size()) {
        const ssize_t written =
            ::write(STDOUT_FILENO, text.constData() + done, size_t(text.size() - done));
        if (written <= 0)
            return;
        done += written;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4)
        return 2;
    const QString dataFolder = arguments[1];
    const QString settingsFile = arguments[2];
    for (int version = arguments[3].toInt() + 1;; ++version) {
        for (const SaveStream::File file : SaveStream::files) {
            const QByteArray what =
                QByteArray::number(int(file)) + ' ' + QByteArray::number(version);
            say("begin " + what);
            if (!SaveStream::save(file, version, dataFolder, settingsFile)) {
                say("failed " + what);
                return 1;
            }
            say("end " + what);
        }
    }
}
