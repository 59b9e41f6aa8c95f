#include "app/frmSelectFiles.h"

#include "app/FileGridModel.h"
#include "app/InterruptibleWork.h"
#include "app/NamedActions.h"
#include "app/ProductInfo.h"
#include "app/TrackSummary.h"
#include "editor/frmEditID3Tags.h"
#include "naming/ProgramState.h"
#include "naming/UndoLastRename.h"
#include "platform/DesktopServices.h"
#include "platform/ShellActions.h"
#include "settings/Registry.h"
#include "widgets/WidgetLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolTip>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// "true" or "false": whether files without an ID3v1 block have their ID3v2 tag read.
const QString ReadID3v2Setting = u"ReadID3v2"_s;
// "true" or "false": whether a folder is listed with the folders below it.
const QString IncludeSubfoldersSetting = u"IncludeSubfolders"_s;

bool readSwitch(const QString &setting)
{
    return ReadRegistryString(ProgramKey, setting, QString()) == u"true"_s;
}

void writeSwitch(const QString &setting, bool on)
{
    WriteSetting(setting, on ? u"true"_s : u"false"_s);
}

// The context-menu key or Shift+F10, or the menu event a desktop sends for them.
bool isMenuKey(const QEvent &event)
{
    if (event.type() == QEvent::ContextMenu)
        return static_cast<const QContextMenuEvent &>(event).reason() == QContextMenuEvent::Keyboard;
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(event);
    return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

template <typename Widget> Widget *createNamed(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QGroupBox *createFrame(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *frame = createNamed<QGroupBox>(parent, name, geometry);
    frame->setTitle(caption);
    showCaptionBold(*frame);
    return frame;
}

QPushButton *createButton(
    QWidget *parent, const QString &name, const QString &caption, const QString &toolTip, const QRect &geometry)
{
    auto *button = createNamed<QPushButton>(parent, name, geometry);
    button->setText(caption);
    button->setToolTip(toolTip);
    // Enter presses the focused button, as in a dialog.
    button->setAutoDefault(true);
    growToFitText(*button);
    return button;
}

} // namespace

frmSelectFiles::frmSelectFiles(ProgramState &state, DesktopServices &services)
    : m_state(state)
    , m_services(services)
    , m_fileRows(new FileGridModel(state.ListedFiles, this))
{
    setObjectName(u"frmSelectFiles"_s);
    createControls();
    createMenus();
    createStatusBar();
}

frmSelectFiles::~frmSelectFiles() = default;

void frmSelectFiles::createControls()
{
    auto *area = new QWidget(this);
    area->setObjectName(u"clientArea"_s);
    setCentralWidget(area);

    fraScanBox = createFrame(area, u"fraScanBox"_s, tr("Directory to Scan"), m_twips.rect(0, 135, 3630, 975));
    cmdBrowse = createButton(fraScanBox, u"cmdBrowse"_s, tr("&Scan Directory for MP3 Files"),
        tr("Select a directory containing MP3 files to tag/rename."), m_twips.rect(165, 345, 2895, 375));
    connect(cmdBrowse, &QPushButton::clicked, this, &frmSelectFiles::cmdBrowse_Click);
    growToHold(*fraScanBox, *cmdBrowse, m_twips(570));

    fraNameFormat
        = createFrame(area, u"fraNameFormat"_s, tr("File Naming Convention"), m_twips.rect(3675, 135, 4575, 975));
    keepRightOf(*fraNameFormat, *fraScanBox, m_twips(45));
    cboNameChoices = createNamed<QComboBox>(fraNameFormat, u"cboNameChoices"_s, m_twips.rect(150, 345, 2610, 315));
    cboNameChoices->setToolTip(tr("Select a naming convention to use for the MP3 files listed below."));
    // The labels are there from the start, so that the list is as wide as its longest one.
    cboNameChoices->addItems(nameChoiceLabels());
    growToFitText(*cboNameChoices);
    connect(cboNameChoices, &QComboBox::activated, this, &frmSelectFiles::cboNameChoices_Click);
    chkForceTagEdit = createNamed<QCheckBox>(fraNameFormat, u"chkForceTagEdit"_s, m_twips.rect(2895, 345, 1395, 300));
    chkForceTagEdit->setText(tr("&Force Tag Edit"));
    growToFitText(*chkForceTagEdit);
    keepRightOf(*chkForceTagEdit, *cboNameChoices, m_twips(135));
    growToHold(*fraNameFormat, *chkForceTagEdit, m_twips(285));
    chkForceTagEdit->setToolTip(tr("Setting this checkbox will force an automatic re-tagging of the ID3 tags for all "
                                   "files listed in the grid below."));

    fraRename = createFrame(area, u"fraRename"_s, tr("Process Files"), m_twips.rect(8310, 135, 2085, 975));
    cmdRenameAll = createButton(fraRename, u"cmdRenameAll"_s, tr("&Rename All Files"),
        tr("Begin renaming the files as shown above."), m_twips.rect(165, 345, 1575, 340));
    cmdRenameAll->setDefault(true);
    growToHold(*fraRename, *cmdRenameAll, m_twips(345));
    keepRightOf(*fraRename, *fraNameFormat, m_twips(60));
    connect(cmdRenameAll, &QPushButton::clicked, this, &frmSelectFiles::cmdRenameAll_Click);

    lblCurrDirectoryLabel = createNamed<QLabel>(area, u"lblCurrDirectoryLabel"_s, m_twips.rect(15, 1290, 1230, 195));
    lblCurrDirectoryLabel->setText(tr("Current Directory:"));
    lblCurrDirectoryLabel->adjustSize();
    lblCurrDirectory = createNamed<QLabel>(area, u"lblCurrDirectory"_s, m_twips.rect(1335, 1290, 225, 195));
    keepRightOf(*lblCurrDirectory, *lblCurrDirectoryLabel, 6);
    lblCurrDirectory->setToolTip(tr("Explore the contents of this directory."));
    lblCurrDirectory->setAccessibleName(lblCurrDirectoryLabel->text());
    showAsLink(*lblCurrDirectory);

    FileGrid = new QTableView(area);
    FileGrid->setObjectName(u"FileGrid"_s);
    FileGrid->setAccessibleName(tr("Files and their new names"));
    FileGrid->setModel(m_fileRows);
    FileGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FileGrid->horizontalHeader()->setSectionsClickable(false);
    FileGrid->verticalHeader()->hide();
    FileGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    FileGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FileGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FileGrid->setWordWrap(false);
    FileGrid->setTabKeyNavigation(false); // Tab moves on to the next control
    FileGrid->setMouseTracking(true);
    // A row is one line of text with a little room, not the style's taller default.
    FileGrid->verticalHeader()->setMinimumSectionSize(0);
    FileGrid->verticalHeader()->setDefaultSectionSize(FileGrid->fontMetrics().height() + 4);
    connect(FileGrid, &QTableView::clicked, this, &frmSelectFiles::FileGrid_Click);
    connect(FileGrid, &QTableView::doubleClicked, this, &frmSelectFiles::FileGrid_DblClick);

    // The resize layout, the label's clicks, the grid's menu key and its mouse go through
    // eventFilter.
    for (QObject *watched : {static_cast<QObject *>(area), static_cast<QObject *>(lblCurrDirectory),
             static_cast<QObject *>(FileGrid), static_cast<QObject *>(FileGrid->viewport())})
        watched->installEventFilter(this);

    setTabOrder(FileGrid, cmdBrowse);
    setTabOrder(cmdBrowse, cboNameChoices);
    setTabOrder(cboNameChoices, chkForceTagEdit);
    setTabOrder(chkForceTagEdit, cmdRenameAll);
    FileGrid->setFocus();
}

void frmSelectFiles::createMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(u"mnuFile"_s);
    connect(addNamedAction(*mnuFile, u"mnuitmFileScanDir"_s, tr("&Scan Directory"), Qt::CTRL | Qt::Key_S),
        &QAction::triggered, this, &frmSelectFiles::mnuitmFileScanDir_Click);
    addNamedSeparator(*mnuFile, u"Line1"_s);
    connect(addNamedAction(*mnuFile, u"mnuitmFileExit"_s, tr("E&xit"), Qt::CTRL | Qt::Key_X), &QAction::triggered, this,
        &frmSelectFiles::mnuitmFileExit_Click);

    QMenu *mnuTools = menuBar()->addMenu(tr("&Tools"));
    mnuTools->setObjectName(u"mnuTools"_s);
    connect(addNamedAction(*mnuTools, u"mnuitmToolsRefresh"_s, tr("Re&fresh Directory"), Qt::Key_F5),
        &QAction::triggered, this, &frmSelectFiles::mnuitmToolsRefresh_Click);
    addNamedSeparator(*mnuTools, u"Line2"_s);
    connect(addNamedAction(*mnuTools, u"mnuitmToolsRename"_s, tr("&Rename All Files"), Qt::Key_F7), &QAction::triggered,
        this, &frmSelectFiles::mnuitmToolsRename_Click);
    mnuitmToolsUndo = addNamedAction(*mnuTools, u"mnuitmToolsUndo"_s, tr("&Undo Last Rename"));
    connect(mnuitmToolsUndo, &QAction::triggered, this, &frmSelectFiles::mnuitmToolsUndo_Click);
    addNamedSeparator(*mnuTools, u"Line4"_s);
    mnuitmToolsReadID3v2 = addNamedAction(*mnuTools, u"mnuitmToolsReadID3v2"_s, tr("Read &ID3v2 Tags"));
    mnuitmToolsReadID3v2->setCheckable(true);
    connect(mnuitmToolsReadID3v2, &QAction::triggered, this, &frmSelectFiles::mnuitmToolsReadID3v2_Click);
    mnuitmToolsIncludeSubfolders
        = addNamedAction(*mnuTools, u"mnuitmToolsIncludeSubfolders"_s, tr("Include &Subfolders"));
    mnuitmToolsIncludeSubfolders->setCheckable(true);
    connect(
        mnuitmToolsIncludeSubfolders, &QAction::triggered, this, &frmSelectFiles::mnuitmToolsIncludeSubfolders_Click);

    QMenu *mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(u"mnuHelp"_s);
    connect(addNamedAction(*mnuHelp, u"mnuitmHelpAbout"_s, tr("&About")), &QAction::triggered, this,
        &frmSelectFiles::mnuitmHelpAbout_Click);
    addNamedSeparator(*mnuHelp, u"Line3"_s);
    connect(addNamedAction(*mnuHelp, u"mnuitmAboutSuggest"_s, tr("&Suggest New Features")), &QAction::triggered, this,
        &frmSelectFiles::mnuitmAboutSuggest_Click);
    connect(addNamedAction(*mnuHelp, u"mnuitmHelpHomePage"_s, tr("&Sorvane on the Web")), &QAction::triggered, this,
        &frmSelectFiles::mnuitmHelpHomePage_Click);
}

void frmSelectFiles::createStatusBar()
{
    statusBar()->setObjectName(u"SBar"_s);
    statusPanel1 = new QLabel(statusBar());
    statusPanel1->setObjectName(u"SBarPanel1"_s);
    statusPanel1->setMinimumWidth(m_twips(8760));
    statusBar()->addWidget(statusPanel1, 1);
    statusPanel2 = new QLabel(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat), statusBar());
    statusPanel2->setObjectName(u"SBarPanel2"_s);
    statusPanel2->setMinimumWidth(m_twips(1440));
    statusBar()->addPermanentWidget(statusPanel2);
}

void frmSelectFiles::Form_Load()
{
    setWindowTitle(u"Sorvane v"_s + GetVersionText());
    // Never smaller than the design, nor than the top row needs where its controls grew.
    const QSize smallest(std::max(m_twips(10650), fraRename->geometry().right() + 1 + m_twips(105)), m_twips(6825));
    setMinimumSize(smallest);
    resize(smallest);
    updateUndoAvailability();
    // Before the first listing, which lists this way.
    const bool readsID3v2 = readSwitch(ReadID3v2Setting);
    mnuitmToolsReadID3v2->setChecked(readsID3v2);
    m_state.ListedFiles.setReadsID3v2(readsID3v2);
    const bool includesSubfolders = readSwitch(IncludeSubfoldersSetting);
    mnuitmToolsIncludeSubfolders->setChecked(includesSubfolders);
    m_state.ListedFiles.setIncludesSubfolders(includesSubfolders);
    InitializeGrid();
    FileGrid->setColumnWidth(0, m_twips(4750));
    FileGrid->setColumnWidth(1, m_twips(4750));
}

void frmSelectFiles::InitializeGrid()
{
    m_state.ListedFiles.clear();
    m_fileRows->clear();
    SetScanDirectory(m_state.CurrentDirectory);
}

void frmSelectFiles::SetStatusText(int panel, const QString &text)
{
    (panel == 1 ? statusPanel1 : statusPanel2)->setText(text);
}

// The grid fills the window's width and reaches down to the status bar; its two columns
// share 89% of it.
void frmSelectFiles::Form_Resize()
{
    const QWidget *area = centralWidget();
    const int width = area->width();
    const int top = m_twips(1560);
    FileGrid->setGeometry(qRound(width * 0.001), top, qRound(width * 0.99), std::max(0, area->height() - top));
    const int columnWidth = int(std::nearbyint(FileGrid->width() * 0.445));
    FileGrid->setColumnWidth(0, columnWidth);
    FileGrid->setColumnWidth(1, columnWidth);
}

// The keyboard's way to the grid's menu: it takes the current row's file in hand, as a click
// does, and opens below that row.
void frmSelectFiles::FileGrid_MenuKey()
{
    QPoint at;
    if (loadCurrentRow()) {
        const QRect cell = FileGrid->visualRect(FileGrid->currentIndex());
        at = {0, cell.bottom() + 1};
    }
    Q_EMIT gridMenuRequested(FileGrid->viewport()->mapToGlobal(at));
}

bool frmSelectFiles::loadCurrentRow()
{
    const ListedFile *file = m_fileRows->fileAt(FileGrid->currentIndex().row());
    if (!file)
        return false;
    m_state.ListedFiles.load(m_state.CurrentFile, file->path);
    return true;
}

// A click makes the row's file the file in hand; the editor, open or not, follows it.
void frmSelectFiles::FileGrid_Click()
{
    if (loadCurrentRow())
        refreshedTagEditor();
}

void frmSelectFiles::FileGrid_DblClick()
{
    if (loadCurrentRow())
        openTagEditor();
}

frmEditID3Tags &frmSelectFiles::refreshedTagEditor()
{
    if (m_tagEditor)
        m_tagEditor->ShowFileInfo();
    else
        m_tagEditor = std::make_unique<frmEditID3Tags>(
            m_state, m_services, [this] { RebuildFileList(); }, this);
    return *m_tagEditor;
}

// The editor always shows the file in hand: an editor left loaded by an earlier click must
// not offer that file's tag for this one.
void frmSelectFiles::openTagEditor()
{
    m_services.runModal(refreshedTagEditor());
    m_tagEditor.reset();
}

// The tool-tip describes the file in hand, which is the row clicked last.
void frmSelectFiles::FileGrid_MouseMove()
{
    if (!m_state.CurrentFile.FileName().isEmpty())
        FileGrid->setToolTip(TrackSummary(m_state.CurrentFile));
}

bool frmSelectFiles::lblCurrDirectory_MouseDown(const QMouseEvent &event)
{
    if (event.button() == Qt::LeftButton)
        ExploreCurrentDirectory(m_services, directoryCaption());
    else if (event.button() == Qt::RightButton)
        Q_EMIT directoryMenuRequested(event.globalPosition().toPoint());
    return true;
}

bool frmSelectFiles::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if (watched == lblCurrDirectory && event->type() == QEvent::MouseButtonPress) {
        return lblCurrDirectory_MouseDown(static_cast<const QMouseEvent &>(*event));
    } else if (watched == FileGrid && isMenuKey(*event)) {
        FileGrid_MenuKey();
        return true;
    } else if (watched == FileGrid->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            // The pop-up menu acts on the file in hand: the right button selects nothing.
            const auto &press = static_cast<const QMouseEvent &>(*event);
            if (press.button() != Qt::RightButton)
                break;
            Q_EMIT gridMenuRequested(press.globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseMove:
            FileGrid_MouseMove();
            break;
        case QEvent::ToolTip:
            QToolTip::showText(static_cast<const QHelpEvent &>(*event).globalPos(), FileGrid->toolTip(), FileGrid);
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Enter presses "Rename All Files" wherever the focus is, unless it is on another button,
// which then takes the key itself.
void frmSelectFiles::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdRenameAll->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmSelectFiles::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    endProgram();
}

// The dialog opens on the folder the label shows; a chosen folder is listed and
// remembered for the next start.
void frmSelectFiles::cmdBrowse_Click()
{
    QString start = directoryCaption();
    if (start.endsWith(u'/') && start != u"/"_s)
        start.chop(1);
    if (start.isEmpty())
        start = withTrailingSlash(QDir::homePath());
    const QString chosen = BrowseForFolderByPath(start);
    if (chosen.isEmpty()) {
        m_state.CurrentDirectory = withTrailingSlash(start);
        return;
    }
    m_state.CurrentDirectory = withTrailingSlash(chosen);
    ScanFilesFromFolder();
    WriteSetting(u"StartIn"_s, m_state.CurrentDirectory);
}

QString frmSelectFiles::BrowseForFolderByPath(const QString &startFolder)
{
    return m_services.chooseFolder(this, tr("Select a directory to scan for MP3 files."), startFolder);
}

void frmSelectFiles::mnuitmFileScanDir_Click()
{
    cmdBrowse_Click();
}

void frmSelectFiles::cmdRenameAll_Click()
{
    RenameAllFiles();
}

void frmSelectFiles::mnuitmToolsRename_Click()
{
    RenameAllFiles();
}

void frmSelectFiles::RenameAllFiles()
{
    InterruptibleWork work(*this, *statusPanel1);
    RenameRun(m_state, *this).RenameAllFiles(work);
    updateUndoAvailability();
}

void frmSelectFiles::mnuitmToolsUndo_Click()
{
    UndoLastRename(m_state.RenameJournalPath, *this);
    updateUndoAvailability();
}

void frmSelectFiles::updateUndoAvailability()
{
    mnuitmToolsUndo->setEnabled(QFileInfo::exists(m_state.RenameJournalPath) && !m_state.JournalIsOutdated);
}

MessageAnswer frmSelectFiles::showMessage(const Message &message)
{
    return m_services.showMessage(this, message);
}

void frmSelectFiles::setBusy(bool busy)
{
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

bool frmSelectFiles::IsForceTagEdit()
{
    return chkForceTagEdit->checkState() == Qt::Checked;
}

NamesKept frmSelectFiles::namesKept()
{
    return m_fileRows->namesKept();
}

void frmSelectFiles::editTags()
{
    openTagEditor();
}

void frmSelectFiles::endProgram()
{
    m_services.endProgram();
}

void frmSelectFiles::mnuitmFileExit_Click()
{
    endProgram();
}

void frmSelectFiles::mnuitmToolsRefresh_Click()
{
    ScanFilesFromFolder();
}

void frmSelectFiles::mnuitmToolsReadID3v2_Click(bool checked)
{
    writeSwitch(ReadID3v2Setting, checked);
    m_state.ListedFiles.setReadsID3v2(checked);
    RebuildFileList();
}

void frmSelectFiles::mnuitmToolsIncludeSubfolders_Click(bool checked)
{
    writeSwitch(IncludeSubfoldersSetting, checked);
    m_state.ListedFiles.setIncludesSubfolders(checked);
    RebuildFileList();
}

void frmSelectFiles::mnuitmHelpAbout_Click()
{
    m_services.showMessage(this, AboutMessage());
}

void frmSelectFiles::mnuitmAboutSuggest_Click()
{
    ShellOpen(m_services, SuggestionPageAddress());
}

void frmSelectFiles::mnuitmHelpHomePage_Click()
{
    ShellOpen(m_services, HomePageAddress());
}
