#pragma once

#include "naming/FileList.h"
#include "naming/FolderRenamePlan.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>

#include <vector>

// The rows of the file grid over the listed files: each file's present name and its
// proposed name, marked where the file will keep its present name instead.
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
    NamesKept namesKept() const;
    // The file shown at row; nothing for a row that does not exist.
    const ListedFile *fileAt(int row) const;

private:
    size_t listIndex(int row) const;
    QVariant markData(const RenameForecast &forecast, const QString &newName, int role) const;

    const FileList &m_files;
    int m_rows = 0;
    bool m_bottomUp = false;
    // By list index.
    std::vector<RenameForecast> m_forecasts;
    const QIcon m_keepsNameIcon;
    const QIcon m_needsTagsIcon;
};
