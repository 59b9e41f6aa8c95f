#pragma once

#include "naming/NameField.h"

#include <QStringList>

#include <vector>

// Whether and where a convention puts the year, which has rules of its own there: " (1980)" after the name or "1980 - "
// before it, only when the track has a year.
enum class YearPlacement { None, Suffix, Prefix };

struct NeededField
{
    NameField field;
    // A guarded field is taken cleaned only while the track is not yet marked as missing
    // tags; once marked, it goes into the name as it stands.
    bool guarded;
};

struct NamingConvention
{
    // The English label; namingConventionLabels gives it in the person's language.
    const char *label;
    std::vector<NeededField> neededFields; // in the order they are tested
    std::vector<NameField> layout; // joined by " - "
    YearPlacement year;
};

inline constexpr int NamingConventionCount = 9;

// The convention at index 0 to 8; -1 (nothing selected) and any other index give index 0.
const NamingConvention &namingConvention(int index);

// The labels of the conventions as the person reads them, in index order.
QStringList namingConventionLabels();
