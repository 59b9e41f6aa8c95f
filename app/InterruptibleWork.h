#pragma once

#include "naming/WorkProgress.h"

#include <QElapsedTimer>
#include <QObject>

class QLabel;
class QWidget;

// Long work on the user-interface thread, in a window: while it runs, the window repaints
// a few times a second, its status panel says how far the work has got, and Esc stops
// it between two steps. The window takes no other input meanwhile, so that nothing starts
// under the work; other windows (the tag editor, message boxes) take theirs as usual.
class InterruptibleWork final : public QObject, public WorkProgress
{
    Q_OBJECT

public:
    // Work of fewer steps than this shows no progress and cannot be stopped.
    static constexpr qsizetype ShownFromSteps = 300;

    InterruptibleWork(QWidget &window, QLabel &statusPanel);
    ~InterruptibleWork() override;

    bool carryOn(Work work, qsizetype done, qsizetype total) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    QLabel &m_statusPanel;
    QElapsedTimer m_sinceRedraw;
    bool m_stopRequested = false;
};
