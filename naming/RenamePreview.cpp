#include "naming/RenamePreview.h"

#include <QHash>
#include <QSet>

std::vector<RenameWarning> previewRenames(const std::vector<ListedRename> &files, const QStringList &namesInFolder)
{
    const QSet<QString> exactNames(namesInFolder.cbegin(), namesInFolder.cend());
    QHash<QString, int> entriesPerFoldedName;
    for (const QString &name : namesInFolder)
        ++entriesPerFoldedName[name.toCaseFolded()];

    // Taken on disk: by an entry that is not the file itself (its own name differing only in
    // case is a rename the file system does).
    const auto isTaken = [&](const ListedRename &file, const QString &folded) {
        const int ownEntries = file.currentName.toCaseFolded() == folded ? 1 : 0;
        return exactNames.contains(file.proposedName) || entriesPerFoldedName.value(folded) > ownEntries;
    };

    std::vector<RenameWarning> warnings;
    std::vector<QString> foldedProposals;
    warnings.reserve(files.size());
    foldedProposals.reserve(files.size());
    QHash<QString, int> filesPerProposedName;
    for (const ListedRename &file : files) {
        RenameWarning warning = RenameWarning::None;
        const QString &folded = foldedProposals.emplace_back(file.proposedName.toCaseFolded());
        if (file.needsTags)
            warning = RenameWarning::NeedsTags;
        else if (file.proposedName == file.currentName)
            warning = RenameWarning::Unchanged;
        else if (isTaken(file, folded))
            warning = RenameWarning::NameTaken;
        else if (filesPerProposedName[folded]++ > 0)
            warning = RenameWarning::NameSharedEarlier;
        warnings.push_back(warning);
    }
    // The first file of each group of files that share a proposed name.
    for (size_t i = 0; i < files.size(); ++i) {
        if (warnings[i] == RenameWarning::None && filesPerProposedName.value(foldedProposals[i]) > 1)
            warnings[i] = RenameWarning::NameShared;
    }
    return warnings;
}
