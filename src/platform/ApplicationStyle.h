#pragma once
// The application's style: a named set of element colours that controls may follow. The style "Windows" is
// the system's own look and carries no colours; it is active until the application sets another.
#include <QString>

#include "platform/Graphics.h"

struct TStyleElementColors {
    TColor Fill = clNone;
    TColor Border = clNone;
    TColor Text = clNone;
};

struct TApplicationStyle {
    QString Name = QStringLiteral("Windows");
    TStyleElementColors CellNormal;
    TStyleElementColors CellSelected;
    TStyleElementColors FixedCellNormal;
};

const TApplicationStyle& ActiveApplicationStyle();
void SetActiveApplicationStyle(const TApplicationStyle& style);
