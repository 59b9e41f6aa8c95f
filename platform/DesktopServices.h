#pragma once

#include "platform/Message.h"

#include <QString>
#include <QStringList>

class QDialog;
class QUrl;
class QWidget;

// Every effect that leaves the program or waits on a person goes through here, so that
// tests can script the person and record the effects.
class DesktopServices
{
public:
    virtual ~DesktopServices() = default;

    // Shows a modal box over parent and waits for the answer.
    virtual MessageAnswer showMessage(QWidget *parent, const Message &message) = 0;
    // Hands a web address to the desktop's browser; failures are silent.
    virtual void openAddress(const QUrl &address) = 0;
    // Starts program with arguments, each passed whole (no shell), without waiting for it.
    // False when it cannot be started.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
    // The folder the person picks in the desktop's folder dialog, or empty when cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &startFolder) = 0;
    // Shows dialog modally and returns once it has closed.
    virtual void runModal(QDialog &dialog) = 0;
    // Ends the process at once: nothing is asked and nothing saved. Callers return right after.
    virtual void endProgram() = 0;
};
