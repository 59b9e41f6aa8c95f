#include "support/AppHarness.h"
#include "support/IndependentTaggers.h"
#include "support/SettingsStore.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

// Arguments leave the folder and the add-ons unread. What the person chooses goes to their
// own file over the administrator's: the folder named by the arguments is listed at the next
// start, and "Read ID3v2 Tags" (on only for "true") lists the files again at once and holds
// for both modes. The user's add-on 3 replaces the administrator's, whose add-on 2 still
// shows; add-ons past the fifth have no entry. A folder chosen in the folder dialog is listed
// and stored.
TEST(Settings, ChoicesHoldAtTheNextStartOverTheAdministrators)
{
    const SettingsStore store;
    TempFolder administrators;
    store.writeFile(SettingsStore::File::Machine,
        "[General]\nStartIn=" + administrators.path().toUtf8()
            + "\nReadID3v2=True\n[Addons]\n2\\Name=Lyrics\n2\\URL=http://lyrics.example/find?q=\n3\\Name=Chords\n"
              "3\\URL=http://chords.example/\n7\\Name=Seventh\n7\\URL=http://seven.example/\n");
    store.writeFile(SettingsStore::File::User, "[Addons]\n3\\Name=No Address\n3\\URL=\n");
    TempFolder folders;
    const QString music = folders.makeFolder(u"my music, old"_s) + u'/'; // stored quoted, read back whole
    const QString song = folders.write(u"my music, old/Someone - 01 - Something.mp3"_s, audioBytes(400));
    const QString failure = tagWithMutagen(song, {u"Song"_s, u"Simon & Garfunkel"_s}, {.withID3v1 = false});
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    const QStringList guessed = {u"Someone - Something.mp3"_s};
    const QStringList tagged = {u"Simon & Garfunkel - Song.mp3"_s};
    TempFolder home;
    {
        AppHarness withArguments(home.path(), {song}, AppHarness::Settings::InUse);
        EXPECT_EQ(withArguments.state().AddonNames, decltype(ProgramState::AddonNames) {});
        EXPECT_EQ(withArguments.column(1), guessed);
        withArguments.action(u"mnuitmToolsReadID3v2").trigger();
        EXPECT_EQ(withArguments.column(1), tagged);
    }
    EXPECT_EQ(store.value(u"StartIn"_s), music);
    EXPECT_EQ(store.value(u"ReadID3v2"_s), u"true"_s);
    EXPECT_EQ(AppHarness(home.path(), {song}, AppHarness::Settings::InUse).column(1), tagged);

    AppHarness app(home.path(), {}, AppHarness::Settings::InUse);
    EXPECT_TRUE(app.action(u"mnuitmToolsReadID3v2").isChecked());
    EXPECT_EQ(app.column(1), tagged);
    app.clickRow(0);
    QStringList visibleAddons;
    for (QAction *addon : app.startUp().gridMenu().findChildren<QAction *>(u"mnuitmGridAddon"_s)) {
        if (addon->isVisible())
            visibleAddons.append(addon->text());
        addon->trigger();
    }
    EXPECT_EQ(visibleAddons, (QStringList {u"Lyrics"_s, u"No Address"_s}));
    EXPECT_EQ(app.script().openedAddresses,
        std::vector {QUrl::fromEncoded("http://lyrics.example/find?q=Simon+%26+Garfunkel+Song")});

    app.action(u"mnuitmToolsReadID3v2").trigger();
    EXPECT_EQ(app.column(1), guessed);
    EXPECT_EQ(store.value(u"ReadID3v2"_s), u"false"_s);

    // The folder dialog opens on the label's folder; cancelled, it keeps the folder.
    TempFolder chosen;
    chosen.write(u"c.mp3"_s, taggedAudio("Song", "Band"));
    const std::tuple<QString, QString, QString, QString> cases[] = {
        // label, folder chosen, where the dialog opens, current directory after
        {home.path(), QString(), QDir::cleanPath(home.path()), home.path()}, // cancelled
        {u"/"_s, QString(), u"/"_s, u"/"_s}, // the root keeps its "/"
        {QString(), QString(), home.path(), home.path()}, // no label: the home folder
        {home.path(), QDir::cleanPath(chosen.path()), QDir::cleanPath(home.path()), chosen.path()},
    };
    for (const auto &[label, choice, dialogStart, currentDirectory] : cases) {
        app.control<QLabel>(u"lblCurrDirectory"_s).setText(label);
        app.script().folderDialogStarts.clear();
        app.script().folderChoices = {choice};
        app.control<QPushButton>(u"cmdBrowse"_s).click();
        EXPECT_EQ(app.script().folderDialogStarts, std::vector<QString> {dialogStart});
        EXPECT_EQ(app.state().CurrentDirectory, currentDirectory);
        EXPECT_EQ(app.column(1), choice.isEmpty() ? guessed : QStringList {u"Band - Song.mp3"_s});
        EXPECT_EQ(store.value(u"StartIn"_s), choice.isEmpty() ? music : chosen.path());
    }
}
