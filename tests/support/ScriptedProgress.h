#pragma once

#include "naming/WorkProgress.h"

#include <functional>
#include <optional>

// Lets work run to its end, or stops it before step stopAt; atStep runs before each step.
class ScriptedProgress final : public WorkProgress
{
public:
    std::optional<qsizetype> stopAt;
    std::function<void(Work work, qsizetype done)> atStep;

    bool carryOn(Work work, qsizetype done, qsizetype) override
    {
        if (atStep)
            atStep(work, done);
        return !stopAt || done < *stopAt;
    }
};
