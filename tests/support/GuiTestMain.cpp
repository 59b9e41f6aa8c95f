#include <gtest/gtest.h>

#include <QApplication>

// GUI tests run under the offscreen platform (set by CTest) inside one application object.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
