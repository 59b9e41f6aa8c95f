#include "support/SettingsStore.h"

#include "settings/Registry.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

// Where Qt keeps the program's settings within a scope's folder.
const QString kFolder = u"Kestova"_s;
const QString kFile = kFolder + u"/Sorvane.conf"_s;

} // namespace

SettingsStore::SettingsStore()
{
    RedirectSettings(m_user.path(), m_machine.path());
}

void SettingsStore::writeFile(File file, const QByteArray &text) const
{
    const TempFolder &folder = file == File::Machine ? m_machine : m_user;
    folder.makeFolder(kFolder);
    folder.write(kFile, text);
}

QVariant SettingsStore::value(const QString &key) const
{
    return QSettings(m_user.path(kFile), QSettings::NativeFormat).value(key);
}
