#include "support/SettingsStore.h"

#include "settings/Registry.h"

#include <QFile>
#include <QSettings>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString kFolder = u"Kestova"_s;
const QString kFile = u"Kestova/Sorvane.conf"_s;

// Qt keeps one settings path per scope for the whole process: the user's and the machine's.
std::vector<std::pair<QString, QString>> storesInUse;

const QFile::Permissions kReadOnlyFolder
    = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

} // namespace

SettingsStore::SettingsStore()
{
    storesInUse.emplace_back(m_user.path(), m_machine.path());
    RedirectSettings(m_user.path(), m_machine.path());
}

SettingsStore::~SettingsStore()
{
    // The read-only folder must be writable again for its removal.
    QFile::setPermissions(m_machine.path(kFolder), kReadOnlyFolder | QFile::WriteOwner);
    storesInUse.pop_back();
    if (!storesInUse.empty())
        RedirectSettings(storesInUse.back().first, storesInUse.back().second);
}

void SettingsStore::writeFile(File file, const QByteArray &text) const
{
    const QString folderPath = folder(file).makeFolder(kFolder);
    QFile::setPermissions(folderPath, kReadOnlyFolder | QFile::WriteOwner);
    folder(file).write(kFile, text);
    // Qt saves a file by replacing it, which a read-only folder refuses.
    if (file == File::Machine)
        QFile::setPermissions(folderPath, kReadOnlyFolder);
}

QVariant SettingsStore::value(const QString &key) const
{
    return QSettings(m_user.path(kFile), QSettings::NativeFormat).value(key);
}
