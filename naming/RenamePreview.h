#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// What a rename run will do with one listed file, as far as the listing can tell.
enum class RenameWarning {
    None, // it gets its proposed name
    Unchanged, // the proposed name is its present name
    NeedsTags, // the convention needs a tag field it lacks
    NameTaken, // another entry of the folder has the proposed name, exactly or but for case
    NameShared, // a later file in the run is proposed the same name, which this one gets
    NameSharedEarlier, // an earlier file in the run gets the proposed name first
};

// Whether the file keeps its present name because its new name is already in use.
inline bool keepsNameInUse(RenameWarning warning)
{
    return warning == RenameWarning::NameTaken || warning == RenameWarning::NameSharedEarlier;
}

// Views of names the caller keeps: a listing of 100,000 files is not copied to be checked.
struct ListedRename
{
    QStringView currentName;
    QStringView proposedName;
    bool needsTags = false;
};

// One warning per listed file, given in the order the run takes them; namesInFolder holds
// every entry of the folder, whatever its kind. Names are also compared ignoring case, as a
// case-insensitive volume refuses a name that differs from a taken one only in case.
std::vector<RenameWarning> previewRenames(const std::vector<ListedRename> &files, const QStringList &namesInFolder);
