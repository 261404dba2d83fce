#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    // No display is needed, also when the cases are only listed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
