#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <ostream>

// Readable failure messages for Qt values in tests.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '[' << list.join(u", ").toStdString() << ']';
}

inline void PrintTo(const QUrl &address, std::ostream *out)
{
    *out << address.toString().toStdString();
}
