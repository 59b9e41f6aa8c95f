#pragma once

#include <QString>
#include <QStringList>

// The bare names of the MP3 files in directory: regular files (symbolic links followed)
// whose names end in ".mp3" in any case, are not hidden and decode whole, in
// case-insensitive name order (folded to upper case). A directory that cannot be read lists
// as empty.
QStringList listMP3Files(const QString &directory);
