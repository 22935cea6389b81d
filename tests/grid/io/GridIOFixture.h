#pragma once
// A string grid with its I/O object, editing on, and an in-process clipboard.
#include <QString>
#include <ostream>
#include <vector>

#include "grid/VoGrid/VoGrid.h"
#include "grid/io/GridIO.h"
#include "platform/Clipbrd.h"

// Readable strings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toUtf8().toStdString() << '"';
}

struct IOGrid {
    IOGrid(int cols = 5, int rows = 5)
    {
        grid.SetColCount(cols);
        grid.SetRowCount(rows);
        grid.SetFixedCols(0);
        grid.SetFixedRows(0);
        grid.SetOptions(grid.Options() | goEditing);
    }
    TGridIO& io() { return GridIO(grid); }
    void fill(const std::vector<std::vector<QString>>& rows, int col = 0, int row = 0)
    {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                grid.SetCells(col + static_cast<int>(c), row + static_cast<int>(r), rows[r][c]);
    }
    QString cells(int c1, int r1, int c2, int r2)
    {
        QString out;
        for (int r = r1; r <= r2; ++r) {
            for (int c = c1; c <= c2; ++c)
                out += (c > c1 ? QStringLiteral("|") : QString()) + grid.Cells(c, r);
            out += u';';
        }
        return out;
    }
    VOroDavoduRuzu grid{nullptr};
};

// Cell texts that every transport must carry unchanged.
inline std::vector<QString> OddCellTexts()
{
    return {
        QStringLiteral("a,b"),
        QStringLiteral("tab\there"),
        QStringLiteral("x\r\ny"),
        QStringLiteral("cr\ronly"),
        QStringLiteral("lf\nonly"),
        QStringLiteral("mix\r\n\t\r\x08\n"),
        QStringLiteral("code\x08"
                       "eight"),
        QStringLiteral("\"quoted\" start"),
        QStringLiteral("inner \"quote\""),
        QStringLiteral("\x02mark"),
        QStringLiteral("ünïcödé €"),
        QStringLiteral("中文字"),
        QString(300, u'z'),
        QStringLiteral(" lead and trail "),
    };
}
