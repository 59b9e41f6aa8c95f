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

namespace {

class TagEditor : public testing::Test
{
protected:
    // Opens the editor on the file, as a double-click on its row does.
    void open(const QString &file)
    {
        state.CurrentFile.setFileName(file);
        editor = std::make_unique<frmEditID3Tags>(
            state, services, [this] { ++rebuilds; }, nullptr);
        editor->show();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }
    QLineEdit &box(const char16_t *name) { return *editor->findChild<QLineEdit *>(QString::fromUtf16(name)); }
    QComboBox &genres() { return *editor->findChild<QComboBox *>(u"cboGenre"_s); }

    TempFolder folder;
    ProgramState state;
    ScriptedDesktopServices services;
    std::unique_ptr<frmEditID3Tags> editor;
    int rebuilds = 0;
};

} // namespace

// A genre byte past the list shows as "None", a genre named in any case selects its entry,
// one the list lacks selects "None", and entering a box, by any way, selects its text. Cancel
// writes nothing. Save writes the boxes as typed, cut to their fields, and the list's
// position as the genre byte, and lists the files again; a tag that cannot be written is
// reported, and the editor stays open with what was typed.
TEST_F(TagEditor, ShowsTheFileInHandAndSavesWhatIsTypedOnlyWhenAskedTo)
{
    const QByteArray block = tagBlockBytes("  Song", "Band", "Album", "1999", "Note", 255);
    const QString song = folder.write(u"Some Song.mp3"_s, audioBytes(200) + block);
    open(song);
    for (const auto &[name, shown] : {std::pair {u"txtArtist", u"Band"_s}, {u"txtSongTitle", u"Song"_s},
             {u"txtAlbum", u"Album"_s}, {u"txtYear", u"1999"_s}, {u"txtComment", u"Note"_s}})
        EXPECT_EQ(box(name).text(), shown);
    EXPECT_EQ(genres().currentText(), u"None"_s);
    for (const auto &[name, shown] : {std::pair {u"jazz"_s, u"Jazz"_s}, {u"Chiptune"_s, u"None"_s}}) {
        editor->FillGenreList(name);
        EXPECT_EQ(genres().currentText(), shown);
    }

    EXPECT_EQ(QApplication::focusWidget(), &box(u"txtArtist"));
    QTest::keyClick(&box(u"txtArtist"), Qt::Key_Tab);
    EXPECT_EQ(box(u"txtSongTitle").selectedText(), u"Song"_s);
    box(u"txtArtist").setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(box(u"txtArtist").selectedText(), u"Band"_s);

    auto &fileLabel = *editor->findChild<QLabel *>(u"lblCurrentFile"_s);
    EXPECT_EQ(fileLabel.text(), u"Some Song.mp3"_s);
    QTest::mouseClick(&fileLabel, Qt::LeftButton);
    EXPECT_EQ(services.startedPrograms, (std::vector<QStringList> {{u"xdg-open"_s, song}}));

    box(u"txtSongTitle").setText(u"Changed"_s);
    QTest::keyClick(&box(u"txtSongTitle"), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(folder.read(u"Some Song.mp3"_s).right(128), block);

    open(song);
    box(u"txtSongTitle").setText(u"12345678901234567890123456789012345"_s);
    box(u"txtArtist").setText(u"  Leading"_s);
    box(u"txtYear").setText(u"85"_s);
    box(u"txtComment").clear();
    QFile::setPermissions(song, QFile::ReadOwner);
    services.answers = {MessageAnswer::Ok};
    QTest::keyClick(&box(u"txtAlbum"), Qt::Key_Return);
    EXPECT_EQ(services.messages.at(0).text, u"The ID3 tag could not be written to Some Song.mp3."_s);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(rebuilds, 0);

    QFile::setPermissions(song, QFile::ReadOwner | QFile::WriteOwner);
    QTest::keyClick(&box(u"txtAlbum"), Qt::Key_Return);
    EXPECT_EQ(folder.read(u"Some Song.mp3"_s).right(128),
        tagBlockBytes("123456789012345678901234567890", "  Leading", "Album", "85", "", 148, ' '));
    EXPECT_EQ(rebuilds, 1);
    EXPECT_FALSE(editor->isVisible());
}

// Other taggers pad fields with NULs and keep a track number in the comment: the boxes show
// the text alone, take what is typed, and the save keeps the track number.
TEST_F(TagEditor, TakesTypingIntoFieldsAnotherTaggerWrote)
{
    const QString file = folder.write(u"Tagged.mp3"_s, audioBytes(2000));
    const QString failure = tagWithMutagen(file, {u"time"_s, u"pink floyd"_s, {}, u"1973"_s, {}, 3});
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    open(file);

    QTest::mouseClick(&box(u"txtSongTitle"), Qt::LeftButton);
    QTest::keyClick(&box(u"txtSongTitle"), Qt::Key_End);
    QTest::keyClicks(&box(u"txtSongTitle"), u" of day"_s);
    QTest::keyClicks(&box(u"txtAlbum"), u"Dark Side"_s);
    editor->cmdSave_Click();
    EXPECT_EQ(
        readWithMutagen(file), (ForeignTag {u"time of day"_s, u"pink floyd"_s, u"Dark Side"_s, u"1973"_s, {}, 3}));
}
