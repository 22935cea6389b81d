// Shared main of every test program: an offscreen application so that widgets can be created headless.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("LATTISOR_SOURCE_DIR"))
        qputenv("LATTISOR_SOURCE_DIR", LATTISOR_SOURCE_DIR);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
