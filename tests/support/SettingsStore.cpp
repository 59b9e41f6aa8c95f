#include "support/SettingsStore.h"

#include <QDir>
#include <QSettings>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Qt keeps one settings path per scope for the whole process.
std::vector<QString> &storesInUse()
{
    static std::vector<QString> folders;
    return folders;
}

} // namespace

SettingsStore::SettingsStore()
{
    storesInUse().push_back(m_folder.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_folder.path());
}

SettingsStore::~SettingsStore()
{
    storesInUse().pop_back();
    if (!storesInUse().empty())
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, storesInUse().back());
}

void SettingsStore::writeFile(const QByteArray &text) const
{
    m_folder.makeFolder(u"Kestova"_s);
    m_folder.write(u"Kestova/Sorvane.conf"_s, text);
}

QVariant SettingsStore::value(const QString &key) const
{
    return QSettings(QSettings::NativeFormat, QSettings::SystemScope, u"Kestova"_s, u"Sorvane"_s).value(key);
}
