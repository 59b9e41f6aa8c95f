#pragma once

#include "naming/RenameRun.h"
#include "support/ScriptedQueue.h"

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
    NamesKept namesKeptForecast;
    QStringList titles;
    QStringList texts;
    int busyChanges = 0;
    int rescans = 0;
    bool ended = false;

    MessageAnswer showMessage(const Message &message) override
    {
        titles.append(message.title);
        texts.append(message.text);
        return takeNext(answers, "box " + message.title.toStdString(), MessageAnswer::No);
    }
    void setBusy(bool) override { ++busyChanges; }
    bool IsForceTagEdit() override { return forceTagEdit; }
    NameChoice nameChoice() override { return {}; }
    NamesKept namesKept() override { return namesKeptForecast; }
    void editTags() override
    {
        if (const auto step = takeNext(editorSteps, "tag editor", {}))
            step();
    }
    void ScanFilesFromFolder() override { ++rescans; }
    QString lastText() const { return texts.value(texts.size() - 1); }
    void endProgram() override { ended = true; }
};
