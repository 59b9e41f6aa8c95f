#pragma once

#include "app/frmMain.h"
#include "app/frmSelectFiles.h"
#include "naming/ProgramState.h"
#include "support/ScriptedDesktopServices.h"
#include "support/SettingsStore.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QStringList>
#include <QTableView>

#include <memory>
#include <optional>

// The program started in process over scripted desktop services, as main() starts it.
class AppHarness
{
public:
    // Which settings store the program sees: an empty one of its own, or the one in use.
    enum class Settings { Fresh, InUse };

    // home stands in for the user's home folder, which folder mode lists; HOME keeps it until
    // the next harness sets its own.
    explicit AppHarness(const QString &home, const QStringList &arguments = {}, Settings settings = Settings::Fresh);

    ScriptedDesktopServices &script() { return static_cast<ScriptedDesktopServices &>(m_startUp->services()); }
    frmMain &startUp() { return *m_startUp; }
    ProgramState &state() { return m_startUp->state(); }
    frmSelectFiles &window() { return m_startUp->mainWindow(); }
    QTableView &grid() { return control<QTableView>(u"FileGrid"); }

    template <typename Widget> Widget &control(QStringView name)
    {
        return *window().findChild<Widget *>(name.toString());
    }
    // An entry of the menu bar or of one of the pop-up menus.
    QAction &action(QStringView name);

    // A click with the mouse on the row, as a person picks its file.
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton);
    // The present (0) or proposed (1) names, top to bottom.
    QStringList column(int column);

private:
    std::optional<SettingsStore> m_freshSettings;
    std::unique_ptr<frmMain> m_startUp;
};
