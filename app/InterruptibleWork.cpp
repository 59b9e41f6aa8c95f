#include "app/InterruptibleWork.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Often enough to look alive, rarely enough to cost the work nothing it would notice.
constexpr qint64 RedrawIntervalMs = 200;

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

QString progressText(WorkProgress::Work work, qsizetype done, qsizetype total)
{
    switch (work) {
    case WorkProgress::Work::ReadingTags:
        return QCoreApplication::translate("InterruptibleWork", "Reading tags: %L1 of %L2").arg(done).arg(total);
    case WorkProgress::Work::Renaming:
        return QCoreApplication::translate("InterruptibleWork", "Renaming: %L1 of %L2").arg(done).arg(total);
    case WorkProgress::Work::FindingFiles:
        break;
    }
    return {};
}

} // namespace

InterruptibleWork::InterruptibleWork(QWidget &window, QLabel &statusPanel)
    : m_window(window)
    , m_statusPanel(statusPanel)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InterruptibleWork::~InterruptibleWork()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InterruptibleWork::carryOn(Work work, qsizetype done, qsizetype total)
{
    if (work != Work::FindingFiles && total < ShownFromSteps)
        return true;
    if (m_sinceRedraw.isValid() && m_sinceRedraw.elapsed() < RedrawIntervalMs)
        return !m_stopRequested;
    if (const QString text = progressText(work, done, total); !text.isEmpty())
        m_statusPanel.setText(text);
    QCoreApplication::processEvents();
    m_sinceRedraw.start();
    return !m_stopRequested;
}

bool InterruptibleWork::eventFilter(QObject *watched, QEvent *event)
{
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &m_window || !isInput(event->type()))
        return false;
    if (event->type() == QEvent::KeyPress && static_cast<const QKeyEvent &>(*event).key() == Qt::Key_Escape)
        m_stopRequested = true;
    // Input that reaches the window while it works waits for nobody: it is dropped.
    event->ignore();
    return true;
}
