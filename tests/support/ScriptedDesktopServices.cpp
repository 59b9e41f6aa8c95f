#include "support/ScriptedDesktopServices.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

template <typename Scripted> std::optional<Scripted> takeNext(std::deque<Scripted> &queue, const std::string &what)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return std::nullopt;
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
    const MessageAnswer refusal = message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    return takeNext(answers, "box: " + message.title.toStdString()).value_or(refusal);
}

void ScriptedDesktopServices::openAddress(const QUrl &address)
{
    openedAddresses.push_back(address);
}

bool ScriptedDesktopServices::startDetached(const QString &program, const QStringList &arguments)
{
    startedPrograms.push_back(QStringList {program} + arguments);
    return programsStart;
}

QString ScriptedDesktopServices::chooseFolder(QWidget *, const QString &, const QString &startFolder)
{
    folderDialogStarts.push_back(startFolder);
    return takeNext(folderChoices, "folder dialog").value_or(QString());
}

void ScriptedDesktopServices::runModal(QDialog &dialog)
{
    const std::optional<DialogStep> step = takeNext(dialogSteps, "dialog: " + dialog.objectName().toStdString());
    if (!step)
        return;
    dialog.show();
    (*step)(dialog);
    dialog.hide();
}

void ScriptedDesktopServices::endProgram()
{
    programEnded = true;
}
