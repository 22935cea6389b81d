#pragma once
// The desktop's icons of files and folders, kept in two image lists (small 16 and large 32 pixels)
// that grow as paths are asked for, indexed like the system's image lists.
#include <QString>

#include "platform/Bitmap.h"

// The index of the icon for a path: an existing file or folder by what it is, any other path by the
// type its name tells; -1 when the desktop offers no icon.
int ShellIconIndex(const QString& path, bool large);
const TImageList& ShellImageList(bool large);
