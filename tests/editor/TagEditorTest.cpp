#include "editor/frmEditID3Tags.h"
#include "naming/ProgramState.h"
#include "support/IndependentTaggers.h"
#include "support/ScriptedDesktopServices.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// On a file another tagger wrote (NUL-padded fields, a track number in the comment) the
// boxes show the text alone. A genre byte past the list shows as "None", a genre named in
// any case selects its entry, one the list lacks selects "None", and entering a box, by any
// way, selects its text. Escape writes nothing. Save writes the boxes as typed, in Latin-1
// cut to their fields, the list's position as the genre byte, keeps the track number, and
// lists the files again; a tag that cannot be written is reported, and the editor stays
// open with what was typed.
TEST(TagEditor, ShowsTheFileInHandAndSavesWhatIsTypedOnlyWhenAskedTo)
{
    TempFolder folder;
    ProgramState state;
    ScriptedDesktopServices services;
    std::unique_ptr<frmEditID3Tags> editor;
    int rebuilds = 0;
    // As a double-click on the file's row does.
    const auto open = [&](const QString &file) {
        state.CurrentFile.setFileName(file);
        editor = std::make_unique<frmEditID3Tags>(
            state, services, [&] { ++rebuilds; }, nullptr);
        editor->show();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    };
    const auto box = [&](const char16_t *name) { return editor->findChild<QLineEdit *>(QString::fromUtf16(name)); };
    const auto genre = [&] { return editor->findChild<QComboBox *>(u"cboGenre"_s)->currentText(); };

    const QString song = folder.write(u"Some Song.mp3"_s, audioBytes(200));
    if (const QString failure = tagWithMutagen(song, {u"  Song"_s, u"Band"_s, u"Album"_s, u"1999"_s, {}, 255});
        !failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    const QByteArray block = folder.read(u"Some Song.mp3"_s).right(128);
    open(song);
    for (const auto &[name, shown] : {std::pair {u"txtArtist", u"Band"_s}, {u"txtSongTitle", u"Song"_s},
             {u"txtAlbum", u"Album"_s}, {u"txtYear", u"1999"_s}, {u"txtComment", QString()}})
        EXPECT_EQ(box(name)->text(), shown);
    EXPECT_EQ(genre(), u"None"_s);
    for (const auto &[name, shown] : {std::pair {u"jazz"_s, u"Jazz"_s}, {u"Chiptune"_s, u"None"_s}}) {
        editor->FillGenreList(name);
        EXPECT_EQ(genre(), shown);
    }

    EXPECT_EQ(QApplication::focusWidget(), box(u"txtArtist"));
    QTest::keyClick(box(u"txtArtist"), Qt::Key_Tab);
    EXPECT_EQ(box(u"txtSongTitle")->selectedText(), u"Song"_s);
    box(u"txtArtist")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(box(u"txtArtist")->selectedText(), u"Band"_s);

    auto &fileLabel = *editor->findChild<QLabel *>(u"lblCurrentFile"_s);
    EXPECT_EQ(fileLabel.text(), u"Some Song.mp3"_s);
    QTest::mouseClick(&fileLabel, Qt::LeftButton);
    EXPECT_EQ(services.startedPrograms, (std::vector<QStringList> {{u"xdg-open"_s, song}}));

    box(u"txtSongTitle")->setText(u"Changed"_s);
    QTest::keyClick(box(u"txtSongTitle"), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(folder.read(u"Some Song.mp3"_s).right(128), block);

    open(song);
    box(u"txtSongTitle")->setText(QString(35, u't'));
    box(u"txtArtist")->setText(u"  Mötley 日\U0001F600x"_s); // the emoji lies outside the BMP
    box(u"txtYear")->setText(u"85"_s);
    box(u"txtComment")->setText(QString(28, u'n')); // leaves room for the track number
    QFile::setPermissions(song, QFile::ReadOwner);
    services.answers = {MessageAnswer::Ok};
    QTest::keyClick(box(u"txtAlbum"), Qt::Key_Return);
    EXPECT_EQ(services.messages.at(0).text, u"The ID3 tag could not be written to Some Song.mp3."_s);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(rebuilds, 0);

    QFile::setPermissions(song, QFile::ReadOwner | QFile::WriteOwner);
    QTest::keyClick(box(u"txtAlbum"), Qt::Key_Return);
    EXPECT_EQ(folder.read(u"Some Song.mp3"_s).right(128),
        withTrack(
            tagBlockBytes(QByteArray(30, 't'), "  M\xf6tley ??x", "Album", "85", QByteArray(28, 'n'), 255, ' '), 255));
    EXPECT_EQ(rebuilds, 1);
    EXPECT_FALSE(editor->isVisible());
}
