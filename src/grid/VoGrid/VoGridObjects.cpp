// The cell object operations: each Add puts a fresh graphic into the cell (the old one is freed) and fills
// it; each Remove takes out a graphic of its own type only; the readers answer nil, -1 or no colour for a
// cell without that graphic.
#include "grid/VoGrid/VoGrid.h"

namespace {
// The type keeps a colour in an object slot; the colour fields stand for it.
void setColors(TCellGraphic& g, TColor first, TColor second)
{
    g.CellColor = first;
    g.CellColor2 = second;
}
}  // namespace

// --- Bitmaps, icons, pictures, interfaced cells ---------------------------------------------------

void VOroDavoduRuzu::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    addGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* VOroDavoduRuzu::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    auto* bmp = new TBitmap;  // owned by the graphic (CellCreated)
    g->SetBitmap(bmp, Transparent, hal, val);
    g->CellCreated = true;
    return bmp;
}

TBitmap* VOroDavoduRuzu::GetBitmap(int ACol, int ARow)
{
    TCellGraphic* g = graphicOfType(ACol, ARow, ctBitmap);
    return g ? dynamic_cast<TBitmap*>(g->CellBitmap) : nullptr;
}

void VOroDavoduRuzu::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    addGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

TIcon* VOroDavoduRuzu::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    auto* icon = new TIcon;  // owned by the graphic (CellCreated)
    g->SetIcon(icon, hal, val);
    g->CellCreated = true;
    return icon;
}

void VOroDavoduRuzu::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                                int Padding, TCellHAlign hal, TCellVAlign val)
{
    addGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* VOroDavoduRuzu::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                        TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    auto* picture = new TPicture;  // owned by the graphic (CellCreated)
    g->SetPicture(picture, Transparent, StretchMode, Padding, hal, val);
    g->CellCreated = true;
    return picture;
}

TPicture* VOroDavoduRuzu::GetPicture(int ACol, int ARow)
{
    TCellGraphic* g = graphicOfType(ACol, ARow, ctPicture);
    return g ? dynamic_cast<TPicture*>(g->CellBitmap) : nullptr;
}

void VOroDavoduRuzu::AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    addGraphic(ACol, ARow)->SetFilePicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* VOroDavoduRuzu::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                int Padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    auto* picture = new TFilePicture;  // owned by the graphic (CellCreated)
    g->SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
    g->CellCreated = true;
    return picture;
}

TFilePicture* VOroDavoduRuzu::GetFilePicture(int ACol, int ARow)
{
    TCellGraphic* g = graphicOfType(ACol, ARow, ctFilePicture);
    return g ? dynamic_cast<TFilePicture*>(g->CellBitmap) : nullptr;
}

void VOroDavoduRuzu::AddInterfacedCell(int ACol, int ARow, TObject* AObject)
{
    addGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

TObject* VOroDavoduRuzu::GetInterfacedCell(int ACol, int ARow)
{
    TCellGraphic* g = graphicOfType(ACol, ARow, ctInterface);
    return g ? g->CellBitmap : nullptr;
}

// --- Image lists -----------------------------------------------------------------------------------

void VOroDavoduRuzu::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (GridImages)
        addGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
}

bool VOroDavoduRuzu::GetImageIdx(int ACol, int ARow, int& idx)
{
    const TCellGraphic* g = GridImages ? graphicOfType(ACol, ARow, ctImageList) : nullptr;
    if (g)
        idx = g->CellIndex;
    return g != nullptr;
}

void VOroDavoduRuzu::SetImageIdx(int ACol, int ARow, int Idx)
{
    if (TCellGraphic* g = GridImages ? graphicOfType(ACol, ARow, ctImageList) : nullptr)
        g->CellIndex = Idx;
}

void VOroDavoduRuzu::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!GridImages)
        return;
    addGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).isEmpty())
        SetInts(ACol, ARow, Aidx);
}

void VOroDavoduRuzu::RemoveDataImage(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
    SetCells(ACol, ARow, QString());
}

void VOroDavoduRuzu::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!GridImages)
        return;
    addGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TObject* Sender, int c, int r) {
        multiImageChanged(Sender, c, r);
    });
}

void VOroDavoduRuzu::multiImageChanged(TObject* Sender, int ACol, int ARow)
{
    (void)Sender;
    RepaintCell(DisplColIndexOf(ACol), ARow);
}

// --- Progress, pie, range indicator -------------------------------------------------------------

void VOroDavoduRuzu::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, clNone, BKColor, clNone, QString(), 0, 100);
    GetCellGraphic(ACol, ARow)->CellBoolean = false;
}

void VOroDavoduRuzu::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void VOroDavoduRuzu::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                          TColor BKTextColor, const QString& Fmt, int Min, int Max)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    g->CellType = ctProgress;
    setColors(*g, FGColor, BKColor);
    g->CellIndex = static_cast<std::int32_t>(FGTextColor);
    g->CellAngle = static_cast<std::int32_t>(BKTextColor);
    g->CellBoolean = true;
    g->CellErrFrom = Min;
    g->CellErrLen = Max;
    g->CellText = Fmt;
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
    if (AutoNumAlign)
        SetAlignments(ACol, ARow, taRightJustify);
}

void VOroDavoduRuzu::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    g->CellType = ctProgressPie;
    setColors(*g, Color, 0);
    g->CellAngle = Value;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = vaTop;
}

void VOroDavoduRuzu::SetProgressPie(int ACol, int ARow, int Value)
{
    if (TCellGraphic* g = graphicOfType(ACol, ARow, ctProgressPie)) {
        g->CellAngle = Value;
        RepaintCell(DisplColIndexOf(ACol), ARow);
    }
}

void VOroDavoduRuzu::AddVoProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    g->CellType = ctXPProgress;
    g->CellErrFrom = Min;
    g->CellErrLen = Max;
    g->CellBoolean = false;
    g->CellText.clear();
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
}

void VOroDavoduRuzu::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    g->CellType = ctRangeIndicator;
    g->CellIndex = Range;
    setColors(*g, NegColor, PosColor);
    g->CellBoolean = ShowValue;
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
}

// --- Cell scroll bars: CellIndex position, CellAngle page, CellErrFrom range, CellBoolean automatic range ---

void VOroDavoduRuzu::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* g = addGraphic(base.X, base.Y);
    g->CellType = ctScrollbar;
    g->CellIndex = 0;
    g->CellAngle = 0;
    g->CellErrFrom = 100;
    g->CellBoolean = AutoRange;
    cellScrollBar();  // the one bar that stands in such cells under the mouse
    if (AutoRange)
        CellTextChanged(base.X, base.Y);
}

bool VOroDavoduRuzu::HasAutoRangeScrollBar(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* g = graphicOfType(base.X, base.Y, ctScrollbar);
    return g && g->CellBoolean;
}

void VOroDavoduRuzu::SetScrollPosition(int ACol, int ARow, int Pos)
{
    const TPoint base = BaseCell(ACol, ARow);
    if (TCellGraphic* g = graphicOfType(base.X, base.Y, ctScrollbar)) {
        g->CellIndex = Pos;
        RepaintCell(DisplColIndexOf(base.X), base.Y);
    }
}

int VOroDavoduRuzu::GetScrollPosition(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* g = graphicOfType(base.X, base.Y, ctScrollbar);
    return g ? g->CellIndex : -1;
}

void VOroDavoduRuzu::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    const TPoint base = BaseCell(ACol, ARow);
    if (TCellGraphic* g = graphicOfType(base.X, base.Y, ctScrollbar)) {
        g->CellAngle = Prop.PageSize;
        g->CellErrFrom = Prop.Range;
    }
}

TScrollProp VOroDavoduRuzu::GetScrollProp(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* g = graphicOfType(base.X, base.Y, ctScrollbar);
    return g ? TScrollProp{g->CellAngle, g->CellErrFrom} : TScrollProp{};
}

// --- Comments, shapes, ratings, markers ----------------------------------------------------------

void VOroDavoduRuzu::AddComment(int ACol, int ARow, const QString& Comment)
{
    AddColorComment(ACol, ARow, Comment, FControlLook.CommentColor());
}

void VOroDavoduRuzu::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    g->CellType = ctComment;
    g->CellText = Comment;
    g->CellIndex = static_cast<std::int32_t>(Color);
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
}

bool VOroDavoduRuzu::IsComment(int ACol, int ARow, QString& Comment)
{
    const TCellGraphic* g = graphicOfType(ACol, ARow, ctComment);
    if (g)
        Comment = g->CellText;
    return g != nullptr;
}

QString VOroDavoduRuzu::GetComment(int ACol, int ARow)
{
    QString comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void VOroDavoduRuzu::SetComment(int ACol, int ARow, const QString& Comment)
{
    if (!GetCellGraphic(ACol, ARow))
        AddComment(ACol, ARow, Comment);
    else if (TCellGraphic* g = graphicOfType(ACol, ARow, ctComment))
        g->CellText = Comment;
}

void VOroDavoduRuzu::RemoveAllComments()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveComment(c, r);
}

void VOroDavoduRuzu::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                              TCellVAlign val)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    g->CellType = ctShape;
    g->CellAngle = Shape;
    g->CellIndex = static_cast<std::int32_t>(FillColor);
    setColors(*g, LineColor, 0);
    g->CellHAlign = hal;
    g->CellVAlign = val;
}

void VOroDavoduRuzu::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    if (TCellGraphic* g = graphicOfType(ACol, ARow, ctShape))
        g->CellIndex = static_cast<std::int32_t>(FillColor);
}

TColor VOroDavoduRuzu::GetShapeColor(int ACol, int ARow)
{
    const TCellGraphic* g = graphicOfType(ACol, ARow, ctShape);
    return g ? static_cast<TColor>(g->CellIndex) : clNone;
}

void VOroDavoduRuzu::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    g->CellType = ctRating;
    g->CellAngle = Scale;
    g->CellIndex = static_cast<std::int32_t>(FillColor);
    setColors(*g, EmptyColor, 0);
    g->CellHAlign = haFull;
}

void VOroDavoduRuzu::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) {
        g = addGraphic(ACol, ARow);
        g->CellType = ctEmpty;
    }
    g->CellErrFrom = ErrPos;
    g->CellErrLen = ErrLen;
    RepaintCell(DisplColIndexOf(ACol), ARow);
}

void VOroDavoduRuzu::RemoveMarker(int ACol, int ARow)
{
    TCellGraphic* g = ownGraphic(ACol, ARow);
    if (!g)
        return;
    if (g->CellType == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    g->CellErrFrom = 0;
    g->CellErrLen = 0;
}

void VOroDavoduRuzu::RemoveAllMarkers()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveMarker(c, r);
}

void VOroDavoduRuzu::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    ErrPos = g ? g->CellErrFrom : 0;
    ErrLen = g ? g->CellErrLen : 0;
}

// --- Buttons ---------------------------------------------------------------------------------------

void VOroDavoduRuzu::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                               TCellVAlign val)
{
    addGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void VOroDavoduRuzu::AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph,
                                  TCellHAlign hal, TCellVAlign val)
{
    addGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* VOroDavoduRuzu::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                                         TCellVAlign val)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    auto* glyph = new TBitmap;  // owned by the graphic (CellCreated)
    g->SetBitButton(bw, bh, Caption, glyph, hal, val);
    g->CellCreated = true;
    return glyph;
}

void VOroDavoduRuzu::SetButtonText(int ACol, int ARow, const QString& Caption)
{
    if (TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow)) {
        g->CellText = Caption;
        RepaintCell(ACol, ARow);
    }
}

QString VOroDavoduRuzu::GetButtonText(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    return g ? g->CellText : QString();
}

void VOroDavoduRuzu::PushButton(int ACol, int ARow, bool Push)
{
    TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!g || g->CellType == ctNode)
        return;
    g->CellBoolean = Push;
    RepaintCell(ACol, ARow);
}

void VOroDavoduRuzu::RemoveButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctButton);
    RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void VOroDavoduRuzu::RemoveAllButtons()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            if (HasButton(c, r))
                RemoveButton(c, r);
}

// --- Radio groups ----------------------------------------------------------------------------------

void VOroDavoduRuzu::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl)
{
    TCellGraphic* g = addGraphic(ACol, ARow);
    g->CellType = ctRadio;
    g->CellBitmap = sl;  // borrowed: CellCreated stays false
    g->CellAngle = sl ? sl->Count() : 0;
    g->CellBoolean = DirRadio != 0;
    g->CellIndex = IdxRadio;
}

TStringList* VOroDavoduRuzu::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    AddRadio(ACol, ARow, DirRadio, IdxRadio, nullptr);
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    auto* items = new TStringList;  // owned by the graphic (CellCreated)
    g->CellBitmap = items;
    g->CellCreated = true;
    return items;
}

bool VOroDavoduRuzu::GetRadioIdx(int ACol, int ARow, int& IdxRadio)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    IdxRadio = g->CellIndex;
    return g->CellType == ctRadio;
}

bool VOroDavoduRuzu::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    g->CellIndex = IdxRadio;
    if (IdxRadio == -1)
        SetCells(ACol, ARow, QString());
    RepaintCell(DisplColIndexOf(ACol), ARow);
    return g->CellType == ctRadio;
}

TStringList* VOroDavoduRuzu::GetRadioStrings(int ACol, int ARow)
{
    if (!IsRadio(ACol, ARow))
        return nullptr;
    const TPoint base = BaseCell(ACol, ARow);
    return dynamic_cast<TStringList*>(GetCellGraphic(base.X, base.Y)->CellBitmap);
}

// --- Balloons --------------------------------------------------------------------------------------

void VOroDavoduRuzu::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g && g->CellType != ctCheckBox && g->CellType != ctDataCheckBox && g->CellType != ctRadioButton)
        return;
    if (g && g->CellAngle == 1)
        delete g->CellBitmap;  // the balloon attached before
    if (g) {
        g->CellAngle = 1;
    } else {
        g = addGraphic(ACol, ARow);
        g->CellType = ctBalloon;
        g->CellAngle = 0;
    }
    auto* lines = new TStringList;  // owned by the graphic
    lines->Add(Title);
    lines->Add(Text);
    g->CellBitmap = lines;
    g->CellIndex = Icon;
}

void VOroDavoduRuzu::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    if (g->CellType == ctBalloon) {
        RemoveCellGraphic(ACol, ARow);
    } else if ((g->CellType == ctCheckBox || g->CellType == ctDataCheckBox || g->CellType == ctRadioButton) &&
               g->CellAngle == 1) {
        delete g->CellBitmap;
        g->CellBitmap = nullptr;
        g->CellAngle = 0;
    }
}

bool VOroDavoduRuzu::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    const bool attached =
        (g->CellType == ctCheckBox || g->CellType == ctDataCheckBox || g->CellType == ctRadioButton) &&
        g->CellAngle == 1;
    if (g->CellType != ctBalloon && !attached)
        return false;
    const auto* lines = dynamic_cast<const TStringList*>(g->CellBitmap);
    if (!lines || lines->Count() < 2)
        return false;
    Title = (*lines)[0];
    Text = (*lines)[1];
    Icon = static_cast<TBalloonIcon>(g->CellIndex);
    return true;
}
