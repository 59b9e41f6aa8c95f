#include "support/AppHarness.h"
#include "support/IndependentTaggers.h"
#include "support/SettingsStore.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QList<QAction *> visibleAddons(AppHarness &app)
{
    QList<QAction *> visible = app.startUp().gridMenu().findChildren<QAction *>(u"mnuitmGridAddon"_s);
    visible.removeIf([](const QAction *addon) { return !addon->isVisible(); });
    return visible;
}

} // namespace

// Arguments leave the settings unread; the folder they name is remembered in the user's file
// over the administrator's, whose add-ons still show at the next start without arguments.
TEST(StartFolder, IsRememberedFromTheArgumentsAndListedAtTheNextStartWithout)
{
    const SettingsStore store;
    TempFolder administrators;
    store.writeFile(SettingsStore::File::Machine,
        "[General]\nStartIn=" + administrators.path().toUtf8() + "\n[Addons]\n1\\Name=Lyrics\n");
    TempFolder music;
    const QString song = music.write(u"a.mp3"_s, taggedAudio("Song", "Band"));
    TempFolder home;

    AppHarness withArguments(home.path(), {song}, AppHarness::Settings::InUse);
    EXPECT_TRUE(visibleAddons(withArguments).isEmpty());
    EXPECT_EQ(store.value(u"StartIn"_s), music.path());

    AppHarness withoutArguments(home.path(), {}, AppHarness::Settings::InUse);
    EXPECT_EQ(withoutArguments.state().CurrentDirectory, music.path());
    EXPECT_EQ(withoutArguments.rows(), (GridRows {{u"a.mp3"_s, u"Band - Song.mp3"_s}}));
    EXPECT_EQ(visibleAddons(withoutArguments).size(), 1);
}

TEST(FolderDialog, OpensOnTheLabelsFolderAndListsAndRemembersWhatIsChosen)
{
    const SettingsStore store;
    TempFolder home;
    TempFolder chosen;
    chosen.write(u"c.mp3"_s, taggedAudio("Song", "Band"));
    const QString homeFolder = QDir::cleanPath(home.path());
    const struct
    {
        QString label;
        QString choice;
        QString dialogStart;
        QString currentDirectory;
    } cases[] = {
        {home.path(), QString(), homeFolder, home.path()}, // cancelled
        {u"/"_s, QString(), u"/"_s, u"/"_s}, // the root keeps its "/"
        {QString(), QString(), home.path(), home.path()}, // no label: the home folder
        {home.path(), QDir::cleanPath(chosen.path()), homeFolder, chosen.path()},
    };
    for (const auto &c : cases) {
        AppHarness app(home.path(), {}, AppHarness::Settings::InUse);
        app.control<QLabel>(u"lblCurrDirectory").setText(c.label);
        app.script().folderChoices = {c.choice};
        app.control<QPushButton>(u"cmdBrowse").click();
        EXPECT_EQ(app.script().folderDialogStarts, std::vector<QString> {c.dialogStart});
        EXPECT_EQ(app.state().CurrentDirectory, c.currentDirectory);
        const bool listed = !c.choice.isEmpty();
        EXPECT_EQ(app.rowCount(), listed ? 1 : 0);
        EXPECT_EQ(store.value(u"StartIn"_s).toString(), listed ? chosen.path() : QString());
    }
}

// The user's add-on 3 replaces the administrator's; the administrator's add-on 2 still shows,
// and add-ons past the fifth have no entry.
TEST(Addons, ShowNamedAddonsAndOpenTheirAddressForTheFileInHand)
{
    const SettingsStore store;
    store.writeFile(SettingsStore::File::Machine,
        "[Addons]\n2\\Name=Lyrics\n2\\URL=http://lyrics.example/find?q=\n3\\Name=Chords\n"
        "3\\URL=http://chords.example/\n7\\Name=Seventh\n7\\URL=http://seven.example/\n");
    store.writeFile(SettingsStore::File::User, "[Addons]\n3\\Name=No Address\n3\\URL=\n");
    TempFolder home;
    home.write(u"a.mp3"_s, taggedAudio("The Boxer", "Simon & Garfunkel"));
    AppHarness app(home.path(), {}, AppHarness::Settings::InUse);
    const QList<QAction *> shown = visibleAddons(app);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0]->text(), u"Lyrics"_s);
    EXPECT_EQ(shown[1]->text(), u"No Address"_s);

    app.clickRow(0);
    shown[0]->trigger();
    shown[1]->trigger();
    ASSERT_EQ(app.script().openedAddresses.size(), 1u);
    EXPECT_EQ(
        app.script().openedAddresses.front().toEncoded(), "http://lyrics.example/find?q=Simon+%26+Garfunkel+The+Boxer");
}

// Anything but "true" leaves the entry off; ticking or clearing it lists the files again at
// once and is remembered in the user's file, for both modes.
TEST(ReadID3v2Tags, ListsByTheID3v2TagAtOnceAndIsRememberedForTheNextStart)
{
    const SettingsStore store;
    store.writeFile(SettingsStore::File::Machine, "[General]\nReadID3v2=True\n");
    TempFolder home;
    const QString song = home.write(u"Someone - 01 - Something.mp3"_s, audioBytes(400));
    const QString failure = tagWithMutagen(song, {u"Song"_s, u"Band"_s, {}, {}, {}, 0}, {.withID3v1 = false});
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    const GridRows guessed = {{u"Someone - 01 - Something.mp3"_s, u"Someone - Something.mp3"_s}};
    const GridRows tagged = {{u"Someone - 01 - Something.mp3"_s, u"Band - Song.mp3"_s}};

    AppHarness app(home.path(), {}, AppHarness::Settings::InUse);
    EXPECT_EQ(app.rows(), guessed);
    app.action(u"mnuitmToolsReadID3v2").trigger();
    EXPECT_EQ(app.rows(), tagged);
    EXPECT_EQ(store.value(u"ReadID3v2"_s), u"true"_s);

    for (const QStringList &arguments : {QStringList(), QStringList {song}}) {
        AppHarness again(home.path(), arguments, AppHarness::Settings::InUse);
        EXPECT_TRUE(again.action(u"mnuitmToolsReadID3v2").isChecked());
        EXPECT_EQ(again.rows(), tagged);
    }
    app.action(u"mnuitmToolsReadID3v2").trigger();
    EXPECT_EQ(app.rows(), guessed);
    EXPECT_EQ(store.value(u"ReadID3v2"_s), u"false"_s);
}
