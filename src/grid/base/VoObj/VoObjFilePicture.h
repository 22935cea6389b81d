#pragma once
// A cell picture kept as a file name and loaded from the file at every draw.
#include <QString>

#include "platform/Bitmap.h"
#include "platform/Graphics.h"

class TFilePicture : public TPersistent {
public:
    QString Filename() const { return FFilename; }
    // Stores the name and takes the picture's size from the file; throws when it cannot be read.
    void SetFilename(const QString& filename);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Stretches the file's picture into r; nothing without a file name; throws when it cannot be read.
    void DrawPicture(TCanvas& canvas, const TRect& r) const;
    // Copies name and size without reading the file.
    void Assign(const TPersistent& source) override;

private:
    QString FFilename;
    int FWidth = 0;
    int FHeight = 0;
};
