#pragma once

#include <QString>

// The ID3v1 genre table: the genre byte of a tag block is an index into it.
namespace GenreNames {

inline constexpr int Count = 148;
// The byte written for "no genre": one past the last name.
inline constexpr quint8 None = Count;

// The name at index, or an empty string for an index outside the table.
QString name(int index);

} // namespace GenreNames
