#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

// Menu entries carry object names, so that each can be found by the name the program gives it.
inline QAction *addNamedAction(
    QMenu &menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu.addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

inline QAction *addNamedSeparator(QMenu &menu, const QString &name)
{
    QAction *separator = menu.addSeparator();
    separator->setObjectName(name);
    return separator;
}
