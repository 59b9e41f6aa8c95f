// Draws the main window listing a few sample files, and the tag editor on the first of
// them, into the two PNG files it is given (the README's are docs/screenshot.png and
// docs/editor.png), in the language of the locale and, with --point-size, in a font of that
// size instead of the default one:
//   QT_QPA_PLATFORM=offscreen build/tools/take_screenshot [--point-size N] window.png editor.png
// The samples lie in a folder "Music" made for the pictures in the system's temporary
// folder, so that the window shows a path a reader takes in at a glance, /tmp/Music/.

#include "app/Translations.h"
#include "app/frmMain.h"
#include "app/frmSelectFiles.h"
#include "editor/frmEditID3Tags.h"
#include "platform/QtDesktopServices.h"
#include "settings/Registry.h"
#include "track/GenreNames.h"
#include "track/ID3TagWriter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLocale>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct Sample
{
    QString fileName;
    QString artist;
    QString title;
    QString album;
    QString year;
};

bool writeSample(const QString &folder, const Sample &sample)
{
    QFile file(folder + sample.fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(4096, '\0')) != 4096)
        return false;
    file.close();
    return sample.title.isEmpty()
        || WriteID3TagFields(
            file.fileName(), sample.artist, sample.title, sample.album, QString(), sample.year, GenreNames::None);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const Translations translations(QLocale::system(), Translations::installedFolder());
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() == 4 && arguments[0] == u"--point-size"_s && arguments[1].toDouble() > 0) {
        QFont font = QApplication::font();
        font.setPointSizeF(arguments[1].toDouble());
        QApplication::setFont(font);
        arguments.remove(0, 2);
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: take_screenshot [--point-size N] window.png editor.png\n");
        return 2;
    }
    QTemporaryDir settings;
    // Settings of its own: a folder remembered by whoever runs the tool must not be drawn.
    RedirectSettings(settings.path(), settings.path());
    const QString music = QDir::tempPath() + u"/Music/"_s;
    if (!QDir().mkdir(music)) {
        std::fprintf(stderr, "take_screenshot: cannot make %s (is it there already?)\n", qPrintable(music));
        return 1;
    }
    const auto removeSamples = qScopeGuard([&music] { QDir(music).removeRecursively(); });
    const Sample samples[] = {
        {u"track01.mp3"_s, u"the wandering owls"_s, u"night train"_s, u"Lanterns"_s, u"1998"_s},
        {u"track02.mp3"_s, u"The Wandering Owls"_s, u"paper moon"_s, u"Lanterns"_s, u"1998"_s},
        {u"Harbour Lights - 03 - Salt Air.mp3"_s, {}, {}, {}, {}},
        {u"(Quiet Hours) Morning.mp3"_s, {}, {}, {}, {}},
        {u"Untitled_demo.mp3"_s, {}, {}, {}, {}},
        {u"05 - what now.mp3"_s, u"mira vale"_s, u"what now?"_s, {}, u"2004"_s},
    };
    for (const Sample &sample : samples) {
        if (!writeSample(music, sample))
            return 1;
    }
    qputenv("HOME", QFile::encodeName(music));
    frmMain startUp(std::make_unique<QtDesktopServices>(), {});
    startUp.Form_Load();
    QApplication::processEvents();
    if (!startUp.mainWindow().grab().save(arguments[0]))
        return 1;

    startUp.state().CurrentFile.setFileName(music + samples[0].fileName);
    frmEditID3Tags editor(
        startUp.state(), startUp.services(), [] {}, &startUp.mainWindow());
    editor.show();
    QApplication::processEvents();
    return editor.grab().save(arguments[1]) ? 0 : 1;
}
