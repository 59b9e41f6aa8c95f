#include "support/AppHarness.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTest>

AppHarness::AppHarness(const QString &home, const QStringList &arguments, Settings settings)
    : m_previousHome(qgetenv("HOME"))
    , m_previousStateHome(qgetenv("XDG_STATE_HOME"))
{
    if (settings == Settings::Fresh)
        m_freshSettings.emplace();
    qputenv("HOME", QFile::encodeName(home));
    // The program keeps its state under the stand-in home folder too.
    qunsetenv("XDG_STATE_HOME");
    auto services = std::make_unique<ScriptedDesktopServices>();
    m_script = services.get();
    m_startUp = std::make_unique<frmMain>(std::move(services), arguments);
    m_startUp->Form_Load();
}

AppHarness::~AppHarness()
{
    m_startUp.reset();
    qputenv("HOME", m_previousHome);
    if (!m_previousStateHome.isNull())
        qputenv("XDG_STATE_HOME", m_previousStateHome);
}

QAction &AppHarness::action(QStringView name)
{
    for (QObject *owner : {static_cast<QObject *>(&window()), static_cast<QObject *>(&startUp().gridMenu()),
             static_cast<QObject *>(&startUp().directoryMenu())}) {
        if (auto *found = owner->findChild<QAction *>(name.toString()))
            return *found;
    }
    throw std::runtime_error("no action " + name.toString().toStdString());
}

void AppHarness::clickRow(int row, Qt::MouseButton button)
{
    QTest::mouseClick(grid().viewport(), button, {}, grid().visualRect(grid().model()->index(row, 0)).center());
}

void AppHarness::chooseConvention(int index)
{
    auto &choices = control<QComboBox>(u"cboNameChoices");
    choices.setCurrentIndex(index);
    Q_EMIT choices.activated(index);
}

QStringList AppHarness::column(int column)
{
    QStringList cells;
    for (int row = 0; row < rowCount(); ++row)
        cells.append(grid().model()->index(row, column).data().toString());
    return cells;
}

QString AppHarness::statusText()
{
    return control<QLabel>(u"SBarPanel1").text();
}
