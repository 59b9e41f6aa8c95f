#pragma once

// A tag field that goes into a file name. The track goes in as its number, at least two
// digits.
enum class NameField { Title, Artist, Album, Genre, Track, Year };

inline constexpr int NameFieldCount = 6;
