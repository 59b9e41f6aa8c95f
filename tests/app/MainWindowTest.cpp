#include "support/AppHarness.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

// One session at the window. Tab visits the controls in order from the grid. Enter presses
// "Rename All Files", whose run asks first, wherever the focus is but on another button; F7
// does too, Ctrl+S opens the folder dialog, F5 lists the folder again, and Ctrl+X or closing
// the window ends the program. The tool-tip describes the file in hand: none after a listing,
// then the row clicked last, which a right click, opening the grid's menu, leaves in hand.
// Listen plays that file, passed whole, space and all, and reports a player that cannot
// start; Help shows the about box and opens the web pages. The directory label explores its
// folder and offers the menu that explores or lists it again. Every control of the top row
// shows its whole text, none covers another, and all of them fit in the window; a grid row
// is about one line of text high. The grid spans 99% of the window from 0.1% in, from below
// the top row down to the status bar, and each column takes 44.5% of it; the window never
// gets smaller than 710 x 455, nor than its top row.
TEST(MainWindow, KeysMouseAndMenusReachTheirCommandsInAWindowLaidOutInProportion)
{
    TempFolder home;
    home.write(u"a song.mp3"_s, taggedAudio("Song", "Band", "Album", "1999"));
    home.write(u"b.mp3"_s, taggedAudio("Other", "Group", "", ""));
    AppHarness app(home.path());
    app.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.window()));
    // The grid's tool-tip once the mouse has moved over it.
    const auto hoverGrid = [&app] {
        QMouseEvent move(QEvent::MouseMove, QPointF(), QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(app.grid().viewport(), &move);
        return app.grid().toolTip();
    };

    EXPECT_EQ(QApplication::focusWidget(), &app.grid());
    for (const char16_t *next : {u"cmdBrowse", u"cboNameChoices", u"chkForceTagEdit", u"cmdRenameAll"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf16(next));
    }

    app.script().answers.assign(4, MessageAnswer::No);
    app.script().folderChoices = {QString(), QString()};
    home.write(u"c.mp3"_s, taggedAudio("Third", "Band"));
    const std::pair<const char16_t *, QKeySequence> presses[]
        = {{u"FileGrid", Qt::Key_Return}, {u"cboNameChoices", Qt::Key_Return}, {u"chkForceTagEdit", Qt::Key_Return},
            {u"cmdBrowse", Qt::Key_Enter}, {u"cboNameChoices", Qt::Key_F7}, {u"chkForceTagEdit", Qt::CTRL | Qt::Key_S},
            {u"FileGrid", Qt::Key_F5}, {u"FileGrid", Qt::CTRL | Qt::Key_X}};
    for (const auto &[focus, keys] : presses) {
        app.control<QWidget>(focus).setFocus();
        QTest::keySequence(&app.control<QWidget>(focus), keys);
    }
    EXPECT_EQ(app.column(0).size(), 3);
    EXPECT_EQ(app.script().programEnds, 1);

    // Queued behind any the keys left unused, which the harness reports at the end.
    app.script().answers.insert(app.script().answers.end(), {MessageAnswer::Ok, MessageAnswer::Ok});
    for (const char16_t *entry :
        {u"mnuitmHelpAbout", u"mnuitmAboutSuggest", u"mnuitmHelpHomePage", u"mnuitmGridListen"})
        app.action(entry).trigger(); // nothing in hand yet to listen to
    EXPECT_EQ(hoverGrid(), QString());
    app.clickRow(1);
    EXPECT_EQ(hoverGrid(), u"Group - Other"_s);
    app.clickRow(0);
    app.clickRow(1, Qt::RightButton);
    EXPECT_TRUE(app.startUp().gridMenu().isVisible());
    EXPECT_EQ(app.grid().currentIndex().row(), 0);
    app.startUp().gridMenu().hide();
    EXPECT_EQ(hoverGrid(), u"Band - Song | Album (1999)"_s);
    app.action(u"mnuitmGridListen").trigger();
    app.script().programsStart = false;
    app.action(u"mnuitmGridListen").trigger();
    EXPECT_EQ(app.script().openedAddresses,
        (std::vector<QUrl> {QUrl(u"http://kestova.example.com/software/suggestion_box.asp"_s),
            QUrl(u"http://kestova.example.com/software/Sorvane/default.asp?ver=23"_s)}));

    const QString folder = home.makeFolder(u"my music"_s) + u'/';
    app.window().SetScanDirectory(folder);
    app.action(u"mnuitmGridEdit").trigger(); // no rows: nothing to edit
    auto &label = app.control<QLabel>(u"lblCurrDirectory");
    QTest::mouseClick(&label, Qt::LeftButton);
    app.action(u"mnuitmSelectDirExplore").trigger();
    const QStringList player = {u"xdg-open"_s, home.path(u"a song.mp3"_s)};
    const QStringList explorer = {u"xdg-open"_s, folder};
    EXPECT_EQ(app.script().startedPrograms,
        (std::vector<QStringList> {{u"xdg-open"_s, QString()}, player, player, explorer, explorer}));
    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_TRUE(app.startUp().directoryMenu().isVisible());
    app.startUp().directoryMenu().hide();

    QFile::copy(home.path(u"b.mp3"_s), folder + u"x.mp3"_s);
    app.action(u"mnuitmSelectDirRefresh").trigger();
    EXPECT_EQ(app.column(0), QStringList {u"x.mp3"_s});

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
    const int lineHeight = app.grid().fontMetrics().height();
    EXPECT_GE(app.grid().rowHeight(0), lineHeight);
    EXPECT_LT(app.grid().rowHeight(0), lineHeight * 3 / 2);

    for (const QSize size : {QSize(900, 467), QSize(1280, 900), QSize(100, 100)}) {
        app.window().resize(size);
        QCoreApplication::processEvents();
        const int width = app.window().width();
        EXPECT_EQ(app.grid().geometry(),
            QRect(qRound(width * 0.001), 104, qRound(width * 0.99), app.window().centralWidget()->height() - 104));
        EXPECT_EQ(app.grid().columnWidth(0), int(std::nearbyint(app.grid().width() * 0.445)));
        EXPECT_EQ(app.grid().columnWidth(1), app.grid().columnWidth(0));
    }
    EXPECT_EQ(app.window().size(), QSize(std::max(710, app.window().minimumWidth()), 455));

    app.window().close();
    EXPECT_EQ(app.script().programEnds, 2);
}
