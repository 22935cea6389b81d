#include "platform/ImageData.h"

#include <QBuffer>
#include <QImageWriter>

#include "platform/QtAccess.h"

QByteArray ImageFileData(const TBitmap& Bitmap, const char* Format)
{
    if (Bitmap.Empty())
        return {};
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, Format);
    if (!writer.write(QtAccess::Image(Bitmap)))
        return {};
    return out;
}
