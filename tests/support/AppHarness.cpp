#include "support/AppHarness.h"

#include <QFile>
#include <QTest>

AppHarness::AppHarness(const QString &home, const QStringList &arguments, Settings settings)
{
    if (settings == Settings::Fresh)
        m_freshSettings.emplace();
    qputenv("HOME", QFile::encodeName(home));
    m_startUp = std::make_unique<frmMain>(std::make_unique<ScriptedDesktopServices>(), arguments);
    m_startUp->Form_Load();
}

QAction &AppHarness::action(QStringView name)
{
    QAction *found = window().findChild<QAction *>(name.toString());
    for (const QMenu *menu : {&startUp().gridMenu(), &startUp().directoryMenu()})
        found = found ? found : menu->findChild<QAction *>(name.toString());
    return *found;
}

void AppHarness::clickRow(int row, Qt::MouseButton button)
{
    QTest::mouseClick(grid().viewport(), button, {}, grid().visualRect(grid().model()->index(row, 0)).center());
}

QStringList AppHarness::column(int column)
{
    QStringList cells;
    for (int row = 0; row < grid().model()->rowCount(); ++row)
        cells.append(grid().model()->index(row, column).data().toString());
    return cells;
}
