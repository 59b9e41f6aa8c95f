#pragma once

#include "track/TagFields.h"

#include <QString>

// Guesses title, artist and album from a file's path, for a file without a tag block.
// Works on the string alone and never fails; Comment, Year and Genre stay empty.
TagFields GuessTagsFromFileName(const QString &path);

// The number of pieces that splitting text at every separator gives, minus one; 0 for an
// empty text.
int CountSeparators(const QString &text, const QString &separator);

// Turns the last "/" of path into " - ", trimming spaces on both sides:
// "/MP3/Band/01 - Song.mp3" becomes "/MP3/Band - 01 - Song.mp3".
QString FoldFolderIntoName(const QString &path);
