#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// What becomes of one listed file in a rename run: it gets its proposed name (None), or it
// keeps its present name, and why.
enum class RenameWarning {
    None,
    Unchanged, // the proposed name is its present name
    NeedsTags, // the convention needs a tag field it lacks
    NameTaken, // an entry that stays, or a file renamed before it, has the proposed name
    NameCaseClash, // such an entry has the proposed name but for letter case
    NameTooLong, // the proposed name is longer than the folder's file system allows
    NotRenamed, // the rename was tried and failed, or the run ended before it could be made
};

struct RenameForecast
{
    RenameWarning warning = RenameWarning::None;
    // For a taken name or a case clash, the name of the entry that holds it.
    QString heldBy;

    friend bool operator==(const RenameForecast &, const RenameForecast &) = default;
};

// Whether the file keeps its present name although it has the tags for its new one.
inline bool keepsNameInUse(RenameWarning warning)
{
    return warning == RenameWarning::NameTaken || warning == RenameWarning::NameCaseClash
        || warning == RenameWarning::NameTooLong;
}

// How one step of a plan moves a file; a forecast takes every step as made.
class RenameSteps
{
public:
    enum class Step {
        ToNewName,
        // The first step of a cycle of files that take each other's names.
        ToTemporaryName,
        FromTemporaryName,
        // The cycle could not be closed.
        BackToOldName,
    };

    // Listed file number file of the folder, on its way from oldName to newName, is to move
    // from one name to another within the folder.
    struct Move
    {
        int file;
        Step step;
        const QString &oldName;
        const QString &newName;
        const QString &from;
        const QString &to;
    };

    virtual ~RenameSteps() = default;
    // False when the step could not be made.
    virtual bool move(const Move &move) = 0;
};

// The renames of one folder's listed files, handed over in the order a run takes them. A file
// gets its name once no entry holds it: at once, after the listed files that hold it have
// moved on (a chain), or through a temporary name when files hold each other's names round a
// cycle. Of files given one name the first gets it. A name held by an entry that stays is
// not given, nor one that differs from such an entry only in letter case (a copy on a FAT
// volume could not hold both), nor one longer than the folder's limit. Names are compared
// after Unicode case folding.
class FolderRenamePlan
{
public:
    // entryNames: every entry of the folder; listedNames: the present name of each listed
    // file, numbered from 0; nameMax: the longest name the folder takes, in encoded bytes.
    FolderRenamePlan(
        const QStringList &entryNames, const QStringList &listedNames, qsizetype nameMax, RenameSteps &steps);

    // The run's turn of file: it is to get newName.
    void give(int file, const QString &newName);
    // The run's turn of file: it keeps its name, for the reason given.
    void keep(int file, RenameWarning why);
    // The run's turn of file: it is gone, and holds no name any more.
    void forget(int file);
    // The run is over: a file still waiting for its name keeps the one it has.
    void finish();

    const RenameForecast &forecast(int file) const { return m_files[size_t(file)].forecast; }
    // Whether the file has been given its new name.
    bool wasRenamed(int file) const { return m_files[size_t(file)].state == State::Moved; }

private:
    struct Holder
    {
        QString name;
        int file; // or Stranger
    };
    static constexpr int Stranger = -1;
    enum class State { Unwalked, Waiting, Moved, Kept };
    struct File
    {
        QString oldName;
        // Its present name: the old one, the new one, or a temporary one within a cycle.
        QString name;
        QString newName;
        State state = State::Unwalked;
        RenameForecast forecast;
    };

    void offer(int file);
    bool closesCycle(int file) const;
    void breakCycle(int file);
    bool moveTo(int file, RenameSteps::Step step, const QString &to);
    void settle(int file, RenameForecast forecast);
    void release(const QString &name);
    void serveWaiting();
    bool isSettled(const Holder &holder) const;
    std::vector<Holder> holdersOf(const QString &name, int except) const;

    RenameSteps &m_steps;
    const qsizetype m_nameMax;
    std::vector<File> m_files;
    // Every entry of the folder as the plan has moved them, by folded name.
    QHash<QString, std::vector<Holder>> m_holders;
    // The files waiting for a name to be given up, by folded name, in run order.
    QHash<QString, std::vector<int>> m_waiting;
    // Folded names given up since the waiting files were last served.
    std::vector<QString> m_released;
};
