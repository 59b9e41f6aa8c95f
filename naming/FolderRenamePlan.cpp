#include "naming/FolderRenamePlan.h"

#include "platform/RenameWithoutReplacing.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace {

QString folded(const QString &name)
{
    return name.toCaseFolded();
}

} // namespace

FolderRenamePlan::FolderRenamePlan(
    const QStringList &entryNames, const QStringList &listedNames, qsizetype nameMax, RenameSteps &steps)
    : m_steps(steps)
    , m_nameMax(nameMax)
    , m_files(size_t(listedNames.size()))
{
    m_holders.reserve(entryNames.size());
    for (const QString &name : entryNames)
        m_holders[folded(name)].push_back({name, Stranger});
    for (qsizetype i = 0; i < listedNames.size(); ++i) {
        const QString &name = listedNames[i];
        m_files[size_t(i)].oldName = m_files[size_t(i)].name = name;
        std::vector<Holder> &holders = m_holders[folded(name)];
        const auto own = std::ranges::find(holders, name, &Holder::name);
        if (own != holders.end())
            own->file = int(i);
        else
            holders.push_back({name, int(i)});
    }
}

void FolderRenamePlan::give(int file, const QString &newName)
{
    File &f = m_files[size_t(file)];
    f.newName = newName;
    if (newName == f.oldName)
        return keep(file, RenameWarning::Unchanged);
    if (QFile::encodeName(newName).size() > m_nameMax)
        return keep(file, RenameWarning::NameTooLong);
    f.state = State::Waiting;
    offer(file);
    serveWaiting();
}

void FolderRenamePlan::keep(int file, RenameWarning why)
{
    settle(file, {why, {}});
    serveWaiting();
}

void FolderRenamePlan::forget(int file)
{
    File &f = m_files[size_t(file)];
    f.state = State::Kept;
    f.forecast = {RenameWarning::NotRenamed, {}};
    std::erase_if(m_holders[folded(f.name)], [file](const Holder &h) { return h.file == file; });
    release(f.name);
    serveWaiting();
}

void FolderRenamePlan::finish()
{
    for (size_t i = 0; i < m_files.size(); ++i) {
        File &f = m_files[i];
        if (f.state != State::Waiting)
            continue;
        // Half way round a cycle whose other files the run never reached.
        if (f.name != f.oldName && holdersOf(f.oldName, int(i)).empty())
            moveTo(int(i), RenameSteps::Step::BackToOldName, f.oldName);
        settle(int(i), {RenameWarning::NotRenamed, {}});
    }
    serveWaiting();
}

// The file gets its new name now, waits for the files that hold it, or is refused it.
void FolderRenamePlan::offer(int file)
{
    File &f = m_files[size_t(file)];
    const std::vector<Holder> holders = holdersOf(f.newName, file);
    if (holders.empty()) {
        const bool fromTemporary = f.name != f.oldName;
        if (!moveTo(
                file, fromTemporary ? RenameSteps::Step::FromTemporaryName : RenameSteps::Step::ToNewName, f.newName))
            settle(file, {RenameWarning::NotRenamed, {}});
        return;
    }
    const auto settled = std::ranges::find_if(holders, [this](const Holder &h) { return isSettled(h); });
    if (settled != holders.end()) {
        // Spelled exactly as the new name, if such a holder stays, else but for case.
        const auto exact
            = std::ranges::find_if(holders, [&](const Holder &h) { return isSettled(h) && h.name == f.newName; });
        const Holder &holder = exact != holders.end() ? *exact : *settled;
        const RenameWarning why = holder.name == f.newName ? RenameWarning::NameTaken : RenameWarning::NameCaseClash;
        if (f.name != f.oldName && holdersOf(f.oldName, file).empty())
            moveTo(file, RenameSteps::Step::BackToOldName, f.oldName);
        settle(file, {why, holder.name});
        return;
    }
    m_waiting[folded(f.newName)].push_back(file);
    if (f.name == f.oldName && closesCycle(file))
        breakCycle(file);
}

// Whether the files that hold the new name of file wait, one through another, for the name
// file holds.
bool FolderRenamePlan::closesCycle(int file) const
{
    std::vector<int> toVisit;
    QSet<int> visited;
    const auto visitHoldersOf = [&](int waiting) {
        for (const Holder &holder : holdersOf(m_files[size_t(waiting)].newName, waiting)) {
            if (holder.file != Stranger && !visited.contains(holder.file)) {
                visited.insert(holder.file);
                toVisit.push_back(holder.file);
            }
        }
    };
    visitHoldersOf(file);
    while (!toVisit.empty()) {
        const int next = toVisit.back();
        toVisit.pop_back();
        if (next == file)
            return true;
        if (m_files[size_t(next)].state == State::Waiting)
            visitHoldersOf(next);
    }
    return false;
}

void FolderRenamePlan::breakCycle(int file)
{
    File &f = m_files[size_t(file)];
    QString temporary;
    do
        temporary = temporaryNameFor(f.oldName);
    while (!holdersOf(temporary, file).empty());
    if (!moveTo(file, RenameSteps::Step::ToTemporaryName, temporary))
        settle(file, {RenameWarning::NotRenamed, {}});
}

bool FolderRenamePlan::moveTo(int file, RenameSteps::Step step, const QString &to)
{
    File &f = m_files[size_t(file)];
    if (!m_steps.move({file, step, f.oldName, f.newName, f.name, to}))
        return false;
    std::vector<Holder> &from = m_holders[folded(f.name)];
    std::erase_if(from, [&](const Holder &h) { return h.file == file; });
    m_holders[folded(to)].push_back({to, file});
    release(f.name);
    f.name = to;
    if (step == RenameSteps::Step::ToNewName || step == RenameSteps::Step::FromTemporaryName) {
        f.state = State::Moved;
        f.forecast = {};
    }
    return true;
}

// The file stays under the name it has now; the files waiting for that name are refused it.
void FolderRenamePlan::settle(int file, RenameForecast forecast)
{
    File &f = m_files[size_t(file)];
    f.state = State::Kept;
    f.forecast = std::move(forecast);
    release(f.name);
}

void FolderRenamePlan::release(const QString &name)
{
    m_released.push_back(folded(name));
}

// Offers each name given up, or now held for good, to the files waiting for it, the first in
// run order first. Served in a loop rather than by recursion: a chain may be as long as the
// folder.
void FolderRenamePlan::serveWaiting()
{
    while (!m_released.empty()) {
        const QString name = std::move(m_released.back());
        m_released.pop_back();
        std::vector<int> waiting = m_waiting.take(name);
        std::ranges::sort(waiting);
        for (const int file : waiting) {
            if (m_files[size_t(file)].state == State::Waiting)
                offer(file);
        }
    }
}

bool FolderRenamePlan::isSettled(const Holder &holder) const
{
    if (holder.file == Stranger)
        return true;
    const State state = m_files[size_t(holder.file)].state;
    return state == State::Moved || state == State::Kept;
}

std::vector<FolderRenamePlan::Holder> FolderRenamePlan::holdersOf(const QString &name, int except) const
{
    std::vector<Holder> holders = m_holders.value(folded(name));
    std::erase_if(holders, [except](const Holder &h) { return h.file == except; });
    return holders;
}
