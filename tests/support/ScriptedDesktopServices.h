#pragma once

#include "platform/DesktopServices.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <ostream>
#include <vector>

// Desktop services that never wait on a person: each box is recorded and answered from a
// queue, each address and started program is recorded, and modal dialogs are run by
// scripted steps instead of an event loop. An unscripted box or dialog fails the test.
class ScriptedDesktopServices final : public DesktopServices
{
public:
    struct StartedProgram
    {
        QString program;
        QStringList arguments;
        friend bool operator==(const StartedProgram &, const StartedProgram &) = default;
        friend void PrintTo(const StartedProgram &started, std::ostream *out)
        {
            *out << started.program.toStdString() << " [" << started.arguments.join(u", ").toStdString() << ']';
        }
    };
    using DialogStep = std::function<void(QDialog &)>;

    // Queued answers and steps, used in order.
    std::deque<MessageAnswer> answers;
    std::deque<QString> folderChoices;
    std::deque<DialogStep> dialogSteps;
    bool programsStart = true;

    // What happened.
    std::vector<Message> messages;
    std::vector<QUrl> openedAddresses;
    std::vector<StartedProgram> startedPrograms;
    std::vector<QString> folderDialogStarts;
    int dialogsRun = 0;
    bool programEnded = false;

    MessageAnswer showMessage(QWidget *parent, const Message &message) override;
    void openAddress(const QUrl &address) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &startFolder) override;
    void runModal(QDialog &dialog) override;
    void endProgram() override;
};
