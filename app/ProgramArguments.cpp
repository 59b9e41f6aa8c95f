#include "app/ProgramArguments.h"

#include "platform/FileLookup.h"

#include <QFile>

QStringList ProgramArguments(int argc, const char *const argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        // A path holding a NUL is refused by every lookup, so it names no file.
        arguments.append(decodedPath(argv[i]).value_or(QFile::decodeName(argv[i]) + QChar(u'\0')));
    }
    return arguments;
}
