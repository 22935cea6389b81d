#include "platform/SerialPorts.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>

namespace {

bool present(const QString& path, bool needsUart)
{
    const int fd = open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY || errno == EACCES || errno == EPERM;
    serial_struct info{};
    const bool found = !needsUart || (ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN);
    close(fd);
    return found;
}

QStringList family(const QString& folder, const QString& prefix, bool needsUart)
{
    const QRegularExpression name('^' + prefix + "(\\d+)$");
    const QDir dir(folder);
    std::vector<std::pair<int, QString>> ports;
    for (const QString& entry : dir.entryList({prefix + '*'}, QDir::AllEntries | QDir::System | QDir::CaseSensitive)) {
        const QRegularExpressionMatch match = name.match(entry);
        if (match.hasMatch() && present(dir.filePath(entry), needsUart))
            ports.emplace_back(match.captured(1).toInt(), entry);
    }
    std::sort(ports.begin(), ports.end());
    QStringList names;
    for (const auto& port : ports)
        names << port.second;
    return names;
}

}  // namespace

QStringList SerialPorts(const QString& deviceFolder)
{
    return family(deviceFolder, "ttyS", true) + family(deviceFolder, "ttyUSB", false) +
           family(deviceFolder, "ttyACM", false);
}
