#include "support/AppHarness.h"
#include "support/IndependentTaggers.h"
#include "support/SettingsStore.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

void choose(AppHarness &app, int entry)
{
    auto &choices = app.control<QComboBox>(u"cboNameChoices");
    choices.setCurrentIndex(entry);
    Q_EMIT choices.activated(entry);
}

void renameAll(AppHarness &app)
{
    app.script().answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    app.control<QPushButton>(u"cmdRenameAll").click();
}

void undo(AppHarness &app)
{
    app.script().answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    app.action(u"mnuitmToolsUndo").trigger();
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

constexpr int kTrackTitle = 7;
constexpr int kOwnPattern = 9;
const QString kPattern = u"<Year>, <Album> - <Track>. <Title>"_s; // a "," is stored quoted

} // namespace

// An album folder tagged by mutagen (TRCK "1/10" to "10/10", read from ID3v2) or by id3tool
// (ID3v1.1 tracks) is renamed to "01 - Title 1.mp3" and on, and to the names a typed pattern
// shows; undo gives the old names back each time. The pattern dialog previews what is typed and
// keeps OK disabled, saying why, for a pattern that cannot name files. The kept pattern is
// offered at the next start, and Cancel returns to the convention chosen before.
TEST(NameChoices, AlbumFoldersTakeTheirTrackNumbersOrATypedPattern)
{
    for (const bool byMutagen : {true, false}) {
        SCOPED_TRACE(byMutagen ? "mutagen" : "id3tool");
        const SettingsStore store;
        TempFolder home;
        QStringList byTrack;
        QStringList byPattern;
        for (int n = 1; n <= 10; ++n) {
            const QString path = home.write(u"take %1.mp3"_s.arg(n), audioBytes(2000));
            const ForeignTag tag {u"title %1"_s.arg(n), u"Band"_s, u"Album"_s, u"1973"_s, {},
                byMutagen ? u"%1/10"_s.arg(n) : QString::number(n)};
            const QString why = byMutagen ? tagWithMutagen(path, tag, {4, 3, false}) : tagWithId3tool(path, tag);
            if (!why.isEmpty())
                GTEST_SKIP() << why.toStdString();
            byTrack << u"%1 - Title %2.mp3"_s.arg(n, 2, 10, QChar(u'0')).arg(n);
            byPattern << u"1973, Album - %1. Title %2.mp3"_s.arg(n, 2, 10, QChar(u'0')).arg(n);
        }
        const QStringList original = home.fileNames();
        {
            AppHarness app(home.path(), {}, AppHarness::Settings::InUse);
            if (byMutagen)
                app.action(u"mnuitmToolsReadID3v2").trigger();
            const auto &choices = app.control<QComboBox>(u"cboNameChoices");
            ASSERT_EQ(choices.count(), 10);
            EXPECT_EQ(choices.itemText(8), u"Artist - Album - Track - Song Title"_s);

            choose(app, kTrackTitle);
            EXPECT_EQ(sorted(app.column(1)), byTrack);
            renameAll(app);
            EXPECT_EQ(home.fileNames(), byTrack);
            undo(app);
            EXPECT_EQ(home.fileNames(), original);

            app.script().dialogSteps.push_back([](QDialog &dialog) {
                auto &pattern = *dialog.findChild<QLineEdit *>(u"txtPattern"_s);
                const auto &ok = *dialog.findChild<QPushButton *>(u"cmdOK"_s);
                const auto &preview = *dialog.findChild<QLabel *>(u"lblPreview"_s);
                const auto &problem = *dialog.findChild<QLabel *>(u"lblProblem"_s);
                EXPECT_EQ(pattern.text(), u"<Artist> - <Title>"_s);
                EXPECT_EQ(preview.text(), u"Band - Title 1.mp3"_s);
                for (const QString &refused : {u""_s, u"<Title>/<Artist>"_s, u"<Track> <Titel>"_s}) {
                    pattern.setText(refused);
                    EXPECT_FALSE(ok.isEnabled()) << refused.toStdString();
                    EXPECT_FALSE(problem.text().isEmpty()) << refused.toStdString();
                }
                pattern.clear();
                QTest::keyClicks(&pattern, kPattern);
                EXPECT_TRUE(problem.text().isEmpty());
                EXPECT_EQ(preview.text(), u"1973, Album - 01. Title 1.mp3"_s);
                QTest::keyClick(&pattern, Qt::Key_Return);
            });
            choose(app, kOwnPattern);
            EXPECT_EQ(sorted(app.column(1)), byPattern);
            renameAll(app);
            EXPECT_EQ(home.fileNames(), byPattern);
            undo(app);
            EXPECT_EQ(home.fileNames(), original);
        }
        EXPECT_EQ(store.value(u"NamePattern"_s), kPattern);

        AppHarness app(home.path(), {}, AppHarness::Settings::InUse);
        app.script().dialogSteps.push_back([](QDialog &dialog) {
            EXPECT_EQ(dialog.findChild<QLineEdit *>(u"txtPattern"_s)->text(), kPattern);
            dialog.findChild<QPushButton *>(u"cmdCancel"_s)->click();
        });
        choose(app, kOwnPattern);
        EXPECT_EQ(app.control<QComboBox>(u"cboNameChoices").currentIndex(), 0);
        EXPECT_EQ(app.column(1).front(), u"Band - Title 1.mp3"_s);
    }
}
