#include "app/frmMain.h"

#include "app/NamedActions.h"
#include "app/frmSelectFiles.h"
#include "naming/InterruptedRename.h"
#include "platform/DesktopServices.h"
#include "platform/FileLookup.h"
#include "platform/FileReplacement.h"
#include "platform/ShellActions.h"
#include "platform/StateFolder.h"
#include "settings/Addons.h"
#include "settings/Registry.h"

#include <QFileInfo>
#include <QUrl>

using namespace Qt::StringLiterals;

frmMain::frmMain(std::unique_ptr<DesktopServices> services, QStringList arguments)
    : m_arguments(std::move(arguments))
    , m_services(std::move(services))
    , m_frmSelectFiles(std::make_unique<frmSelectFiles>(m_state, *m_services))
{
    setObjectName(u"frmMain"_s);
    m_state.RenameJournalPath = userStateFolder() + u"/last-rename.journal"_s;
    m_state.TagSaveRecordPath = userStateFolder() + u"/tag-save.record"_s;
    createPopupMenus();
    connect(m_frmSelectFiles.get(), &frmSelectFiles::gridMenuRequested, &mnuGrid,
        [this](const QPoint &position) { mnuGrid.popup(position); });
    connect(m_frmSelectFiles.get(), &frmSelectFiles::directoryMenuRequested, &mnuSelectDir,
        [this](const QPoint &position) { mnuSelectDir.popup(position); });
}

frmMain::~frmMain() = default;

void frmMain::createPopupMenus()
{
    mnuGrid.setObjectName(u"mnuGrid"_s);
    mnuGrid.setTitle(u"GridPopup"_s);
    connect(addNamedAction(mnuGrid, u"mnuitmGridEdit"_s, tr("&Edit ID3 Tag")), &QAction::triggered, this,
        &frmMain::mnuitmGridEdit_Click);
    addNamedSeparator(mnuGrid, u"Line1"_s);
    connect(addNamedAction(mnuGrid, u"mnuitmGridListen"_s, tr("&Listen to File")), &QAction::triggered, this,
        &frmMain::mnuitmGridListen_Click);
    addNamedSeparator(mnuGrid, u"Line2"_s);
    for (int index = 1; index <= int(mnuitmGridAddon.size()); ++index) {
        QAction *addon = addNamedAction(mnuGrid, u"mnuitmGridAddon"_s, u"Addon"_s + QString::number(index));
        addon->setVisible(false);
        connect(addon, &QAction::triggered, this, [this, index] { mnuitmGridAddon_Click(index); });
        mnuitmGridAddon[size_t(index - 1)] = addon;
    }

    mnuSelectDir.setObjectName(u"mnuSelectDir"_s);
    mnuSelectDir.setTitle(u"SelectPath"_s);
    connect(addNamedAction(mnuSelectDir, u"mnuitmSelectDirExplore"_s, tr("&Explore")), &QAction::triggered, this,
        &frmMain::mnuitmSelectDirExplore_Click);
    addNamedSeparator(mnuSelectDir, u"Line3"_s);
    connect(addNamedAction(mnuSelectDir, u"mnuitmSelectDirRefresh"_s, tr("&Refresh Directory Contents")),
        &QAction::triggered, this, &frmMain::mnuitmSelectDirRefresh_Click);
}

void frmMain::Form_Load()
{
    m_state.CommandLine = m_arguments.join(u' ');
    if (!m_state.isArgumentMode())
        LoadSettings(m_state);
    // Before anything is listed: a run killed part way may have left a file under a name
    // the listing passes over.
    if (const std::optional<Message> putRight = FinishInterruptedRename(m_state.RenameJournalPath))
        m_services->showMessage(nullptr, *putRight);
    removeStrandedReplacement(m_state.TagSaveRecordPath);
    // The first convention is chosen before the first listing, which builds each proposed
    // name once.
    m_frmSelectFiles->ReadyToGo();
    LoadScreen();
    for (int position = 1; position <= ProgramState::AddonCount; ++position)
        SetPopupMenuLabels(position);
    m_frmSelectFiles->show();
}

void frmMain::LoadScreen()
{
    m_frmSelectFiles->Form_Load();
    if (m_state.isArgumentMode())
        takeArgumentFiles();
}

// Every argument names one file, which is listed and renamed in its own folder; the first
// one's folder is the current directory. An argument that names no ordinary file is left out.
void frmMain::takeArgumentFiles()
{
    m_state.CurrentDirectory = withTrailingSlash(ExpandLongPath(QFileInfo(m_arguments.first()).path()));
    // Remembered, so that the next start without arguments lists this folder.
    m_state.StartInDirectory = m_state.CurrentDirectory;
    WriteSetting(u"StartIn"_s, m_state.StartInDirectory);
    QStringList paths;
    for (const QString &argument : m_arguments) {
        if (!normalFileName(argument).isEmpty())
            paths.append(ExpandLongPath(argument));
    }
    m_frmSelectFiles->ScanFilesFromArgs(paths);
}

void frmMain::SetPopupMenuLabels(int piAddonNum)
{
    const QString &name = m_state.AddonNames[size_t(piAddonNum - 1)];
    if (name.isEmpty() || piAddonNum > int(mnuitmGridAddon.size()))
        return;
    mnuitmGridAddon[size_t(piAddonNum - 1)]->setText(name);
    mnuitmGridAddon[size_t(piAddonNum - 1)]->setVisible(true);
}

void frmMain::mnuitmGridAddon_Click(int Index)
{
    const QString &prefix = m_state.AddonURLs[size_t(Index - 1)];
    if (!prefix.isEmpty())
        ShellOpen(*m_services,
            QUrl(AddonAddress(prefix, m_state.CurrentFile.Artist(), m_state.CurrentFile.Title()), QUrl::TolerantMode));
}

void frmMain::mnuitmGridEdit_Click()
{
    m_frmSelectFiles->FileGrid_DblClick();
}

void frmMain::mnuitmGridListen_Click()
{
    PreviewFile(*m_services, m_frmSelectFiles.get(), m_state.CurrentFile.FileName());
}

void frmMain::mnuitmSelectDirExplore_Click()
{
    ExploreCurrentDirectory(*m_services, m_frmSelectFiles->directoryCaption());
}

void frmMain::mnuitmSelectDirRefresh_Click()
{
    m_frmSelectFiles->ScanFilesFromFolder();
}
