#pragma once

#include "naming/FileNameCleaning.h"

#include <QString>

class MP3File;

// The file name (no folder, ending in ".mp3") that file should have under the naming
// convention at conventionIndex (-1 or any unknown index means the first convention).
// Each field counts up to its first NUL. Marks the file as missing tags when a needed field
// is empty, or when every part of the name cleans to blanks; never clears the mark. A name
// never starts with ".", which would hide the file: a leading "." becomes "_".
QString BuildNewFileName(MP3File &file, int conventionIndex, const IllegalCharList &illegalChars);
