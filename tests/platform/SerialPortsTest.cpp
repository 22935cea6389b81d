#include "platform/FileUtils.h"
#include "platform/SerialPorts.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

TEST(SerialPorts, ListsFamiliesInOrderByNumber)
{
    QTemporaryDir dir;
    // Plain files stand in for devices: they open, but no UART answers behind a ttyS name.
    for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS0", "ttyUSBx", "ttyusb3", "tty0"})
        ASSERT_TRUE(WriteFileAtomic(dir.filePath(name), {}));
    EXPECT_EQ(SerialPorts(dir.path()), QStringList({"ttyUSB2", "ttyUSB10", "ttyACM0"}));
    EXPECT_TRUE(SerialPorts(dir.filePath("missing")).isEmpty());
}

TEST(SerialPorts, ProbingTheMachineKeepsTheNameForm)
{
    for (const QString& port : SerialPorts())
        EXPECT_TRUE(port.startsWith("tty")) << port.toStdString();
}

}  // namespace
