#pragma once
// Probing the serial ports of the machine.
#include <QString>
#include <QStringList>

// Device names of the serial ports present in the folder: ttyS<n>, then ttyUSB<n>, then ttyACM<n>, each
// by number. A port counts when it opens, or when it exists but is in use or barred; a ttyS device
// counts only when a UART stands behind it.
QStringList SerialPorts(const QString& deviceFolder = QStringLiteral("/dev"));
