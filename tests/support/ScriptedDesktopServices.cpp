#include "support/ScriptedDesktopServices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The next scripted answer, or otherwise with a failure when the script has none left.
template <typename Scripted> Scripted takeNext(std::deque<Scripted> &queue, const std::string &what, Scripted otherwise)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return otherwise;
    }
    Scripted next = std::move(queue.front());
    queue.pop_front();
    return next;
}

} // namespace

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
