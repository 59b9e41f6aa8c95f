#pragma once

#include <QString>

// The settings store. A key path "Software\Organisation\Application\Group\..." names the
// settings of that organisation and application, and the group inside them; values are text.
// Each user has a file of their own, Organisation/Application.conf in $XDG_CONFIG_HOME
// (~/.config by default), over the machine-wide file of that name in the first folder of
// $XDG_CONFIG_DIRS (/etc/xdg by default), which only an administrator may write. A value the
// user's file lacks is read from the machine-wide file, and every write goes to the user's
// file: each user keeps their own settings, and an administrator sets defaults for all.

// The program's own key.
inline const QString ProgramKey = QStringLiteral("Software\\Kestova\\Sorvane");

// The text stored under valueName, cut at its first NUL; defaultText when there is none, or
// when what is stored is not plain text (a list, bytes, another type).
QString ReadRegistryString(const QString &keyPath, const QString &valueName, const QString &defaultText);

// Stores text under valueName, creating the key. A store that cannot be written stays
// silent: the next read simply does not find the value.
void WriteRegistryString(const QString &keyPath, const QString &valueName, const QString &text);

// A value under the program's key.
void WriteSetting(const QString &valueName, const QString &text);

// Keeps the user's file in userFolder and the machine-wide file in machineFolder from now on,
// for tools and tests that must neither show nor change anyone's real settings.
void RedirectSettings(const QString &userFolder, const QString &machineFolder);
