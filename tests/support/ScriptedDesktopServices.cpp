#include "support/ScriptedDesktopServices.h"

#include <gtest/gtest.h>

MessageAnswer ScriptedDesktopServices::showMessage(QWidget *, const Message &message)
{
    messages.push_back(message);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected box: " << message.title.toStdString();
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDesktopServices::openAddress(const QUrl &address)
{
    openedAddresses.push_back(address);
}

bool ScriptedDesktopServices::startDetached(const QString &program, const QStringList &arguments)
{
    startedPrograms.push_back({program, arguments});
    return programsStart;
}

QString ScriptedDesktopServices::chooseFolder(QWidget *, const QString &, const QString &startFolder)
{
    folderDialogStarts.push_back(startFolder);
    if (folderChoices.empty()) {
        ADD_FAILURE() << "unexpected folder dialog";
        return {};
    }
    const QString choice = folderChoices.front();
    folderChoices.pop_front();
    return choice;
}

void ScriptedDesktopServices::runModal(QDialog &dialog)
{
    ++dialogsRun;
    if (dialogSteps.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.objectName().toStdString();
        return;
    }
    const DialogStep step = std::move(dialogSteps.front());
    dialogSteps.pop_front();
    dialog.show();
    step(dialog);
    dialog.hide();
}

void ScriptedDesktopServices::endProgram()
{
    programEnded = true;
}
