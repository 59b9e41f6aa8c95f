#include "support/AppHarness.h"

#include <QFile>
#include <QLabel>

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

GridRows AppHarness::rows()
{
    GridRows rows;
    const QAbstractItemModel &model = *grid().model();
    for (int row = 0; row < model.rowCount(); ++row)
        rows.emplace_back(model.index(row, 0).data().toString(), model.index(row, 1).data().toString());
    return rows;
}

QString AppHarness::statusText()
{
    return control<QLabel>(u"SBarPanel1").text();
}
