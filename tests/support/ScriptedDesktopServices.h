#pragma once

#include "platform/DesktopServices.h"

#include <QDialog>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <vector>

// Desktop services that never wait on a person: each box is recorded and answered from a
// queue, each address and started program is recorded, and modal dialogs are run by
// scripted steps instead of an event loop. An unscripted box or dialog fails the test, and
// so does an answer or step still queued when the services go: every box scripted showed.
class ScriptedDesktopServices final : public DesktopServices
{
public:
    ~ScriptedDesktopServices() override;

    // Queued answers and steps, used in order.
    std::deque<MessageAnswer> answers;
    std::deque<QString> folderChoices;
    std::deque<std::function<void(QDialog &)>> dialogSteps;
    bool programsStart = true;

    // What happened; a started program is listed with its arguments after it.
    std::vector<Message> messages;
    std::vector<QUrl> openedAddresses;
    std::vector<QStringList> startedPrograms;
    std::vector<QString> folderDialogStarts;
    int programEnds = 0;

    MessageAnswer showMessage(QWidget *parent, const Message &message) override;
    void openAddress(const QUrl &address) override { openedAddresses.push_back(address); }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        startedPrograms.push_back(QStringList {program} + arguments);
        return programsStart;
    }
    QString chooseFolder(QWidget *parent, const QString &title, const QString &startFolder) override;
    void runModal(QDialog &dialog) override;
    void endProgram() override { ++programEnds; }
};
