#include "app/ProgramArguments.h"
#include "app/frmMain.h"
#include "platform/QtDesktopServices.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Answered before Qt starts: no window opens, and no display is needed. Output that
    // cannot be written (a full disk, a closed pipe) fails the command.
    if (const std::optional<QString> text = HelpOrVersionText(argc, argv))
        return std::fputs(text->toLocal8Bit().constData(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
    // A file-size limit must make a tag write fail and be undone, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    // Ties the window to its menu entry and icon on desktops that go by it (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.kestova.Sorvane"));
    // The application has taken its own options out of argc and argv.
    frmMain startUp(std::make_unique<QtDesktopServices>(), ProgramArguments(argc, argv));
    startUp.Form_Load();
    return QApplication::exec();
}
