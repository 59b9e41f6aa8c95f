#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

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

// How many files of a forecast keep their present names although they have the tags for
// new ones, by why.
struct NamesKept
{
    int inUse = 0; // taken, or taken but for letter case
    int tooLong = 0;

    friend bool operator==(const NamesKept &, const NamesKept &) = default;
};

NamesKept namesKeptBy(const std::vector<RenameForecast> &forecasts);

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
    // A listed name found among the entries shares the entry's string, so a caller's list of
    // names built afresh is freed once it is handed over.
    FolderRenamePlan(const QStringList &entryNames, QStringList listedNames, qsizetype nameMax, RenameSteps &steps);

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
    static constexpr int Stranger = -1;
    static constexpr int NoHolder = -1;
    // An entry's present name. The holders of names alike but for case form one chain.
    struct Holder
    {
        QString name;
        int file; // or Stranger
        int next = NoHolder;
    };
    // A key matching every spelling of a name but for letter case (Unicode case folding),
    // viewing a name the plan keeps: a folder of 100,000 entries builds no folded copies.
    struct FoldedName
    {
        QStringView name;
        friend bool operator==(FoldedName a, FoldedName b) { return a.name.compare(b.name, Qt::CaseInsensitive) == 0; }
        friend size_t qHash(FoldedName key, size_t seed) { return hash(key.name, seed); }
        static size_t hash(QStringView name, size_t seed);
    };
    using Holders = QVarLengthArray<int, 4>;
    enum class State { Unwalked, Waiting, Moved, Kept };
    struct File
    {
        QString oldName;
        QString newName;
        // Its entry, under its present name: the old one, the new one, or a temporary one
        // within a cycle.
        int holder = NoHolder;
        State state = State::Unwalked;
        RenameForecast forecast;
    };

    const QString &nameOf(int file) const { return m_holders[size_t(m_files[size_t(file)].holder)].name; }
    void offer(int file);
    bool closesCycle(int file) const;
    void breakCycle(int file);
    bool moveTo(int file, RenameSteps::Step step, const QString &to);
    void settle(int file, RenameForecast forecast);
    void release(const QString &name);
    void serveWaiting();
    bool isSettled(const Holder &holder) const;
    // The entries holding name, or a spelling of it but for case, but for file's own.
    Holders holdersOf(const QString &name, int except) const;
    int addHolder(const QString &name, int file);
    void link(int holder);
    void unlink(int holder);

    RenameSteps &m_steps;
    const qsizetype m_nameMax;
    std::vector<File> m_files;
    // Every entry of the folder as the plan has moved them; a listed file keeps its own.
    std::vector<Holder> m_holders;
    // The first holder of each chain; its key views that holder's name.
    QHash<FoldedName, int> m_firstHolder;
    // The files waiting for a name to be given up, in run order; a key views the new name of
    // a file.
    QHash<FoldedName, std::vector<int>> m_waiting;
    // Names given up since the waiting files were last served.
    std::vector<QString> m_released;
};
