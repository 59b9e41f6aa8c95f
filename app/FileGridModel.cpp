#include "app/FileGridModel.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct WarningText
{
    QString name;
    QString description;
};

WarningText textOf(RenameWarning warning)
{
    switch (warning) {
    case RenameWarning::NeedsTags:
        return {u"Tags needed"_s,
            u"The naming convention needs a tag this file lacks: the tag editor opens for it before it is renamed."_s};
    case RenameWarning::NameTaken:
        return {u"Name in use"_s,
            u"Another entry in this folder has this name, or one that differs only in case: this file will keep "
            "its name."_s};
    case RenameWarning::NameShared:
        return {u"Name shared"_s,
            u"A file further down the list is to get this name too: this file is renamed first and gets it."_s};
    case RenameWarning::NameSharedEarlier:
        return {u"Name shared"_s, u"A file renamed before this one gets this name: this file will keep its name."_s};
    case RenameWarning::None:
    case RenameWarning::Unchanged:
        break;
    }
    return {};
}

} // namespace

FileGridModel::FileGridModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_warningIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
    , m_needsTagsIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation))
{ }

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
    if (!index.isValid())
        return {};
    const Row &row = m_rows[size_t(index.row())];
    if (role == Qt::DisplayRole)
        return index.column() == CurrentName ? row.currentName : row.newName;
    return index.column() == NewName ? warningData(row.warning, role) : QVariant();
}

QVariant FileGridModel::warningData(RenameWarning warning, int role) const
{
    switch (role) {
    case Qt::ForegroundRole:
        return warning == RenameWarning::Unchanged ? QApplication::palette().brush(QPalette::Disabled, QPalette::Text)
                                                   : QVariant();
    case Qt::DecorationRole:
        if (warning == RenameWarning::NeedsTags)
            return m_needsTagsIcon;
        return textOf(warning).name.isEmpty() ? QVariant() : m_warningIcon;
    case Qt::AccessibleTextRole:
        return textOf(warning).name;
    case Qt::AccessibleDescriptionRole:
        return textOf(warning).description;
    default:
        return {};
    }
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

void FileGridModel::setNewName(int row, const QString &newName, bool needsTags)
{
    Row &changed = m_rows[size_t(row)];
    changed.newName = newName;
    changed.needsTags = needsTags;
    Q_EMIT dataChanged(index(row, NewName), index(row, NewName));
}

std::vector<ListedRename> FileGridModel::listedRenames() const
{
    std::vector<ListedRename> renames;
    renames.reserve(m_rows.size());
    for (const Row &row : m_rows)
        renames.push_back({row.currentName, row.newName, row.needsTags});
    return renames;
}

void FileGridModel::setWarnings(const std::vector<RenameWarning> &warnings)
{
    for (size_t row = 0; row < m_rows.size() && row < warnings.size(); ++row)
        m_rows[row].warning = warnings[row];
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, NewName), index(rowCount() - 1, NewName));
}

int FileGridModel::filesKeepingNames() const
{
    return int(std::ranges::count_if(m_rows, [](const Row &row) { return keepsNameInUse(row.warning); }));
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
