#include "support/AppHarness.h"
#include "support/IndependentTaggers.h"
#include "support/TempFolder.h"
#include "widgets/WidgetLook.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

// What the grid proposes is what the disk gets, under every convention chosen after the
// start, for the folder's files and for files named as arguments; listed again, the renamed
// files keep their names.
TEST(RenameAllFiles, GivesTheFilesTheNamesTheGridShowed)
{
    for (const bool withArguments : {false, true}) {
        for (int convention = 0; convention < 7; ++convention) {
            TempFolder home;
            // Under every convention a's name sorts before b's, and the grid lists a first: the folder
            // sorted, the arguments bottom up.
            const QStringList files = {home.write(u"a.mp3"_s, taggedAudio("time", "pink floyd", "dark side", "1973")),
                home.write(u"b.mp3"_s, taggedAudio("Who?", "The Who", "Live"))};
            AppHarness app(home.path(), withArguments ? QStringList {files.crbegin(), files.crend()} : QStringList());
            auto &choices = app.control<QComboBox>(u"cboNameChoices");
            choices.setCurrentIndex(convention);
            Q_EMIT choices.activated(convention);
            const QStringList proposed = app.column(1);
            app.script().answers = {MessageAnswer::Yes, MessageAnswer::Yes};
            app.control<QPushButton>(u"cmdRenameAll").click();
            EXPECT_EQ(home.fileNames(), proposed) << "convention " << convention << ", arguments " << withArguments;
            EXPECT_EQ(app.column(1), proposed) << "listed again after Yes";
        }
    }
}

// A file that lacks a field leaves no mark on the names the grid shows for the files after
// it: the grid shows what the rename gives, and the names stay visible and on one line.
TEST(RenameAllFiles, GridShowsWhatTheDiskGetsAfterAFileWithoutTags)
{
    TempFolder home;
    home.write(u"aaa.mp3"_s, audioBytes(300)); // untagged: a title from the name, no artist
    const QString tagged = home.write(u"b.mp3"_s, audioBytes(300));
    const QString failure = tagWithMutagen(tagged, {u"What?"_s, u"Ac/Dc"_s, {}, {}, {}, u"4"_s});
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    home.write(u"c.mp3"_s, taggedAudio("Totally\nNatural", "...And You Will Know Us"));
    const QStringList renamed = {u"Ac Dc - What .mp3"_s, u"_..And You Will Know Us - Totally Natural.mp3"_s};

    AppHarness app(home.path());
    EXPECT_EQ(app.column(1), QStringList({u" - Aaa.mp3"_s}) + renamed);
    app.script().answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::No};
    app.control<QPushButton>(u"cmdRenameAll").click();
    EXPECT_EQ(home.fileNames(), renamed + QStringList {u"aaa.mp3"_s});
}

// The grid marks the clash before anything moves. With "Force Tag Edit" ticked, the editor
// opens on each file in turn, also when a click on another row left it loaded, and each file
// is named after what was saved there. After a restart, Undo Last Rename gives every old name
// back and is then no longer offered.
TEST(RenameAllFiles, UndoLastRenameAfterAForcedRunAndARestart)
{
    TempFolder home;
    home.write(u"a.mp3"_s, taggedAudio("Song", "Band"));
    home.write(u"b.mp3"_s, taggedAudio("Song", "Band"));
    home.write(u"Other - Clicked.mp3"_s, taggedAudio("Clicked", "Other"));
    {
        AppHarness app(home.path());
        EXPECT_FALSE(app.action(u"mnuitmToolsUndo").isEnabled());
        // The first file heading for a name gets it unmarked; the second keeps its name and
        // says why; an unchanged name is drawn fainter, yet readable in a light scheme and in
        // a dark one.
        const QString keeps = u"Keeps its name: 'Band - Song.mp3' is already taken in this folder"_s;
        for (int row = 0; row < 3; ++row) {
            const QModelIndex cell = app.grid().model()->index(row, 1);
            EXPECT_EQ(cell.data(Qt::DecorationRole).isValid(), row == 1) << row;
            EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), row == 1 ? keeps : QString()) << row;
            EXPECT_EQ(cell.data(Qt::AccessibleDescriptionRole).toString(), row == 1 ? keeps : QString()) << row;
            EXPECT_EQ(cell.data(Qt::AccessibleTextRole), cell.data(Qt::DisplayRole)) << row;
            EXPECT_EQ(cell.data(Qt::ForegroundRole).isValid(), row == 2) << row;
        }
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Base, QColor(0x22, 0x20, 0x20));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        for (const QPalette &scheme : {light, dark}) {
            QApplication::setPalette(scheme);
            const QColor faint = app.grid().model()->index(2, 1).data(Qt::ForegroundRole).value<QColor>();
            const QColor base = scheme.color(QPalette::Base);
            EXPECT_GE(contrastRatio(faint, base), 4.5);
            EXPECT_LT(contrastRatio(faint, base), contrastRatio(scheme.color(QPalette::Text), base));
        }
        QApplication::setPalette(light);
        EXPECT_FALSE(app.grid().accessibleName().isEmpty());
        app.window().FileGrid_Click(); // no current row yet: nothing happens
        app.clickRow(2);
        app.control<QCheckBox>(u"chkForceTagEdit").setChecked(true);
        for (const auto &artistAndTitle :
            {std::pair {u"Band"_s, u"Better Title"_s}, {u"Band"_s, u"Song"_s}, {u"Other"_s, u"Clicked"_s}})
            app.script().dialogSteps.push_back([artistAndTitle](QDialog &editor) {
                EXPECT_EQ(editor.findChild<QLineEdit *>(u"txtArtist"_s)->text(), artistAndTitle.first);
                editor.findChild<QLineEdit *>(u"txtSongTitle"_s)->setText(artistAndTitle.second);
                editor.findChild<QPushButton *>(u"cmdSave"_s)->click();
            });
        app.script().answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        app.control<QPushButton>(u"cmdRenameAll").click();
        EXPECT_TRUE(app.script().messages.front().text.startsWith(
            u"1 file(s) would keep their names because the new name is already in use.\n"_s));
        EXPECT_EQ(home.fileNames(),
            (QStringList {u"Band - Better Title.mp3"_s, u"Band - Song.mp3"_s, u"Other - Clicked.mp3"_s}));
        EXPECT_TRUE(app.action(u"mnuitmToolsUndo").isEnabled());
    }
    AppHarness app(home.path());
    app.script().answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    app.action(u"mnuitmToolsUndo").trigger();
    EXPECT_EQ(home.fileNames(), (QStringList {u"Other - Clicked.mp3"_s, u"a.mp3"_s, u"b.mp3"_s}));
    EXPECT_EQ(app.column(0).front(), u"a.mp3"_s);
    EXPECT_FALSE(app.action(u"mnuitmToolsUndo").isEnabled());
}

// Greek and Japanese ID3v2 text keeps its letters through a save in the editor, unchanged,
// and a Force Tag Edit run: the names are made of it, and players still read it.
TEST(RenameAllFiles, AForcedRunKeepsTheLettersOfAnID3v2Tag)
{
    TempFolder home;
    const std::pair<QString, QString> songs[]
        = {{u"Μίκης Θεοδωράκης"_s, u"Καλημέρα κόσμε"_s}, {u"坂本龍一"_s, u"戦場のメリークリスマス"_s}};
    for (const auto &[artist, title] : songs) {
        const QString path = home.write(title + u".mp3"_s, audioBytes(300));
        if (const QString failure = tagWithMutagen(path, {title, artist, {}, {}, {}}, {4, 3, true}); !failure.isEmpty())
            GTEST_SKIP() << failure.toStdString();
    }
    AppHarness app(home.path());
    app.action(u"mnuitmToolsReadID3v2").trigger();
    const QStringList proposed = app.column(1);
    for (const auto &[artist, title] : songs)
        EXPECT_TRUE(proposed.filter(artist).size() == 1) << proposed.join(u'|').toStdString();
    app.control<QCheckBox>(u"chkForceTagEdit").setChecked(true);
    for (int file = 0; file < 2; ++file)
        app.script().dialogSteps.push_back(
            [](QDialog &editor) { editor.findChild<QPushButton *>(u"cmdSave"_s)->click(); });
    app.script().answers = {MessageAnswer::Yes, MessageAnswer::No};
    app.control<QPushButton>(u"cmdRenameAll").click();
    EXPECT_EQ(home.fileNames(), proposed);
    for (const auto &[artist, title] : songs) {
        const TaggerReading reading = readWithMutagen(home.path(proposed.filter(artist).value(0)));
        if (!reading.why.isEmpty())
            GTEST_SKIP() << reading.why.toStdString();
        EXPECT_EQ(reading.fields.value(u"TIT2"_s), title);
    }
}
