#include "support/ScriptedDesktopServices.h"
#include "support/ScriptedQueue.h"

#include <gtest/gtest.h>

ScriptedDesktopServices::~ScriptedDesktopServices()
{
    EXPECT_TRUE(answers.empty() && folderChoices.empty() && dialogSteps.empty())
        << "scripted answers left unused: " << answers.size() << " boxes, " << folderChoices.size()
        << " folder dialogs, " << dialogSteps.size() << " dialogs";
}

MessageAnswer ScriptedDesktopServices::showMessage(QWidget *, const Message &message)
{
    messages.push_back(message);
    return takeNext(answers, "box: " + message.title.toStdString(), MessageAnswer::No);
}

QString ScriptedDesktopServices::chooseFolder(QWidget *, const QString &, const QString &startFolder)
{
    folderDialogStarts.push_back(startFolder);
    return takeNext(folderChoices, "folder dialog", QString());
}

void ScriptedDesktopServices::runModal(QDialog &dialog)
{
    dialog.show();
    if (const auto step = takeNext(dialogSteps, "dialog: " + dialog.objectName().toStdString(), {}))
        step(dialog);
}
