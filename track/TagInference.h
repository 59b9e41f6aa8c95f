#pragma once

#include "track/TagFields.h"

#include <QString>

// Guesses title, artist and album from a file's path, for a file without a tag block.
// Works on the string alone and never fails; Comment, Year and Genre stay empty.
TagFields GuessTagsFromFileName(const QString &path);
