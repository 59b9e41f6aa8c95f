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
std::vector<std::pair<QString, QString>> &storesInUse()
{
    static std::vector<std::pair<QString, QString>> folders;
    return folders;
}

const QFile::Permissions kReadable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
const QFile::Permissions kReadOnlyFolder = kReadable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;

} // namespace

SettingsStore::SettingsStore()
{
    storesInUse().emplace_back(m_user.path(), m_machine.path());
    RedirectSettings(m_user.path(), m_machine.path());
}

SettingsStore::~SettingsStore()
{
    // The read-only folder must be writable again for its removal.
    QFile::setPermissions(m_machine.path(kFolder), kReadOnlyFolder | QFile::WriteOwner);
    storesInUse().pop_back();
    if (!storesInUse().empty())
        RedirectSettings(storesInUse().back().first, storesInUse().back().second);
}

void SettingsStore::writeFile(File file, const QByteArray &text) const
{
    const QString folderPath = folder(file).makeFolder(kFolder);
    QFile::setPermissions(folderPath, kReadOnlyFolder | QFile::WriteOwner);
    QFile::remove(folder(file).path(kFile));
    const QString filePath = folder(file).write(kFile, text);
    if (file == File::Machine) {
        QFile::setPermissions(filePath, kReadable);
        QFile::setPermissions(folderPath, kReadOnlyFolder);
    }
}

QByteArray SettingsStore::fileBytes(File file) const
{
    return folder(file).read(kFile);
}

QVariant SettingsStore::value(const QString &key) const
{
    return QSettings(m_user.path(kFile), QSettings::NativeFormat).value(key);
}
