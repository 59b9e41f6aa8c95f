#pragma once

#include "track/SpaceTrim.h"

#include <QString>
#include <QStringView>

// The text before its first NUL; all of it when it holds none. Tag fields written by other
// software are padded with NULs, and a person or the desktop should get only the text.
inline QString textUpToNul(QStringView text)
{
    return text.left(text.indexOf(QChar(u'\0'))).toString();
}

// A tag field as people and other tools read it: the text before its first NUL, without
// spaces at its ends. Whatever an old, longer value left after the NUL is not part of it.
inline QString fieldText(QStringView field)
{
    return trimSpaces(textUpToNul(field));
}
