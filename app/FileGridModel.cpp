#include "app/FileGridModel.h"

using namespace Qt::StringLiterals;

int FileGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FileGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant FileGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const Row &row = m_rows[size_t(index.row())];
    return index.column() == CurrentName ? row.currentName : row.newName;
}

QVariant FileGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == CurrentName ? u"Current Filename"_s : u"New Filename"_s;
}

void FileGridModel::setRows(std::vector<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void FileGridModel::insertFile(int row, const QString &currentName)
{
    beginInsertRows({}, row, row);
    m_rows.insert(m_rows.begin() + row, {currentName, QString()});
    endInsertRows();
}

void FileGridModel::setNewName(int row, const QString &newName)
{
    m_rows[size_t(row)].newName = newName;
    Q_EMIT dataChanged(index(row, NewName), index(row, NewName));
}

void FileGridModel::clearCells()
{
    for (Row &row : m_rows)
        row = {};
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, CurrentName), index(rowCount() - 1, NewName));
}

QString FileGridModel::currentName(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[size_t(row)].currentName : QString();
}
