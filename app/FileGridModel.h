#pragma once

#include "naming/FileList.h"
#include "naming/RenamePreview.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>

#include <vector>

// The rows of the file grid over the listed files: each file's present name and its
// proposed name, with a warning where the proposed name may not be the one the file gets.
// It keeps no text of its own, so that a listing of any size costs no item objects.
class FileGridModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { CurrentName, NewName };

    FileGridModel(const FileList &files, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shows no rows, as a listing starts: the list may change under the grid from here on.
    void clear();
    // Shows the files as they are listed now, with their warnings.
    void showListed();
    int filesKeepingNames() const;
    // The file shown at row; nothing for a row that does not exist.
    const ListedFile *fileAt(int row) const;

private:
    size_t listIndex(int row) const;
    QVariant warningData(RenameWarning warning, int role) const;

    const FileList &m_files;
    int m_rows = 0;
    bool m_bottomUp = false;
    // By list index.
    std::vector<RenameWarning> m_warnings;
    const QIcon m_warningIcon;
    const QIcon m_needsTagsIcon;
};
