#include "support/AppHarness.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
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

    QPoint rowCentre(int row) { return app.grid().visualRect(app.grid().model()->index(row, 0)).center(); }
    void clickRow(int row) { QTest::mouseClick(app.grid().viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    void hoverGrid()
    {
        QMouseEvent move(QEvent::MouseMove, rowCentre(1), app.grid().viewport()->mapToGlobal(rowCentre(1)),
            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(app.grid().viewport(), &move);
    }
    QAction &action(QObject &owner, const QString &name)
    {
        auto *found = owner.findChild<QAction *>(name);
        if (!found)
            throw std::runtime_error("no action " + name.toStdString());
        return *found;
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

TEST_F(MainWindow, ClickLoadsTheRowsFileAndHoverSummarisesIt)
{
    hoverGrid();
    EXPECT_EQ(app.grid().toolTip(), QString()); // no file in hand yet

    clickRow(0);
    EXPECT_EQ(app.state().CurrentFile.FileName(), home.path(u"a song.mp3"_s));
    hoverGrid();
    EXPECT_EQ(app.grid().toolTip(), u"Band - Song | Album (1999)"_s);

    clickRow(1);
    hoverGrid();
    EXPECT_EQ(app.grid().toolTip(), u"Group - Other"_s);
}

TEST_F(MainWindow, RightClickOpensTheGridMenuWithoutChangingTheFileInHand)
{
    clickRow(0);
    QTest::mouseClick(app.grid().viewport(), Qt::RightButton, {}, rowCentre(1));
    EXPECT_TRUE(app.startUp().gridMenu().isVisible());
    EXPECT_EQ(app.grid().currentIndex().row(), 0);
    EXPECT_EQ(app.state().CurrentFile.FileName(), home.path(u"a song.mp3"_s));
    app.startUp().gridMenu().hide();
}

TEST_F(MainWindow, ClickOnAGridWithoutFilesDoesNothing)
{
    TempFolder empty;
    app.window().SetScanDirectory(empty.path());
    QTest::mouseClick(app.grid().viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseDClick(app.grid().viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    action(app.startUp().gridMenu(), u"mnuitmGridEdit"_s).trigger();
    EXPECT_EQ(app.state().CurrentFile.FileName(), QString());
}

// The grid spans 99% of the window from 0.1% in, reaches the status bar, and each column
// takes 44.5% of it; the window never gets smaller than 710 x 455, nor than its top row.
TEST_F(MainWindow, ResizeLaysOutTheGridInProportion)
{
    const QWidget &area = *app.window().centralWidget();
    const int smallest = app.window().minimumWidth();
    EXPECT_GE(smallest, 710);
    for (const QSize size : {QSize(900, 467), QSize(710, 455), QSize(1280, 900), QSize(600, 533)}) {
        app.window().resize(size);
        QCoreApplication::processEvents();
        const int width = std::max(size.width(), smallest);
        ASSERT_EQ(app.window().width(), width);
        const QRect grid = app.grid().geometry();
        EXPECT_EQ(grid.left(), qRound(width * 0.001));
        EXPECT_EQ(grid.width(), qRound(width * 0.99));
        EXPECT_EQ(grid.top(), 104);
        EXPECT_EQ(grid.bottom(), area.height() - 1);
        EXPECT_EQ(app.grid().columnWidth(0), int(std::nearbyint(grid.width() * 0.445)));
        EXPECT_EQ(app.grid().columnWidth(1), app.grid().columnWidth(0));
    }
    app.window().resize(800, 467);
    EXPECT_EQ(app.grid().width(), qRound(std::max(800, smallest) * 0.99));
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

TEST_F(MainWindow, EnterPressesRenameAllUnlessAnotherButtonHasTheFocus)
{
    app.script().answers = {MessageAnswer::No, MessageAnswer::No, MessageAnswer::No};
    QSignalSpy renamePressed(&app.control<QPushButton>(u"cmdRenameAll"), &QPushButton::clicked);
    for (const char16_t *focus : {u"FileGrid", u"cboNameChoices", u"chkForceTagEdit"}) {
        app.control<QWidget>(focus).setFocus();
        QTest::keyClick(&app.control<QWidget>(focus), Qt::Key_Return);
    }
    EXPECT_EQ(renamePressed.count(), 3);
    EXPECT_EQ(app.script().messages.size(), 3u); // each asks to confirm the run
    app.script().folderChoices = {QString()};
    app.control<QWidget>(u"cmdBrowse").setFocus();
    QTest::keyClick(&app.control<QWidget>(u"cmdBrowse"), Qt::Key_Enter);
    EXPECT_EQ(app.script().folderDialogStarts.size(), 1u);
    EXPECT_EQ(renamePressed.count(), 3);
}

TEST_F(MainWindow, ShortcutsWorkFromAnywhereInTheWindow)
{
    home.write(u"c.mp3"_s, taggedAudio("Third", "Band", "", ""));
    app.control<QWidget>(u"cboNameChoices").setFocus();
    QTest::keyClick(&app.window(), Qt::Key_F5);
    EXPECT_EQ(app.rowCount(), 3);

    app.script().folderChoices = {QString()};
    QTest::keyClick(&app.grid(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(app.script().folderDialogStarts.size(), 1u);
    app.script().answers = {MessageAnswer::No};
    QTest::keyClick(&app.grid(), Qt::Key_F7);
    ASSERT_EQ(app.script().messages.size(), 1u);
    EXPECT_EQ(app.script().messages.front().title, u"Rename All Files?"_s);

    EXPECT_FALSE(app.script().programEnded);
    QTest::keyClick(&app.grid(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(app.script().programEnded);
    app.script().programEnded = false;
    app.window().close(); // closing the window ends the program too
    EXPECT_TRUE(app.script().programEnded);
}

TEST_F(MainWindow, HelpMenuShowsTheAboutBoxAndOpensTheWebPages)
{
    app.script().answers = {MessageAnswer::Ok};
    action(app.window(), u"mnuitmHelpAbout"_s).trigger();
    ASSERT_EQ(app.script().messages.size(), 1u);
    const Message &about = app.script().messages.front();
    EXPECT_EQ(about.title, u"Sorvane v2.3"_s);
    EXPECT_TRUE(about.text.startsWith(u"Copyright (C) Kestova.  Kestova \ncannot be held"_s));
    EXPECT_EQ(about.icon, MessageIcon::Information);

    action(app.window(), u"mnuitmAboutSuggest"_s).trigger();
    action(app.window(), u"mnuitmHelpHomePage"_s).trigger();
    EXPECT_EQ(app.script().openedAddresses,
        (std::vector<QUrl> {QUrl(u"http://kestova.example.com/software/suggestion_box.asp"_s),
            QUrl(u"http://kestova.example.com/software/Sorvane/default.asp?ver=23"_s)}));
}

TEST_F(MainWindow, ListenPlaysTheFileInHandWhole)
{
    action(app.startUp().gridMenu(), u"mnuitmGridListen"_s).trigger(); // nothing in hand yet
    clickRow(0);
    action(app.startUp().gridMenu(), u"mnuitmGridListen"_s).trigger();
    using Started = ScriptedDesktopServices::StartedProgram;
    EXPECT_EQ(app.script().startedPrograms,
        (std::vector<Started> {{u"xdg-open"_s, {QString()}}, {u"xdg-open"_s, {home.path(u"a song.mp3"_s)}}}));
    EXPECT_TRUE(app.script().messages.empty());

    app.script().programsStart = false;
    app.script().answers = {MessageAnswer::Ok};
    action(app.startUp().gridMenu(), u"mnuitmGridListen"_s).trigger();
    ASSERT_EQ(app.script().messages.size(), 1u);
    EXPECT_EQ(app.script().messages.front(),
        (Message {u"Cannot Launch MP3"_s, u"Unable to launch MP3 file for previewing."_s, MessageButtons::Ok,
            MessageIcon::Information}));
}

TEST_F(MainWindow, DirectoryLabelExploresTheFolderAndOffersItsMenu)
{
    TempFolder spaced;
    const QString folder = spaced.makeFolder(u"my music"_s) + u'/';
    app.window().SetScanDirectory(folder);
    auto &label = app.control<QLabel>(u"lblCurrDirectory");
    QTest::mouseClick(&label, Qt::LeftButton);
    action(app.startUp().directoryMenu(), u"mnuitmSelectDirExplore"_s).trigger();
    using Started = ScriptedDesktopServices::StartedProgram;
    EXPECT_EQ(
        app.script().startedPrograms, (std::vector<Started> {{u"xdg-open"_s, {folder}}, {u"xdg-open"_s, {folder}}}));

    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_TRUE(app.startUp().directoryMenu().isVisible());
    app.startUp().directoryMenu().hide();

    QFile::copy(home.path(u"b.mp3"_s), folder + u"x.mp3"_s);
    action(app.startUp().directoryMenu(), u"mnuitmSelectDirRefresh"_s).trigger();
    EXPECT_EQ(app.rows(), (GridRows {{u"x.mp3"_s, u"Group - Other.mp3"_s}}));
}
