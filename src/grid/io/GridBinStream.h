#pragma once
// Parsing of a whole binary cell stream before it is applied, so that a malformed one changes nothing.
#include <QByteArray>
#include <QString>
#include <vector>

#include "grid/io/GridRecords.h"

struct TBinHeader {
    int ColCount = 0;
    int RowCount = 0;
    std::vector<int> ColWidths;
    std::vector<int> RowHeights;
    bool FullGrid = false;
    std::int64_t ID = 0;
};

struct TBinCell {
    std::int64_t Col = 0;
    std::int64_t Row = 0;
    QString Text;
    bool HasProp = false;
    TRecord Props;
    bool HasGraphic = false;
    TRecord Graphic;
    bool HasData = false;
    TRecord Data;
};

struct TBinStream {
    TBinHeader Header;
    std::vector<TBinCell> Cells;
};

// Raises REdaReviZizod "Invalid stream format" for anything malformed, truncated or inconsistent.
TBinHeader ParseBinHeader(const QByteArray& Data);
TBinStream ParseBinStream(const QByteArray& Data);
