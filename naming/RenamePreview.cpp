#include "naming/RenamePreview.h"

#include <QHash>

std::vector<RenameWarning> previewRenames(const std::vector<ListedRename> &files, const QStringList &namesInFolder)
{
    QHash<QString, int> entriesPerFoldedName;
    entriesPerFoldedName.reserve(namesInFolder.size());
    for (const QString &name : namesInFolder)
        ++entriesPerFoldedName[name.toCaseFolded()];

    std::vector<RenameWarning> warnings;
    std::vector<QString> foldedProposals;
    warnings.reserve(files.size());
    foldedProposals.reserve(files.size());
    QHash<QString, int> filesPerProposedName;
    filesPerProposedName.reserve(qsizetype(files.size()));
    for (const ListedRename &file : files) {
        RenameWarning warning = RenameWarning::None;
        const QString &folded = foldedProposals.emplace_back(file.proposedName.toString().toCaseFolded());
        // Taken by an entry other than the file itself: its own name in another case is a
        // rename the file system does, unless a second entry is spelled that way too.
        const int ownEntries = file.proposedName.compare(file.currentName, Qt::CaseInsensitive) == 0 ? 1 : 0;
        if (file.needsTags)
            warning = RenameWarning::NeedsTags;
        else if (file.proposedName == file.currentName)
            warning = RenameWarning::Unchanged;
        else if (entriesPerFoldedName.value(folded) > ownEntries)
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
