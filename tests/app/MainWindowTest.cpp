#include "support/AppHarness.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

class MainWindow : public testing::Test
{
protected:
    MainWindow()
    {
        home.write(u"a song.mp3"_s, taggedAudio("Song", "Band", "Album", "1999"));
        home.write(u"b.mp3"_s, taggedAudio("Other", "Group", "", ""));
        app.window().ScanFilesFromFolder();
        app.window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&app.window()));
    }

    // The grid's tool-tip once the mouse has moved over it.
    QString hoverGrid()
    {
        const QPoint at = app.rowCentre(1);
        QMouseEvent move(
            QEvent::MouseMove, at, app.grid().viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(app.grid().viewport(), &move);
        return app.grid().toolTip();
    }

    TempFolder home;
    AppHarness app {home.path()};
};

} // namespace

TEST_F(MainWindow, TabVisitsTheControlsInOrderFromTheGrid)
{
    EXPECT_EQ(QApplication::focusWidget(), &app.grid());
    for (const char16_t *next : {u"cmdBrowse", u"cboNameChoices", u"chkForceTagEdit", u"cmdRenameAll"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf16(next));
    }
}

// The tool-tip describes the file in hand: none after a listing, then the row clicked last.
TEST_F(MainWindow, ClickLoadsTheRowsFileAndHoverSummarisesIt)
{
    EXPECT_EQ(hoverGrid(), QString());
    app.clickRow(0);
    EXPECT_EQ(hoverGrid(), u"Band - Song | Album (1999)"_s);
    app.clickRow(1);
    EXPECT_EQ(hoverGrid(), u"Group - Other"_s);
}

TEST_F(MainWindow, RightClickOpensTheGridMenuWithoutChangingTheFileInHand)
{
    app.clickRow(0);
    QTest::mouseClick(app.grid().viewport(), Qt::RightButton, {}, app.rowCentre(1));
    EXPECT_TRUE(app.startUp().gridMenu().isVisible());
    EXPECT_EQ(app.state().CurrentFile.FileName(), home.path(u"a song.mp3"_s));
    app.startUp().gridMenu().hide();
}

// The grid spans 99% of the window from 0.1% in, reaches the status bar, and each column
// takes 44.5% of it; the window never gets smaller than 710 x 455, nor than its top row.
TEST_F(MainWindow, ResizeLaysOutTheGridInProportion)
{
    const int smallest = app.window().minimumWidth();
    EXPECT_GE(smallest, 710);
    for (const QSize size : {QSize(900, 467), QSize(1280, 900), QSize(600, 533)}) {
        app.window().resize(size);
        QCoreApplication::processEvents();
        const int width = std::max(size.width(), smallest);
        const QRect grid = app.grid().geometry();
        EXPECT_EQ(grid.left(), qRound(width * 0.001));
        EXPECT_EQ(grid.width(), qRound(width * 0.99));
        EXPECT_EQ(grid.top(), 104);
        EXPECT_EQ(grid.bottom(), app.window().centralWidget()->height() - 1);
        EXPECT_EQ(app.grid().columnWidth(0), int(std::nearbyint(grid.width() * 0.445)));
        EXPECT_EQ(app.grid().columnWidth(1), app.grid().columnWidth(0));
    }
    app.window().resize(100, 100);
    EXPECT_EQ(app.window().size(), QSize(smallest, 455));
}

// Every control of the top row shows its whole text, none covers another, and all of them
// fit in the window; a grid row is about one line of text high.
TEST_F(MainWindow, ControlsShowTheirWholeText)
{
    for (const char16_t *name : {u"fraScanBox", u"cmdBrowse", u"fraNameFormat", u"cboNameChoices", u"chkForceTagEdit",
             u"fraRename", u"cmdRenameAll"}) {
        const QWidget &control = app.control<QWidget>(name);
        EXPECT_GE(control.width(), control.sizeHint().width()) << control.objectName().toStdString();
        EXPECT_TRUE(control.parentWidget()->rect().contains(control.geometry())) << control.objectName().toStdString();
    }
    const std::pair<const char16_t *, const char16_t *> neighbours[] = {
        {u"fraScanBox", u"fraNameFormat"}, {u"fraNameFormat", u"fraRename"}, {u"cboNameChoices", u"chkForceTagEdit"}};
    for (const auto &[left, right] : neighbours)
        EXPECT_GT(app.control<QWidget>(right).x(), app.control<QWidget>(left).geometry().right());
    EXPECT_LE(app.control<QWidget>(u"fraRename").geometry().right(), app.window().minimumWidth());
    const int lineHeight = app.grid().fontMetrics().height();
    EXPECT_GE(app.grid().rowHeight(0), lineHeight);
    EXPECT_LT(app.grid().rowHeight(0), lineHeight * 3 / 2);
}

// Each Enter but the last presses "Rename All Files", whose run asks first; the last presses
// the button that has the focus.
TEST_F(MainWindow, EnterPressesRenameAllUnlessAnotherButtonHasTheFocus)
{
    app.script().answers = {MessageAnswer::No, MessageAnswer::No, MessageAnswer::No};
    app.script().folderChoices = {QString()};
    const std::pair<const char16_t *, Qt::Key> presses[] = {{u"FileGrid", Qt::Key_Return},
        {u"cboNameChoices", Qt::Key_Enter}, {u"chkForceTagEdit", Qt::Key_Return}, {u"cmdBrowse", Qt::Key_Enter}};
    for (const auto &[focus, key] : presses) {
        app.control<QWidget>(focus).setFocus();
        QTest::keyClick(&app.control<QWidget>(focus), key);
    }
    EXPECT_EQ(app.script().messages.size(), 3u);
    EXPECT_EQ(app.script().folderDialogStarts.size(), 1u);
}

TEST_F(MainWindow, ShortcutsWorkFromAnywhereInTheWindow)
{
    home.write(u"c.mp3"_s, taggedAudio("Third", "Band"));
    app.control<QWidget>(u"cboNameChoices").setFocus();
    QTest::keyClick(&app.window(), Qt::Key_F5);
    EXPECT_EQ(app.rowCount(), 3);

    app.script().folderChoices = {QString()};
    QTest::keyClick(&app.grid(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(app.script().folderDialogStarts.size(), 1u);
    app.script().answers = {MessageAnswer::No};
    QTest::keyClick(&app.grid(), Qt::Key_F7);
    EXPECT_EQ(app.script().messages.at(0).title, u"Rename All Files?"_s);

    QTest::keyClick(&app.grid(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(app.script().programEnded);
    app.script().programEnded = false;
    app.window().close(); // closing the window ends the program too
    EXPECT_TRUE(app.script().programEnded);
}

TEST_F(MainWindow, HelpMenuShowsTheAboutBoxAndOpensTheWebPages)
{
    app.script().answers = {MessageAnswer::Ok};
    for (const char16_t *entry : {u"mnuitmHelpAbout", u"mnuitmAboutSuggest", u"mnuitmHelpHomePage"})
        app.action(entry).trigger();
    EXPECT_EQ(app.script().messages.at(0).title, u"Sorvane v2.3"_s);
    EXPECT_EQ(app.script().openedAddresses,
        (std::vector<QUrl> {QUrl(u"http://kestova.example.com/software/suggestion_box.asp"_s),
            QUrl(u"http://kestova.example.com/software/Sorvane/default.asp?ver=23"_s)}));
}

// The file in hand is passed whole, space and all; a player that cannot start is reported.
TEST_F(MainWindow, ListenPlaysTheFileInHandWhole)
{
    app.action(u"mnuitmGridListen").trigger(); // nothing in hand yet
    app.clickRow(0);
    app.action(u"mnuitmGridListen").trigger();
    EXPECT_EQ(app.script().startedPrograms,
        (std::vector<QStringList> {{u"xdg-open"_s, QString()}, {u"xdg-open"_s, home.path(u"a song.mp3"_s)}}));

    app.script().programsStart = false;
    app.script().answers = {MessageAnswer::Ok};
    app.action(u"mnuitmGridListen").trigger();
    EXPECT_EQ(app.script().messages.at(0).title, u"Cannot Launch MP3"_s);
}

TEST_F(MainWindow, DirectoryLabelExploresTheFolderAndOffersItsMenu)
{
    TempFolder spaced;
    const QString folder = spaced.makeFolder(u"my music"_s) + u'/';
    app.window().SetScanDirectory(folder);
    auto &label = app.control<QLabel>(u"lblCurrDirectory");
    QTest::mouseClick(&label, Qt::LeftButton);
    app.action(u"mnuitmSelectDirExplore").trigger();
    EXPECT_EQ(
        app.script().startedPrograms, (std::vector<QStringList> {{u"xdg-open"_s, folder}, {u"xdg-open"_s, folder}}));

    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_TRUE(app.startUp().directoryMenu().isVisible());
    app.startUp().directoryMenu().hide();

    QFile::copy(home.path(u"b.mp3"_s), folder + u"x.mp3"_s);
    app.action(u"mnuitmSelectDirRefresh").trigger();
    EXPECT_EQ(app.rows(), (GridRows {{u"x.mp3"_s, u"Group - Other.mp3"_s}}));
}
