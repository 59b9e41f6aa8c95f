#include "platform/StateFolder.h"

#include <QDir>

using namespace Qt::StringLiterals;

QString userStateFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + u"/.local/state"_s;
    return base + u"/Sorvane"_s;
}
