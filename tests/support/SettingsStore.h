#pragma once

#include "support/TempFolder.h"

#include <QString>

// A settings store of its own for one test: the user's file and the machine-wide file live in
// temporary folders instead of the user's and the system's. A store is in use from its making
// until the next one is made.
class SettingsStore
{
public:
    enum class File { Machine, User };

    SettingsStore();

    // Replaces one of the program's settings files with text, as a person would write it.
    void writeFile(File file, const QByteArray &text) const;
    // A value as a fresh reader finds it in the user's file alone.
    QVariant value(const QString &key) const;

private:
    TempFolder m_machine;
    TempFolder m_user;
};
