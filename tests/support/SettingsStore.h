#pragma once

#include "support/TempFolder.h"

#include <QString>

// A machine-wide settings store of its own for one test: the program's settings file lives
// in a temporary folder instead of the system's. Stores nest: when one goes, the one made
// before it is in use again.
class SettingsStore
{
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // Replaces the program's settings file with text, as an administrator would write it.
    void writeFile(const QByteArray &text) const;
    // A value as a fresh reader finds it in the file.
    QVariant value(const QString &key) const;

private:
    TempFolder m_folder;
};
