#include "support/SettingsStore.h"

#include "settings/Registry.h"

#include <QSettings>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString kFolder = u"Kestova"_s;
const QString kFile = u"Kestova/Sorvane.conf"_s;

// Qt keeps one settings path per scope for the whole process: the user's and the machine's.
std::vector<std::pair<QString, QString>> storesInUse;

} // namespace

SettingsStore::SettingsStore()
{
    storesInUse.emplace_back(m_user.path(), m_machine.path());
    RedirectSettings(m_user.path(), m_machine.path());
}

SettingsStore::~SettingsStore()
{
    storesInUse.pop_back();
    if (!storesInUse.empty())
        RedirectSettings(storesInUse.back().first, storesInUse.back().second);
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
