#include "support/SettingsStore.h"

#include <gtest/gtest.h>

#include <QApplication>

// GUI tests run under the offscreen platform (set by CTest) inside one application object,
// and never touch the machine's settings.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const SettingsStore settings;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
