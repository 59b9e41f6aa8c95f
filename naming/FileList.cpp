#include "naming/FileList.h"

#include "naming/NewFileNameBuilder.h"
#include "platform/FileLookup.h"
#include "platform/FolderTree.h"
#include "track/MP3File.h"
#include "track/TagReading.h"
#include "track/TagTailPrefetch.h"

#include <QHash>
#include <QStringBuilder>

#include <algorithm>

struct FileList::Candidate
{
    QString path;
    qsizetype shownFrom;
    int folder;
};

FileList::FileList()
{
    m_tagReaders.setMaxThreadCount(TagTailPrefetch::ReadsInFlight);
}

FileList::~FileList() = default;

void FileList::setNaming(const NameChoice &choice, const IllegalCharList &illegalChars)
{
    m_naming = choice;
    m_illegalChars = illegalChars;
    for (ListedFile &file : m_files)
        buildNewName(file);
}

ListingResult FileList::listFolder(const QString &folder, WorkProgress &progress)
{
    const QString root = withTrailingSlash(folder);
    m_source = Source::Folder;
    m_listedFolder = root;
    std::vector<ListedFolder> tree;
    bool walkStopped = false;
    if (m_includesSubfolders) {
        qsizetype foldersRead = 0;
        tree = listFolderTree(root, [&] {
            walkStopped = !progress.carryOn(WorkProgress::Work::FindingFiles, foldersRead++, 0);
            return !walkStopped;
        });
    } else {
        tree.push_back({root, ::listFolder(root)});
    }

    m_folders.clear();
    std::vector<Candidate> candidates;
    for (ListedFolder &listed : tree) {
        const int index = int(m_folders.size());
        // Built at their exact size: a hundred thousand paths with room to grow would
        // take half as much again.
        for (const QString &name : std::as_const(listed.listing.mp3Files))
            candidates.push_back({QString(listed.path % name), root.size(), index});
        m_folders.emplace_back(listed.path, std::move(listed.listing.allNames));
    }
    if (walkStopped) {
        m_files.clear();
        return {qsizetype(candidates.size()), true};
    }
    return listCandidates(std::move(candidates), progress);
}

ListingResult FileList::listFiles(const QStringList &paths, WorkProgress &progress)
{
    m_source = Source::Files;
    m_listedPaths = paths;
    m_folders.clear();
    QHash<QString, int> folderIndex;
    std::vector<Candidate> candidates;
    candidates.reserve(size_t(paths.size()));
    for (const QString &path : paths) {
        const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
        const QString folder = path.first(nameStart);
        auto known = folderIndex.constFind(folder);
        if (known == folderIndex.cend()) {
            known = folderIndex.insert(folder, int(m_folders.size()));
            m_folders.emplace_back(folder, listEntryNames(folder));
        }
        candidates.push_back({path, nameStart, *known});
    }
    return listCandidates(std::move(candidates), progress);
}

ListingResult FileList::listAgain(WorkProgress &progress)
{
    switch (m_source) {
    case Source::Folder:
        return listFolder(m_listedFolder, progress);
    case Source::Files:
        return listFiles(m_listedPaths, progress);
    case Source::None:
        break;
    }
    return {};
}

void FileList::clear()
{
    m_source = Source::None;
    m_folders.clear();
    m_files.clear();
}

ListingResult FileList::listCandidates(std::vector<Candidate> candidates, WorkProgress &progress)
{
    m_files.clear();
    const qsizetype total = qsizetype(candidates.size());
    m_files.reserve(candidates.size());
    QStringList paths;
    paths.reserve(total);
    for (const Candidate &candidate : candidates)
        paths.append(candidate.path);
    // The tags are read on other threads from here on.
    TagTailPrefetch prefetch(m_tagReaders, std::move(paths));
    for (qsizetype i = 0; i < total; ++i) {
        if (!progress.carryOn(WorkProgress::Work::ReadingTags, i, total))
            return {total, true};
        Candidate &candidate = candidates[size_t(i)];
        TagReading reading = readTags(candidate.path, m_readsID3v2, prefetch.take(i));
        // What is gone, is no regular file any more or cannot be read is not listed: it has
        // no tags of its own to show.
        const bool listed = reading.outcome == TagReading::Outcome::Read
            || (reading.outcome == TagReading::Outcome::NotAnMP3File && !hasMP3Extension(candidate.path)
                && entryKindOf(candidate.path) == EntryKind::RegularFile);
        if (!listed)
            continue;
        ListedFile &file = m_files.emplace_back();
        file.path = std::move(candidate.path);
        file.shownFrom = candidate.shownFrom;
        file.folder = candidate.folder;
        reading.tags.Comment.clear();
        file.tags = PackedTagFields(reading.tags);
        buildNewName(file);
    }
    return {total, false};
}

// Each name is built from an unmarked start, as a rename run builds it: the grid shows the
// name the file will get, whatever the file listed before it lacked. A file that is no MP3
// file gets no name; a rename run stops at it.
void FileList::buildNewName(ListedFile &file) const
{
    MP3File record;
    file.newName = nameOf(file, m_naming, record);
    file.newName.squeeze();
    file.needsTags = record.IsMissingTags();
}

QString FileList::proposedName(const ListedFile &file, const NameChoice &choice) const
{
    MP3File record;
    return nameOf(file, choice, record);
}

QString FileList::nameOf(const ListedFile &file, const NameChoice &choice, MP3File &record) const
{
    if (!hasMP3Extension(file.path)) {
        record.setIsMissingTags(true);
        return {};
    }
    record.setFileName(file.path, file.tags.unpacked());
    return BuildNewFileName(record, choice, m_illegalChars);
}

int FileList::folderCount() const
{
    std::vector<bool> holdsAFile(m_folders.size());
    for (const ListedFile &file : m_files)
        holdsAFile[size_t(file.folder)] = true;
    return int(std::ranges::count(holdsAFile, true));
}

std::vector<RenameForecast> FileList::plannedRenames() const
{
    struct EveryStepMade final : RenameSteps
    {
        bool move(const Move &) override { return true; }
    } everyStepMade;

    std::vector<std::vector<size_t>> filesOfFolder(m_folders.size());
    for (size_t i = 0; i < m_files.size(); ++i)
        filesOfFolder[size_t(m_files[i].folder)].push_back(i);
    std::vector<RenameForecast> forecasts(m_files.size());
    for (size_t folder = 0; folder < m_folders.size(); ++folder) {
        const std::vector<size_t> &members = filesOfFolder[folder];
        if (members.empty())
            continue;
        QStringList names;
        names.reserve(qsizetype(members.size()));
        for (const size_t i : members)
            names.append(fileNameOf(m_files[i].path));
        FolderRenamePlan plan(
            m_folders[folder].second, std::move(names), longestNameIn(m_folders[folder].first), everyStepMade);
        for (size_t k = 0; k < members.size(); ++k) {
            const ListedFile &file = m_files[members[k]];
            if (file.needsTags)
                plan.keep(int(k), RenameWarning::NeedsTags);
            else
                plan.give(int(k), file.newName);
        }
        for (size_t k = 0; k < members.size(); ++k)
            forecasts[members[k]] = plan.forecast(int(k));
    }
    return forecasts;
}

bool FileList::load(MP3File &record, const QString &path) const
{
    return record.setFileName(path, m_readsID3v2);
}
