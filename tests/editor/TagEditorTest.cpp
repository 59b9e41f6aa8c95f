#include "editor/frmEditID3Tags.h"
#include "naming/ProgramState.h"
#include "support/IndependentTaggers.h"
#include "support/ScriptedDesktopServices.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Types text into box as a keyboard does, one character (a whole code point) a key press:
// QTest's key clicks take only ASCII.
void typeInto(QLineEdit &box, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.mid(i, length));
        QApplication::sendEvent(&box, &press);
        i += length - 1;
    }
}

} // namespace

// On a file another tagger wrote (NUL-padded fields, a track number in the comment) the
// boxes show the text alone. A genre byte past the list shows as "None", a genre named in
// any case selects its entry, one the list lacks selects "None", and entering a box, by any
// way, selects its text. Escape writes nothing. Save writes the boxes as typed, in Windows-1252
// cut to their fields, the list's position as the genre byte (255 for "None"), keeps the track number, and
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
    if (const QString failure = tagWithMutagen(song, {u"  Song"_s, u"Band"_s, u"Album"_s, u"1999"_s, {}, u"255"_s});
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
    // A box refuses what the block cannot hold, as typed: the emoji comes as two halves.
    box(u"txtArtist")->clear();
    typeInto(*box(u"txtArtist"), u"  Mötley 日\U0001F600€x"_s);
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
        withTrack(tagBlockBytes(QByteArray(30, 't'), "  M\xf6tley \x80x", "Album", "85", QByteArray(28, 'n'), 255, ' '),
            255));
    EXPECT_EQ(rebuilds, 1);
    EXPECT_FALSE(editor->isVisible());
}

// A file read from its ID3v2 tag is edited there, in full: Greek longer than an ID3v1 field
// reaches the tag players read, the untouched artist stays as it was, and the ID3v1 editor
// of the same file refuses Greek and says where players look.
TEST(TagEditor, EditsTheID3v2TagItShowsInFull)
{
    TempFolder folder;
    ProgramState state;
    state.TagSaveRecordPath = folder.path(u".state/tag-save.record"_s);
    ScriptedDesktopServices services;
    const QString song = folder.write(u"Song.mp3"_s, audioBytes(200));
    const QString artist = u"Μίκης Θεοδωράκης"_s;
    if (const QString failure = tagWithMutagen(song, {u"Καλημέρα"_s, artist, {}, u"1973"_s, {}}, {4, 3, true});
        !failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    const auto open = [&](bool readsID3v2) {
        state.ListedFiles.setReadsID3v2(readsID3v2);
        state.CurrentFile.setFileName(song, readsID3v2);
        return std::make_unique<frmEditID3Tags>(
            state, services, [] {}, nullptr);
    };
    const auto box = [](frmEditID3Tags &editor, const QString &name) { return editor.findChild<QLineEdit *>(name); };

    const std::unique_ptr<frmEditID3Tags> v2Editor = open(true);
    EXPECT_EQ(box(*v2Editor, u"txtArtist"_s)->text(), artist);
    EXPECT_FALSE(v2Editor->findChild<QLabel *>(u"lblTagNote"_s)->isVisibleTo(v2Editor.get()));
    const QString title = u"Καλημέρα κόσμε, καλημέρα ήλιε, καλημέρα"_s;
    box(*v2Editor, u"txtSongTitle"_s)->clear();
    typeInto(*box(*v2Editor, u"txtSongTitle"_s), title);
    v2Editor->cmdSave_Click();
    EXPECT_TRUE(services.messages.empty());
    const TaggerReading reading = readWithMutagen(song);
    if (!reading.why.isEmpty())
        GTEST_SKIP() << reading.why.toStdString();
    EXPECT_EQ(reading.fields.value(u"TIT2"_s), title);
    EXPECT_EQ(reading.fields.value(u"TPE1"_s), artist);

    const std::unique_ptr<frmEditID3Tags> v1Editor = open(false);
    EXPECT_TRUE(v1Editor->findChild<QLabel *>(u"lblTagNote"_s)->isVisibleTo(v1Editor.get()));
    QLineEdit &v1Title = *box(*v1Editor, u"txtSongTitle"_s);
    v1Title.clear();
    typeInto(v1Title, u"λa"_s);
    EXPECT_EQ(v1Title.text(), u"a"_s);
}

// The Track box shows the number of an ID3v1.1 block (id3tool's) or of TRCK (mutagen's), takes
// digits only, up to 255 for a block, whose comment box then holds 28 characters, and Save
// writes the new number where it was read: TRCK keeps the album's count.
TEST(TagEditor, TheTrackBoxWritesTheNumberIntoTheTagItShows)
{
    const struct
    {
        const char *tagger;
        bool readsID3v2;
        QString savedTrack;
    } cases[] = {{"id3tool", false, u"4"_s}, {"mutagen", true, u"4/12"_s}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tagger);
        TempFolder folder;
        ProgramState state;
        state.TagSaveRecordPath = folder.path(u".state/tag-save.record"_s);
        ScriptedDesktopServices services;
        const QString song = folder.write(u"Song.mp3"_s, audioBytes(2000));
        const ForeignTag tag {u"Song"_s, u"Band"_s, u"Album"_s, u"1999"_s, u"Note"_s, u"3/12"_s};
        const QString failure = c.readsID3v2 ? tagWithMutagen(song, tag, {4, 3, false})
                                             : tagWithId3tool(song, {u"Song"_s, u"Band"_s, {}, {}, {}, u"3"_s});
        if (!failure.isEmpty())
            GTEST_SKIP() << failure.toStdString();
        state.ListedFiles.setReadsID3v2(c.readsID3v2);
        state.CurrentFile.setFileName(song, c.readsID3v2);
        frmEditID3Tags editor(
            state, services, [] {}, nullptr);
        QLineEdit &track = *editor.findChild<QLineEdit *>(u"txtTrack"_s);
        QLineEdit &comment = *editor.findChild<QLineEdit *>(u"txtComment"_s);
        EXPECT_EQ(track.text(), u"3"_s);

        track.clear();
        QTest::keyClicks(&track, u"x256"_s);
        EXPECT_EQ(track.text(), c.readsID3v2 ? u"256"_s : u"25"_s);
        EXPECT_EQ(comment.maxLength(), c.readsID3v2 ? 32767 : 28);
        track.clear();
        EXPECT_EQ(comment.maxLength(), c.readsID3v2 ? 32767 : 30);
        QTest::keyClicks(&track, u"4"_s);
        editor.cmdSave_Click();
        EXPECT_TRUE(services.messages.empty());
        const TaggerReading reading = readWithMutagen(song);
        ASSERT_TRUE(reading.why.isEmpty()) << reading.why.toStdString();
        EXPECT_EQ(reading.fields.value(u"TRCK"_s), c.savedTrack);
        EXPECT_EQ(reading.fields.value(u"TIT2"_s), u"Song"_s);
    }
}
