#pragma once

#include <QString>

// The settings store. A key path "Software\Organisation\Application\Group\..." names the
// settings file of that organisation and application, and the group inside it; values are
// text. The machine-wide hive is the system scope (on Linux the file
// Organisation/Application.conf in the first folder of $XDG_CONFIG_DIRS, /etc/xdg by
// default), the per-user hive the user scope.
enum class RegistryHive { LocalMachine, CurrentUser };

// The program's own key.
inline const QString ProgramKey = QStringLiteral("Software\\Kestova\\Sorvane");

// The text stored under valueName, cut at its first NUL; defaultText when there is none, or
// when what is stored is not plain text (a list, bytes, another type).
QString ReadRegistryString(
    RegistryHive hive, const QString &keyPath, const QString &valueName, const QString &defaultText);

// Stores text under valueName, creating the key. A store that cannot be written stays
// silent: the next read simply does not find the value.
void WriteRegistryString(RegistryHive hive, const QString &keyPath, const QString &valueName, const QString &text);

// A value under the program's key, machine-wide.
void WriteSetting(const QString &valueName, const QString &text);
