#pragma once

#include <QString>
#include <QStringView>

// The text before its first NUL; all of it when it holds none. Tag fields written by other
// software are padded with NULs, and a person or the desktop should get only the text.
inline QString textUpToNul(QStringView text)
{
    return text.left(text.indexOf(QChar(u'\0'))).toString();
}
