#pragma once

#include "naming/NamePattern.h"

#include <optional>

// What proposed names are built after: the naming convention at conventionIndex (-1 or any
// unknown index means the first), or, when ownPattern holds one, the person's own pattern.
struct NameChoice
{
    int conventionIndex = 0;
    std::optional<NamePattern> ownPattern;
};
