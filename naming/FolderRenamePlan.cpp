#include "naming/FolderRenamePlan.h"

#include "platform/RenameWithoutReplacing.h"

#include <QFile>
#include <QSet>

#include <algorithm>

NamesKept namesKeptBy(const std::vector<RenameForecast> &forecasts)
{
    NamesKept kept;
    for (const RenameForecast &forecast : forecasts) {
        if (forecast.warning == RenameWarning::NameTooLong)
            ++kept.tooLong;
        else if (keepsNameInUse(forecast.warning))
            ++kept.inUse;
    }
    return kept;
}

size_t FolderRenamePlan::FoldedName::hash(QStringView name, size_t seed)
{
    QVarLengthArray<char16_t, 256> folded;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t character = name[i].unicode();
        if (QChar::isHighSurrogate(character) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            ++i;
            character = QChar::surrogateToUcs4(char16_t(character), name[i].unicode());
        }
        character = QChar::toCaseFolded(character);
        if (QChar::requiresSurrogates(character)) {
            folded.append(QChar::highSurrogate(character));
            folded.append(QChar::lowSurrogate(character));
        } else {
            folded.append(char16_t(character));
        }
    }
    return qHash(QStringView(folded.data(), folded.size()), seed);
}

FolderRenamePlan::FolderRenamePlan(
    const QStringList &entryNames, QStringList listedNames, qsizetype nameMax, RenameSteps &steps)
    : m_steps(steps)
    , m_nameMax(nameMax)
    , m_files(size_t(listedNames.size()))
{
    m_holders.reserve(size_t(entryNames.size() + listedNames.size()));
    m_firstHolder.reserve(entryNames.size());
    for (const QString &name : entryNames)
        addHolder(name, Stranger);
    for (qsizetype i = 0; i < listedNames.size(); ++i) {
        const QString &name = listedNames[i];
        File &f = m_files[size_t(i)];
        // No holder is the file's yet: none is left out.
        for (const int holder : holdersOf(name, int(i))) {
            if (m_holders[size_t(holder)].file == Stranger && m_holders[size_t(holder)].name == name) {
                f.holder = holder;
                m_holders[size_t(holder)].file = int(i);
                break;
            }
        }
        if (f.holder == NoHolder)
            f.holder = addHolder(name, int(i));
        f.oldName = m_holders[size_t(f.holder)].name;
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
    unlink(f.holder);
    release(nameOf(file));
    serveWaiting();
}

void FolderRenamePlan::finish()
{
    for (size_t i = 0; i < m_files.size(); ++i) {
        File &f = m_files[i];
        if (f.state != State::Waiting)
            continue;
        // Half way round a cycle whose other files the run never reached.
        if (nameOf(int(i)) != f.oldName && holdersOf(f.oldName, int(i)).empty())
            moveTo(int(i), RenameSteps::Step::BackToOldName, f.oldName);
        settle(int(i), {RenameWarning::NotRenamed, {}});
    }
    serveWaiting();
}

// The file gets its new name now, waits for the files that hold it, or is refused it.
void FolderRenamePlan::offer(int file)
{
    File &f = m_files[size_t(file)];
    const Holders holders = holdersOf(f.newName, file);
    if (holders.empty()) {
        const bool fromTemporary = nameOf(file) != f.oldName;
        if (!moveTo(
                file, fromTemporary ? RenameSteps::Step::FromTemporaryName : RenameSteps::Step::ToNewName, f.newName))
            settle(file, {RenameWarning::NotRenamed, {}});
        return;
    }
    const auto stays = [this](int holder) { return isSettled(m_holders[size_t(holder)]); };
    const auto settled = std::ranges::find_if(holders, stays);
    if (settled != holders.end()) {
        // Spelled exactly as the new name, if such a holder stays, else but for case.
        const auto exact = std::ranges::find_if(
            holders, [&](int holder) { return stays(holder) && m_holders[size_t(holder)].name == f.newName; });
        const Holder &holder = m_holders[size_t(exact != holders.end() ? *exact : *settled)];
        const RenameWarning why = holder.name == f.newName ? RenameWarning::NameTaken : RenameWarning::NameCaseClash;
        if (nameOf(file) != f.oldName && holdersOf(f.oldName, file).empty())
            moveTo(file, RenameSteps::Step::BackToOldName, f.oldName);
        settle(file, {why, holder.name});
        return;
    }
    m_waiting[FoldedName {f.newName}].push_back(file);
    if (nameOf(file) == f.oldName && closesCycle(file))
        breakCycle(file);
}

// Whether the files that hold the new name of file wait, one through another, for the name
// file holds.
bool FolderRenamePlan::closesCycle(int file) const
{
    std::vector<int> toVisit;
    QSet<int> visited;
    const auto visitHoldersOf = [&](int waiting) {
        for (const int holder : holdersOf(m_files[size_t(waiting)].newName, waiting)) {
            const int holdingFile = m_holders[size_t(holder)].file;
            if (holdingFile != Stranger && !visited.contains(holdingFile)) {
                visited.insert(holdingFile);
                toVisit.push_back(holdingFile);
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
    if (!m_steps.move({file, step, f.oldName, f.newName, nameOf(file), to}))
        return false;
    const QString from = nameOf(file);
    unlink(f.holder);
    m_holders[size_t(f.holder)].name = to;
    link(f.holder);
    release(from);
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
    release(nameOf(file));
}

void FolderRenamePlan::release(const QString &name)
{
    m_released.push_back(name);
}

// Offers each name given up, or now held for good, to the files waiting for it, the first in
// run order first. Served in a loop rather than by recursion: a chain may be as long as the
// folder.
void FolderRenamePlan::serveWaiting()
{
    while (!m_released.empty()) {
        const QString name = std::move(m_released.back());
        m_released.pop_back();
        std::vector<int> waiting = m_waiting.take(FoldedName {name});
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

FolderRenamePlan::Holders FolderRenamePlan::holdersOf(const QString &name, int except) const
{
    Holders holders;
    for (int holder = m_firstHolder.value(FoldedName {name}, NoHolder); holder != NoHolder;
         holder = m_holders[size_t(holder)].next) {
        if (m_holders[size_t(holder)].file != except)
            holders.append(holder);
    }
    return holders;
}

int FolderRenamePlan::addHolder(const QString &name, int file)
{
    m_holders.push_back({name, file});
    link(int(m_holders.size() - 1));
    return int(m_holders.size() - 1);
}

// Puts holder at the end of the chain of its name.
void FolderRenamePlan::link(int holder)
{
    Holder &added = m_holders[size_t(holder)];
    added.next = NoHolder;
    const auto first = m_firstHolder.constFind(FoldedName {added.name});
    if (first == m_firstHolder.cend()) {
        m_firstHolder.insert(FoldedName {added.name}, holder);
        return;
    }
    int last = *first;
    while (m_holders[size_t(last)].next != NoHolder)
        last = m_holders[size_t(last)].next;
    m_holders[size_t(last)].next = holder;
}

void FolderRenamePlan::unlink(int holder)
{
    Holder &removed = m_holders[size_t(holder)];
    const auto first = m_firstHolder.find(FoldedName {removed.name});
    if (*first == holder) {
        // The key views the removed holder's name: the next holder keys the chain now.
        m_firstHolder.erase(first);
        if (removed.next != NoHolder)
            m_firstHolder.insert(FoldedName {m_holders[size_t(removed.next)].name}, removed.next);
    } else {
        int previous = *first;
        while (m_holders[size_t(previous)].next != holder)
            previous = m_holders[size_t(previous)].next;
        m_holders[size_t(previous)].next = removed.next;
    }
    removed.next = NoHolder;
}
