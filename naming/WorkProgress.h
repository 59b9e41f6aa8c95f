#pragma once

#include <QtGlobal>

// Told how far a long piece of work has got, between two of its steps; it may stop the work
// there.
class WorkProgress
{
public:
    enum class Work {
        FindingFiles, // done counts the folders read; the total is not known yet
        ReadingTags,
        Renaming,
    };

    virtual ~WorkProgress() = default;

    // done of total steps are through. False stops the work before the next step.
    virtual bool carryOn(Work work, qsizetype done, qsizetype total) = 0;
};
