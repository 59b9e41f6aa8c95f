#pragma once

#include "naming/RenamePreview.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>

#include <vector>

// The rows of the file grid: each file's present name and its proposed name, with a warning
// where the proposed name may not be the one the file gets. Holds text and flags only, so
// that a listing of a thousand files costs no item objects.
class FileGridModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { CurrentName, NewName };
    struct Row
    {
        QString currentName;
        QString newName;
        bool needsTags = false;
        RenameWarning warning = RenameWarning::None;
    };

    explicit FileGridModel(QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Replaces every row at once, as a listing does.
    void setRows(std::vector<Row> rows);
    // A new row at row (the rows from there on move down) with the present name filled in.
    void insertFile(int row, const QString &currentName);
    void setNewName(int row, const QString &newName, bool needsTags);
    // Every row's present and proposed name, top to bottom.
    std::vector<ListedRename> listedRenames() const;
    // One warning per row, top to bottom.
    void setWarnings(const std::vector<RenameWarning> &warnings);
    int filesKeepingNames() const;
    // Empties every cell and keeps the rows.
    void clearCells();
    // Empty for a row that does not exist.
    QString currentName(int row) const;

private:
    QVariant warningData(RenameWarning warning, int role) const;

    std::vector<Row> m_rows;
    const QIcon m_warningIcon;
    const QIcon m_needsTagsIcon;
};
