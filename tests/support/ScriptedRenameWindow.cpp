#include "support/ScriptedRenameWindow.h"

#include <gtest/gtest.h>

MessageAnswer ScriptedRenameWindow::showMessage(const Message &message)
{
    titles.append(message.title);
    lastText = message.text;
    EXPECT_FALSE(answers.empty()) << "unexpected box " << message.title.toStdString();
    if (answers.empty())
        return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedRenameWindow::editTags()
{
    ASSERT_FALSE(editorSteps.empty()) << "unexpected tag editor";
    const auto step = std::move(editorSteps.front());
    editorSteps.pop_front();
    step();
}
