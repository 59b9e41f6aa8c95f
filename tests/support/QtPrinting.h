#pragma once

#include <QString>
#include <QUrl>

#include <ostream>

// Readable failure messages for Qt values in tests; lists of them print element by element.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QUrl &address, std::ostream *out)
{
    *out << address.toString().toStdString();
}
