#pragma once

#include "naming/FileList.h"
#include "naming/RenameRun.h"
#include "widgets/Twips.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class DesktopServices;
class FileGridModel;
class frmEditID3Tags;
struct ProgramState;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

// The main window: the listed folder, the naming convention, the grid of present and
// proposed names, the rename button and the status bar. Closing it ends the program.
class frmSelectFiles : public QMainWindow, private RenameWindow
{
    Q_OBJECT

public:
    frmSelectFiles(ProgramState &state, DesktopServices &services);
    ~frmSelectFiles() override;

    // Caption, size and the grid's first initialisation, which lists the folder in folder mode.
    void Form_Load();
    void InitializeGrid();
    // Fills the convention list and selects the first convention, under which the proposed
    // names are built.
    void ReadyToGo();
    // panel counts from 1.
    void SetStatusText(int panel, const QString &text);
    // "N files listed." for the files in the list, with the number of their folders when
    // there are several.
    void showFilesListed();

    // Makes path (or the remembered folder, or the home folder) the current directory and,
    // in folder mode, lists it.
    void SetScanDirectory(const QString &path);
    // Lists the current directory, and with "Include Subfolders" the folders below it.
    void ScanFilesFromFolder() override;
    // Lists the files at paths (absolute), each in its own folder, shown bottom up.
    void ScanFilesFromArgs(const QStringList &paths);
    // Lists again what is listed, reading every file anew.
    void RebuildFileList();
    // The folder the directory label shows.
    QString directoryCaption() const;
    // The folder the person picks in the desktop's folder dialog, opened on startFolder;
    // empty when cancelled.
    QString BrowseForFolderByPath(const QString &startFolder);

public Q_SLOTS:
    void cmdBrowse_Click();
    void mnuitmFileScanDir_Click();
    void FileGrid_Click();
    void FileGrid_DblClick();
    void cboNameChoices_Click();
    void cmdRenameAll_Click();
    void mnuitmToolsRename_Click();
    void mnuitmToolsUndo_Click();
    void mnuitmFileExit_Click();
    void mnuitmToolsRefresh_Click();
    void mnuitmToolsReadID3v2_Click(bool checked);
    void mnuitmToolsIncludeSubfolders_Click(bool checked);
    void mnuitmHelpAbout_Click();
    void mnuitmAboutSuggest_Click();
    void mnuitmHelpHomePage_Click();

Q_SIGNALS:
    void gridMenuRequested(const QPoint &globalPosition);
    void directoryMenuRequested(const QPoint &globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void createStatusBar();
    void Form_Resize();
    void FileGrid_MouseMove();
    void FileGrid_MenuKey();
    bool lblCurrDirectory_MouseDown(const QMouseEvent &event);
    void showCurrentDirectory();
    // Loads the current row's file into the track record; false on a grid without file rows.
    bool loadCurrentRow();

    // Runs a listing with the busy pointer, its progress and Esc to stop it, then shows the
    // rows and what was listed.
    void runListing(const std::function<ListingResult(WorkProgress &)> &listing);
    void RenameAllFiles();
    // "Undo Last Rename" is offered while a journal of a rename run exists.
    void updateUndoAvailability();

    // The labels of cboNameChoices: the conventions, then "Own Pattern...".
    static QStringList nameChoiceLabels();
    // The person's own pattern, from the dialog; false when they cancel it.
    bool chooseOwnPattern();
    // The name pattern gives the selected file, or the first listed one.
    QString previewName(const NamePattern &pattern) const;

    // The tag editor: created hidden on first use, destroyed when it closes.
    frmEditID3Tags &refreshedTagEditor();
    void openTagEditor();

    // What a rename run needs from this window.
    MessageAnswer showMessage(const Message &message) override;
    void setBusy(bool busy) override;
    bool IsForceTagEdit() override;
    NameChoice nameChoice() override;
    NamesKept namesKept() override;
    void editTags() override;
    void endProgram() override;

    ProgramState &m_state;
    DesktopServices &m_services;
    FileGridModel *const m_fileRows;
    const Twips m_twips {font()};

    QGroupBox *fraScanBox = nullptr;
    QPushButton *cmdBrowse = nullptr;
    QGroupBox *fraNameFormat = nullptr;
    QComboBox *cboNameChoices = nullptr;
    QCheckBox *chkForceTagEdit = nullptr;
    QGroupBox *fraRename = nullptr;
    QPushButton *cmdRenameAll = nullptr;
    QLabel *lblCurrDirectoryLabel = nullptr;
    QLabel *lblCurrDirectory = nullptr;
    QTableView *FileGrid = nullptr;
    QLabel *statusPanel1 = nullptr;
    QLabel *statusPanel2 = nullptr;
    QAction *mnuitmToolsUndo = nullptr;
    QAction *mnuitmToolsReadID3v2 = nullptr;
    QAction *mnuitmToolsIncludeSubfolders = nullptr;
    std::unique_ptr<frmEditID3Tags> m_tagEditor;
    // The entry of cboNameChoices the names are built after, and the own pattern last kept.
    int m_chosenNaming = 0;
    std::optional<NamePattern> m_ownPattern;
};
