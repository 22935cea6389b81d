#include "platform/Locale.h"

#include <QLocale>

QChar DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar('.') : point.front();
}
