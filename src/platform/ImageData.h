#pragma once
// A bitmap as the bytes of an image file, for streams that carry pictures.
#include <QByteArray>

#include "platform/Bitmap.h"

// The file bytes in the given format ("BMP", "ICO", "JPEG", ...); empty for an empty bitmap or a format
// that can't be written.
QByteArray ImageFileData(const TBitmap& Bitmap, const char* Format);
