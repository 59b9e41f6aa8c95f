#pragma once

#include "platform/DesktopServices.h"

// The desktop itself: Qt's message boxes and folder dialog, the desktop's URL handler and
// detached processes.
class QtDesktopServices final : public DesktopServices
{
public:
    MessageAnswer showMessage(QWidget *parent, const Message &message) override;
    void openAddress(const QUrl &address) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &startFolder) override;
    void runModal(QDialog &dialog) override;
    [[noreturn]] void endProgram() override;
};
