#include "app/ProgramArguments.h"
#include "app/Translations.h"
#include "app/frmMain.h"
#include "platform/QtDesktopServices.h"

#include <QApplication>
#include <QLocale>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Answered before Qt starts: no window opens, and no display is needed. Output that
    // cannot be written (a full disk, a closed pipe) fails the command.
    if (const std::optional<AnswerWithoutWindow> answer = AnswerCommandLine(argc, argv)) {
        std::FILE *const stream = answer->exitStatus == 0 ? stdout : stderr;
        const bool written
            = std::fputs(answer->text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
        return written ? answer->exitStatus : 1;
    }
    // A file-size limit must make a tag write fail and be undone, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    const Translations translations(QLocale::system(), Translations::installedFolder());
    // Ties the window to its menu entry and icon on desktops that go by it (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.kestova.Sorvane"));
    // The application has taken its own options out of argc and argv.
    frmMain startUp(std::make_unique<QtDesktopServices>(), ProgramArguments(argc, argv));
    startUp.Form_Load();
    return QApplication::exec();
}
