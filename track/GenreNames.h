#pragma once

#include <QString>

#include <optional>

// The ID3v1 genre table: the genre byte of a tag block is an index into it.
namespace GenreNames {

inline constexpr int Count = 148;
// The byte written for "no genre". Every byte past the table reads as none here, but other
// software extends the table: to it 148 is a genre, and only 255 means none.
inline constexpr quint8 None = 255;

// The name at index, or an empty string for an index outside the table.
QString name(int index);
// The index of the genre named name, in any letter case; nothing for a name not in the table.
std::optional<int> indexOf(const QString &name);

} // namespace GenreNames
