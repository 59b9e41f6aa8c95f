#include <QCoreApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    // A file-size limit must make a tag write fail and be undone, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication application(argc, argv);
    return 0;
}
