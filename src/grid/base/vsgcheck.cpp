#include "grid/base/vsgcheck.h"

#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

QString VOroDavoduRuzuCheck::MarkError(int, int, const QString& text)
{
    return text;
}

QString VOroDavoduRuzuCheck::Correct(int, int, const QString& text)
{
    return text;
}

QString VOroDavoduRuzuCheck::CheckCell(int col, int row, const QString& text)
{
    QString checked = UnmarkTextTag(text, QStringLiteral("e"));
    if (UseCorrect)
        checked = Correct(col, row, checked);
    if (UseMarkError)
        checked = MarkError(col, row, checked);
    return checked;
}
