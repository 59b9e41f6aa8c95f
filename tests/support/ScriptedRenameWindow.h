#pragma once

#include "naming/RenameRun.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

// A window for a rename run that answers from a script; its tag editor runs scripted steps
// on the file in hand. A box or an editor the script did not expect fails the test.
class ScriptedRenameWindow final : public RenameWindow
{
public:
    std::deque<MessageAnswer> answers;
    std::deque<std::function<void()>> editorSteps;
    bool forceTagEdit = false;
    QStringList titles;
    QString lastText;
    int busyChanges = 0;
    int rescans = 0;
    bool ended = false;

    MessageAnswer showMessage(const Message &message) override
    {
        titles.append(message.title);
        lastText = message.text;
        EXPECT_FALSE(answers.empty()) << "unexpected box " << message.title.toStdString();
        const MessageAnswer answer = answers.empty() ? MessageAnswer::No : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void setBusy(bool) override { ++busyChanges; }
    bool IsForceTagEdit() override { return forceTagEdit; }
    int conventionIndex() override { return 0; }
    int filesKeepingNames() override { return 0; }
    void editTags() override
    {
        ASSERT_FALSE(editorSteps.empty()) << "unexpected tag editor";
        const auto step = std::move(editorSteps.front());
        editorSteps.pop_front();
        step();
    }
    void ScanFilesFromFolder() override { ++rescans; }
    void endProgram() override { ended = true; }
};
