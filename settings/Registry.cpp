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

Location locate(RegistryHive hive, const QString &keyPath, const QString &valueName)
{
    const QStringList parts = keyPath.split(u'\\');
    if (parts.size() < 3 || parts[0] != u"Software"_s || parts[1].isEmpty() || parts[2].isEmpty())
        return {};
    const auto scope = hive == RegistryHive::LocalMachine ? QSettings::SystemScope : QSettings::UserScope;
    QStringList key = parts.mid(3);
    key.append(valueName);
    return {std::make_unique<QSettings>(QSettings::NativeFormat, scope, parts[1], parts[2]), key.join(u'/')};
}

} // namespace

QString ReadRegistryString(
    RegistryHive hive, const QString &keyPath, const QString &valueName, const QString &defaultText)
{
    const Location location = locate(hive, keyPath, valueName);
    if (!location.settings)
        return defaultText;
    const QVariant value = location.settings->value(location.key);
    if (value.typeId() != QMetaType::QString)
        return defaultText;
    return textUpToNul(value.toString());
}

void WriteRegistryString(RegistryHive hive, const QString &keyPath, const QString &valueName, const QString &text)
{
    const Location location = locate(hive, keyPath, valueName);
    if (location.settings)
        location.settings->setValue(location.key, text);
}

void WriteSetting(const QString &valueName, const QString &text)
{
    WriteRegistryString(RegistryHive::LocalMachine, ProgramKey, valueName, text);
}
