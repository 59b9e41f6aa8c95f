// frmSelectFiles: listing the folder, or the files named on the command line, into the grid.

#include "app/frmSelectFiles.h"

#include "app/FileGridModel.h"
#include "app/InterruptibleWork.h"
#include "naming/ProgramState.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>

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
    showCurrentDirectory();
    runListing(
        [this](WorkProgress &progress) { return m_state.ListedFiles.listFolder(m_state.CurrentDirectory, progress); });
}

void frmSelectFiles::ScanFilesFromArgs(const QStringList &paths)
{
    showCurrentDirectory();
    runListing([&](WorkProgress &progress) { return m_state.ListedFiles.listFiles(paths, progress); });
}

void frmSelectFiles::RebuildFileList()
{
    runListing([this](WorkProgress &progress) { return m_state.ListedFiles.listAgain(progress); });
}

void frmSelectFiles::runListing(const std::function<ListingResult(WorkProgress &)> &listing)
{
    // The grid shows nothing while the list changes under it.
    m_fileRows->clear();
    setBusy(true);
    ListingResult result;
    {
        InterruptibleWork work(*this, *statusPanel1);
        SetStatusText(1, tr("Retrieving list of files, please wait..."));
        // Draw the text and the pointer; no user input, so no second listing starts under this one.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        result = listing(work);
    }
    m_fileRows->showListed();
    // A listing leaves no file in hand.
    m_state.CurrentFile.setFileName(QString());
    setBusy(false);
    if (result.stopped)
        SetStatusText(1,
            tr("Listing stopped: %L1 of %L2 files listed.").arg(m_state.ListedFiles.files().size()).arg(result.found));
    else
        showFilesListed();
}

void frmSelectFiles::showFilesListed()
{
    const FileList &listed = m_state.ListedFiles;
    const int folders = listed.folderCount();
    const QString count = QString::number(listed.files().size());
    SetStatusText(1,
        folders > 1 ? tr("%1 files listed in %2 folders.").arg(count).arg(folders) : tr("%1 files listed.").arg(count));
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
