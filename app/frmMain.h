#pragma once

#include "naming/ProgramState.h"

#include <QMenu>
#include <QObject>
#include <QStringList>

#include <array>
#include <memory>

class DesktopServices;
class frmSelectFiles;

// The start-up object: it owns the program's shared values, the desktop services and the
// two pop-up menus of the main window, runs the start sequence and then stays in the
// background for the whole run.
class frmMain : public QObject
{
    Q_OBJECT

public:
    // arguments: the program's arguments, without the program itself and Qt's own options.
    frmMain(std::unique_ptr<DesktopServices> services, QStringList arguments);
    ~frmMain() override;

    // The start sequence: decides the mode, lists the files and shows the main window.
    void Form_Load();

    ProgramState &state() { return m_state; }
    DesktopServices &services() { return *m_services; }
    frmSelectFiles &mainWindow() { return *m_frmSelectFiles; }
    QMenu &gridMenu() { return mnuGrid; }
    QMenu &directoryMenu() { return mnuSelectDir; }

    // Shows add-on element piAddonNum (1 to 5) with its caption when the add-on has a name.
    void SetPopupMenuLabels(int piAddonNum);
    // Opens add-on Index's address for the file in hand.
    void mnuitmGridAddon_Click(int Index);

private Q_SLOTS:
    void mnuitmGridEdit_Click();
    void mnuitmGridListen_Click();
    void mnuitmSelectDirExplore_Click();
    void mnuitmSelectDirRefresh_Click();

private:
    void createPopupMenus();
    void LoadScreen();
    void takeArgumentFiles();

    const QStringList m_arguments;
    std::unique_ptr<DesktopServices> m_services;
    ProgramState m_state;
    QMenu mnuGrid;
    // The add-on elements 1 to 5 of the grid menu; add-ons 6 to 10 have none.
    std::array<QAction *, 5> mnuitmGridAddon {};
    QMenu mnuSelectDir;
    std::unique_ptr<frmSelectFiles> m_frmSelectFiles;
};
