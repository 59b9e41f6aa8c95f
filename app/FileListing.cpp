// frmSelectFiles: listing the folder, or the files named on the command line, into the grid.

#include "app/frmSelectFiles.h"

#include "app/FileGridModel.h"
#include "naming/NamingConventions.h"
#include "naming/NewFileNameBuilder.h"
#include "naming/ProgramState.h"
#include "platform/DirectoryListing.h"
#include "track/TagTailPrefetch.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

void frmSelectFiles::SetScanDirectory(const QString &path)
{
    if (!path.isEmpty())
        m_state.CurrentDirectory = withTrailingSlash(path);
    else if (!m_state.StartInDirectory.isEmpty())
        m_state.CurrentDirectory = m_state.StartInDirectory;
    else
        m_state.CurrentDirectory = withTrailingSlash(QDir::homePath());
    if (!m_state.isArgumentMode())
        ScanFilesFromFolder();
}

void frmSelectFiles::ScanFilesFromFolder()
{
    m_state.FileCount = 0;
    showCurrentDirectory();
    const FolderListing listing = listFolder(m_state.CurrentDirectory);
    const QStringList &found = listing.mp3Files;
    // Past the bound nothing is listed, and a rename run then renames nothing.
    const bool tooMany = found.size() > ProgramState::MaxListedFiles;
    const QStringList names = tooMany ? QStringList() : found;
    QStringList paths;
    paths.reserve(names.size());
    for (const QString &name : names)
        paths.append(m_state.pathInCurrentDirectory(name));
    // The tags are read on other threads from here on, also while the status is drawn.
    TagTailPrefetch prefetch(m_tagReaders, std::move(paths));

    setBusy(true);
    SetStatusText(1, u"Retrieving list of files, please wait..."_s);
    // Draw the text and the pointer; no user input, so no second listing starts under this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The rows reach the grid together: one update of the view instead of one per file.
    std::vector<FileGridModel::Row> rows;
    m_state.FileNames.clear();
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!ComputeNewFileName(names[i], prefetch.take(i)))
            continue; // unreadable or gone: not listed, and not renamed either
        rows.push_back({names[i], m_state.CurrentFile.NewFileName(), m_state.CurrentFile.IsMissingTags()});
        m_state.FileNames.append(names[i]);
    }
    m_state.FileCount = int(m_state.FileNames.size());
    m_fileRows->setRows(std::move(rows));
    showRenameWarnings(listing.allNames);
    // A listing leaves no file in hand.
    m_state.CurrentFile.setFileName(QString());
    setBusy(false);
    if (tooMany)
        SetStatusText(1, u"More than 1000 MP3 files in this directory; none listed."_s);
    else
        showFilesListed();
}

bool frmSelectFiles::ScanFilesFromArgs(const QString &name)
{
    const bool listed = !name.isEmpty() && ComputeNewFileName(name);
    if (listed) {
        ++m_state.FileCount;
        AddFileRow(0, name);
        ShowNewFileName(0);
    }
    return listed;
}

void frmSelectFiles::clearFileList()
{
    m_state.FileCount = 0;
    m_fileRows->setRows({});
    showCurrentDirectory();
}

void frmSelectFiles::rebuildFromArguments()
{
    clearFileList();
    // A file that cannot be read is not listed, and so not renamed either.
    for (QString &name : m_state.ArgumentFiles) {
        if (!ScanFilesFromArgs(name))
            name.clear();
    }
    showRenameWarnings(listEntryNames(m_state.CurrentDirectory));
}

void frmSelectFiles::showRenameWarnings(const QStringList &namesInFolder)
{
    // The run takes the command-line files in their order, which the grid shows bottom up.
    const bool bottomUp = m_state.isArgumentMode();
    std::vector<ListedRename> files = m_fileRows->listedRenames();
    if (bottomUp)
        std::ranges::reverse(files);
    std::vector<RenameWarning> warnings = previewRenames(files, namesInFolder);
    if (bottomUp)
        std::ranges::reverse(warnings);
    m_fileRows->setWarnings(warnings);
}

void frmSelectFiles::RebuildFileList()
{
    if (m_state.isArgumentMode())
        rebuildFromArguments();
    else
        ScanFilesFromFolder();
}

void frmSelectFiles::cboNameChoices_Click()
{
    RebuildFileList();
}

void frmSelectFiles::ReadyToGo()
{
    m_state.CurrentFile.setIsMissingTags(false);
    FillIllegalChars(m_state.IllegalChars);
    cboNameChoices->clear();
    cboNameChoices->addItems(namingConventionLabels());
    cboNameChoices->setCurrentIndex(0);
    cboNameChoices_Click();
}

bool frmSelectFiles::ComputeNewFileName(const QString &name, const std::optional<PrefetchedTail> &prefetched)
{
    if (!m_state.CurrentFile.setFileName(m_state.pathInCurrentDirectory(name), prefetched))
        return false;
    // Each name is built from an unmarked start, as a rename run builds it: the grid shows
    // the name the file will get, whatever the file listed before it lacked.
    m_state.CurrentFile.setIsMissingTags(false);
    m_state.CurrentFile.setNewFileName(BuildNewFileName(m_state.CurrentFile, conventionIndex(), m_state.IllegalChars));
    return true;
}

void frmSelectFiles::AddFileRow(int row, const QString &name)
{
    m_fileRows->insertFile(row, name);
}

void frmSelectFiles::ShowNewFileName(int row)
{
    m_fileRows->setNewName(row, m_state.CurrentFile.NewFileName(), m_state.CurrentFile.IsMissingTags());
}

void frmSelectFiles::showFilesListed()
{
    SetStatusText(1, QString::number(m_state.FileCount) + u" files listed."_s);
}

QString frmSelectFiles::directoryCaption() const
{
    return lblCurrDirectory->text();
}

void frmSelectFiles::showCurrentDirectory()
{
    lblCurrDirectory->setText(m_state.CurrentDirectory);
    lblCurrDirectory->adjustSize();
}
