#include "support/SettingsStore.h"

#include <gtest/gtest.h>

#include <QApplication>

// GUI tests run under the offscreen platform inside one application object, also when CTest
// only lists them, and never touch the machine's settings, nor the user's state: the program
// keeps it under the stand-in home folder.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("XDG_STATE_HOME");
    QApplication application(argc, argv);
    const SettingsStore settings;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
