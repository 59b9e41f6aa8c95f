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

FileGridModel::FileGridModel(const FileList &files, QObject *parent)
    : QAbstractTableModel(parent)
    , m_files(files)
    , m_warningIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
    , m_needsTagsIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation))
{ }

int FileGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int FileGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

size_t FileGridModel::listIndex(int row) const
{
    return size_t(m_bottomUp ? m_rows - 1 - row : row);
}

QVariant FileGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const size_t i = listIndex(index.row());
    if (role == Qt::DisplayRole) {
        const ListedFile &file = m_files.files()[i];
        return index.column() == CurrentName ? file.shownName().toString() : file.newName;
    }
    return index.column() == NewName ? warningData(m_warnings[i], role) : QVariant();
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

void FileGridModel::clear()
{
    beginResetModel();
    m_rows = 0;
    m_warnings.clear();
    endResetModel();
}

void FileGridModel::showListed()
{
    beginResetModel();
    m_warnings = m_files.renameWarnings();
    m_rows = int(m_files.files().size());
    m_bottomUp = m_files.isShownBottomUp();
    endResetModel();
}

int FileGridModel::filesKeepingNames() const
{
    return int(std::ranges::count_if(m_warnings, keepsNameInUse));
}

const ListedFile *FileGridModel::fileAt(int row) const
{
    return row >= 0 && row < m_rows ? &m_files.files()[listIndex(row)] : nullptr;
}
