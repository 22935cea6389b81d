#include "platform/Accel.h"

bool IsAccel(char16_t ch, const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper() == QChar(ch).toUpper();
    }
    return false;
}
