#include "settings/Registry.h"

#include "track/TextUpToNul.h"

#include <QSettings>
#include <QStringList>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The settings file and the key inside it for a value, or nothing for a key path that
// names no organisation and application.
struct Location
{
    std::unique_ptr<QSettings> settings;
    QString key;
};

Location locate(const QString &keyPath, const QString &valueName)
{
    const QStringList parts = keyPath.split(u'\\');
    if (parts.size() < 3 || parts[0] != u"Software"_s || parts[1].isEmpty() || parts[2].isEmpty())
        return {};
    QStringList key = parts.mid(3);
    key.append(valueName);
    // The user scope: Qt reads a value the user's file lacks from the machine-wide file, and
    // writes to the user's file alone.
    return {
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, parts[1], parts[2]), key.join(u'/')};
}

} // namespace

QString ReadRegistryString(const QString &keyPath, const QString &valueName, const QString &defaultText)
{
    const Location location = locate(keyPath, valueName);
    if (!location.settings)
        return defaultText;
    const QVariant value = location.settings->value(location.key);
    if (value.typeId() != QMetaType::QString)
        return defaultText;
    return textUpToNul(value.toString());
}

void WriteRegistryString(const QString &keyPath, const QString &valueName, const QString &text)
{
    const Location location = locate(keyPath, valueName);
    if (location.settings)
        location.settings->setValue(location.key, text);
}

void WriteSetting(const QString &valueName, const QString &text)
{
    WriteRegistryString(ProgramKey, valueName, text);
}

void RedirectSettings(const QString &userFolder, const QString &machineFolder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userFolder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, machineFolder);
}
