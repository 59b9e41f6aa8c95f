#pragma once

#include "naming/FileNameCleaning.h"
#include "naming/NameChoice.h"

#include <QString>

class MP3File;

// The file name (no folder, ending in ".mp3") that file should have under choice. Each field
// counts up to its first NUL and is cleaned of what a name may not hold, the track written as
// its number with at least two digits. A convention marks the file as missing tags when a
// field it needs is empty; a pattern when a field it uses is. Either marks it when a part of
// the name cleans to blanks, and never clears the mark. A name never starts with ".", which
// would hide the file: a leading "." becomes "_".
QString BuildNewFileName(MP3File &file, const NameChoice &choice, const IllegalCharList &illegalChars);
