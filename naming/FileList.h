#pragma once

#include "naming/FileNameCleaning.h"
#include "naming/FolderRenamePlan.h"
#include "naming/NameChoice.h"
#include "naming/WorkProgress.h"
#include "track/PackedTagFields.h"

#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <vector>

class MP3File;

struct ListedFile
{
    QString path;
    // Where the name the grid shows starts in path: the bare name, or the path below the
    // listed folder.
    qsizetype shownFrom = 0;
    // The listing's folder the file lies in.
    int folder = 0;
    // As they were read when the file was listed, all but the comment, which no name is
    // built from.
    PackedTagFields tags;
    QString newName;
    bool needsTags = false;

    QStringView shownName() const { return QStringView(path).sliced(shownFrom); }
};

struct ListingResult
{
    // The files found to be read, listed or not.
    qsizetype found = 0;
    // Stopped before every file found was read; the files read by then are listed.
    bool stopped = false;
};

// The listed files: each file's path, its tags as read and the name it is proposed under the
// chosen naming convention. A listing reads every file anew; a file that is no longer a
// regular file when it is read, or whose end cannot be read, is not listed, so that no entry
// ever holds another file's tags. Tags are read ahead on other threads.
class FileList
{
public:
    FileList();
    FileList(const FileList &) = delete;
    FileList &operator=(const FileList &) = delete;
    ~FileList();

    // Whether a file without an ID3v1 block has its ID3v2 tag read. Off at first.
    bool readsID3v2() const { return m_readsID3v2; }
    void setReadsID3v2(bool reads) { m_readsID3v2 = reads; }
    // Whether a folder listing takes the folders below it too. Off at first.
    bool includesSubfolders() const { return m_includesSubfolders; }
    void setIncludesSubfolders(bool includes) { m_includesSubfolders = includes; }
    // What the proposed names are built after; a change rebuilds every proposed name from
    // the tags as read, without reading the files again.
    void setNaming(const NameChoice &choice, const IllegalCharList &illegalChars);
    // The name file would be proposed under choice, built from its tags as read.
    QString proposedName(const ListedFile &file, const NameChoice &choice) const;

    // The MP3 files of folder, and with includesSubfolders those of the folders below it,
    // each shown by its path below folder.
    ListingResult listFolder(const QString &folder, WorkProgress &progress);
    // The files at paths, in that order, each shown by its bare name; they are shown bottom
    // up. A regular file whose name is no MP3 file's is listed with an empty proposed name
    // and the missing-tags mark.
    ListingResult listFiles(const QStringList &paths, WorkProgress &progress);
    // What was listed last, read anew.
    ListingResult listAgain(WorkProgress &progress);
    void clear();

    // In the order a rename run takes them.
    const std::vector<ListedFile> &files() const { return m_files; }
    bool isShownBottomUp() const { return m_source == Source::Files; }
    // How many folders hold a listed file.
    int folderCount() const;
    // The path, ending in "/", of the listing's folder number folder, and the names of all
    // its entries as they were read.
    const QString &folderPath(int folder) const { return m_folders[size_t(folder)].first; }
    const QStringList &entryNamesOf(int folder) const { return m_folders[size_t(folder)].second; }
    // What a rename run would do with each file, in the order of files(), were every file
    // to get its proposed name: the same plan the run follows, over the entries as listed.
    std::vector<RenameForecast> plannedRenames() const;

    // Loads the file at path into record as a listing reads it.
    bool load(MP3File &record, const QString &path) const;

private:
    struct Candidate;
    enum class Source { None, Folder, Files };

    ListingResult listCandidates(std::vector<Candidate> candidates, WorkProgress &progress);
    void buildNewName(ListedFile &file) const;
    // The name file gets under choice, built in record, which keeps its missing-tags mark.
    QString nameOf(const ListedFile &file, const NameChoice &choice, MP3File &record) const;

    bool m_readsID3v2 = false;
    bool m_includesSubfolders = false;
    NameChoice m_naming;
    IllegalCharList m_illegalChars;
    Source m_source = Source::None;
    // The folder, or the paths, listed last.
    QString m_listedFolder;
    QStringList m_listedPaths;
    // Each folder of the listing with the names of all its entries, for the warnings.
    std::vector<std::pair<QString, QStringList>> m_folders;
    std::vector<ListedFile> m_files;
    // Reads the tags ahead of the listing; its threads touch nothing else.
    QThreadPool m_tagReaders;
};
