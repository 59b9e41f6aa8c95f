#include "support/AppHarness.h"
#include "support/SettingsStore.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QList<QAction *> visibleAddons(AppHarness &app)
{
    QList<QAction *> visible;
    for (QAction *addon : app.startUp().gridMenu().findChildren<QAction *>(u"mnuitmGridAddon"_s)) {
        if (addon->isVisible())
            visible.append(addon);
    }
    return visible;
}

} // namespace

TEST(StartFolder, IsRememberedFromTheArgumentsAndListedAtTheNextStartWithout)
{
    const SettingsStore store;
    TempFolder music;
    const QString song = music.write(u"a.mp3"_s, taggedAudio("Song", "Band"));
    TempFolder home;

    AppHarness withArguments(home.path(), {song}, AppHarness::Settings::InUse);
    EXPECT_EQ(store.value(u"StartIn"_s), music.path());

    AppHarness withoutArguments(home.path(), {}, AppHarness::Settings::InUse);
    EXPECT_EQ(withoutArguments.state().CurrentDirectory, music.path());
    EXPECT_EQ(withoutArguments.rows(), (GridRows {{u"a.mp3"_s, u"Band - Song.mp3"_s}}));
}

TEST(StartFolder, IsNotReadWithArguments)
{
    const SettingsStore store;
    TempFolder remembered;
    store.writeFile("[General]\nStartIn=" + remembered.path().toUtf8() + "\n");
    TempFolder music;
    AppHarness app(QString(), {music.write(u"b.mp3"_s, taggedAudio("Song", "Band"))}, AppHarness::Settings::InUse);
    EXPECT_EQ(app.state().StartInDirectory, music.path());
    EXPECT_EQ(app.state().CurrentDirectory, music.path());
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

TEST(Addons, ShowNamedAddonsAndOpenTheirAddressForTheFileInHand)
{
    const SettingsStore store;
    store.writeFile("[Addons]\n2\\Name=Lyrics\n2\\URL=http://lyrics.example/find?q=\n"
                    "3\\Name=No Address\n7\\Name=Seventh\n7\\URL=http://seven.example/\n");
    TempFolder home;
    home.write(u"a.mp3"_s, taggedAudio("The Boxer", "Simon & Garfunkel"));
    AppHarness app(home.path(), {}, AppHarness::Settings::InUse);
    const QList<QAction *> shown = visibleAddons(app);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0]->text(), u"Lyrics"_s);
    EXPECT_EQ(shown[1]->text(), u"No Address"_s);
    EXPECT_TRUE(app.startUp().gridMenu().actions().indexOf(shown[0])
        > app.startUp().gridMenu().actions().indexOf(app.startUp().gridMenu().findChild<QAction *>(u"Line2"_s)));

    app.setCurrentRow(0);
    app.window().FileGrid_Click();
    shown[0]->trigger();
    shown[1]->trigger();
    EXPECT_EQ(app.script().openedAddresses,
        std::vector<QUrl> {QUrl(u"http://lyrics.example/find?q=Simon+%26+Garfunkel+The+Boxer"_s)});
    EXPECT_EQ(
        app.script().openedAddresses.front().toEncoded(), "http://lyrics.example/find?q=Simon+%26+Garfunkel+The+Boxer");

    TempFolder music;
    AppHarness withArguments(
        QString(), {music.write(u"b.mp3"_s, taggedAudio("Song", "Band"))}, AppHarness::Settings::InUse);
    EXPECT_TRUE(visibleAddons(withArguments).isEmpty());
}
