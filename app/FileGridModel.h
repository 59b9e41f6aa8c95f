#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

// The rows of the file grid: each file's present name and its proposed name. Holds text
// only, so that a listing of a thousand files costs no item objects.
class FileGridModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { CurrentName, NewName };
    struct Row
    {
        QString currentName;
        QString newName;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Replaces every row at once, as a listing does.
    void setRows(std::vector<Row> rows);
    // A new row at row (the rows from there on move down) with the present name filled in.
    void insertFile(int row, const QString &currentName);
    void setNewName(int row, const QString &newName);
    // Empties every cell and keeps the rows.
    void clearCells();
    // Empty for a row that does not exist.
    QString currentName(int row) const;

private:
    std::vector<Row> m_rows;
};
