#include "app/FileGridModel.h"

#include "widgets/WidgetLook.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Why the file keeps its present name, in words; empty for a file that gets its new name.
QString reasonFor(const RenameForecast &forecast, const QString &newName)
{
    switch (forecast.warning) {
    case RenameWarning::NeedsTags:
        return QCoreApplication::translate("FileGridModel", "Needs tags first");
    case RenameWarning::NameTaken:
        return QCoreApplication::translate("FileGridModel", "Keeps its name: '%1' is already taken in this folder")
            .arg(newName);
    case RenameWarning::NameCaseClash:
        return QCoreApplication::translate(
            "FileGridModel", "Keeps its name: '%1' differs only in letter case from '%2'")
            .arg(newName, forecast.heldBy);
    case RenameWarning::NameTooLong:
        return QCoreApplication::translate("FileGridModel", "Keeps its name: '%1' is too long for this volume")
            .arg(newName);
    case RenameWarning::None:
    case RenameWarning::Unchanged:
    case RenameWarning::NotRenamed:
        break;
    }
    return {};
}

} // namespace

FileGridModel::FileGridModel(const FileList &files, QObject *parent)
    : QAbstractTableModel(parent)
    , m_files(files)
    , m_keepsNameIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
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
    const ListedFile &file = m_files.files()[i];
    if (role == Qt::DisplayRole)
        return index.column() == CurrentName ? file.shownName().toString() : file.newName;
    return index.column() == NewName ? markData(m_forecasts[i], file.newName, role) : QVariant();
}

// The mark of a file that keeps its name, which a tool-tip explains and a screen reader reads
// as the description of the proposed name.
QVariant FileGridModel::markData(const RenameForecast &forecast, const QString &newName, int role) const
{
    switch (role) {
    case Qt::ForegroundRole:
        return forecast.warning == RenameWarning::Unchanged ? QVariant(fainterText(QApplication::palette()))
                                                            : QVariant();
    case Qt::DecorationRole:
        if (forecast.warning == RenameWarning::NeedsTags)
            return m_needsTagsIcon;
        return keepsNameInUse(forecast.warning) ? m_keepsNameIcon : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString reason = reasonFor(forecast, newName);
        return reason.isEmpty() ? QVariant() : reason;
    }
    case Qt::AccessibleTextRole:
        return newName;
    default:
        return {};
    }
}

QVariant FileGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == CurrentName ? tr("Current Filename") : tr("New Filename");
}

void FileGridModel::clear()
{
    beginResetModel();
    m_rows = 0;
    m_forecasts.clear();
    endResetModel();
}

void FileGridModel::showListed()
{
    beginResetModel();
    m_forecasts = m_files.plannedRenames();
    m_rows = int(m_files.files().size());
    m_bottomUp = m_files.isShownBottomUp();
    endResetModel();
}

NamesKept FileGridModel::namesKept() const
{
    return namesKeptBy(m_forecasts);
}

const ListedFile *FileGridModel::fileAt(int row) const
{
    return row >= 0 && row < m_rows ? &m_files.files()[listIndex(row)] : nullptr;
}
