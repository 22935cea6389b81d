#pragma once
// Drag and drop of cells, columns, text, rich text, files and URLs: the formats a drag offers, a drop target
// that accepts them and hands each drop to one overridable operation, and a drop source.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "platform/DragDrop.h"

// Formats of a dragged column and of a URL; grid cells travel as the clipboard's cell format.
inline const QString MimeGridColumn = QStringLiteral("application/x-qt-windows-mime;value=\"Grid Column\"");

enum TDropFormat : std::uint8_t {
    dfText = 1 << 0,
    dfFile = 1 << 1,
    dfCol = 1 << 2,
    dfRTF = 1 << 3,
    dfURL = 1 << 4,
    dfGridCells = 1 << 5
};
using TDropFormats = std::uint8_t;

// Rich text in drags and drops, for every grid of the process (off at start).
void SetAllowRTFDrop(bool Allow);
bool AllowRTFDrop();

// What a dropped data object offers, read once.
struct TDropContent {
    explicit TDropContent(const TDragData& Data);
    TDropFormats Formats = 0;
    QString Text;
    QString RTF;
    QByteArray Cells;
    int Col = -1;
    QStringList Files;  // local files of the URI list
    QString URL;        // the first URL that is not a local file
};

class TVSGDropTarget : public IDropTarget {
public:
    bool AcceptText = true;
    bool AcceptFiles = true;
    bool AcceptCols = false;
    bool AcceptURLs = true;
    TDropFormats DropFormats() const { return FDropFormats; }

    int DragEnter(const TDragData& Data, TShiftState Shift, TPoint Pt, int Allowed) override;
    int DragOver(TShiftState Shift, TPoint Pt, int Allowed) override;
    void DragLeave() override { DragMouseLeave(); }
    int Drop(const TDragData& Data, TShiftState Shift, TPoint Pt, int Allowed) override;

protected:
    virtual void DropText(TPoint Pt, const QString& Text) { (void)Pt, (void)Text; }
    virtual void DropStream(TPoint Pt, const QByteArray& Stream) { (void)Pt, (void)Stream; }
    virtual void DropCol(TPoint Pt, int Col) { (void)Pt, (void)Col; }
    virtual void DropRTF(TPoint Pt, const QString& Text) { (void)Pt, (void)Text; }
    virtual void DropFiles(TPoint Pt, const QStringList& Files) { (void)Pt, (void)Files; }
    virtual void DropURL(TPoint Pt, const QString& URL) { (void)Pt, (void)URL; }
    virtual void DragMouseMove(TPoint Pt, bool& Allow, TDropFormats Formats) { (void)Pt, (void)Allow, (void)Formats; }
    virtual void DragMouseEnter() {}
    virtual void DragMouseLeave() {}
    bool FOk = false;
    // Set by a drop operation that refused the data (the drop then reports no effect).
    bool FDropRefused = false;
    TDropFormats FDropFormats = 0;

private:
    bool accepts(const TDropContent& Content) const;
};

class TVSGDropSource : public IDropSource {
public:
    void GiveFeedback(int Effect) override
    {
        FNoAccept = Effect == DROPEFFECT_NONE;
        CurrentEffect(Effect);
    }
    virtual void CurrentEffect(int Effect) { (void)Effect; }
    bool FNoAccept = false;
};

// Start a drag of text (with rich text and cells when given) or of one column; the effect the drop had,
// none when the drag was cancelled or the last feedback refused it.
int BeginTextDragDrop(TWinControl& Source, TVSGDropSource& DropSource, const QString& Text, const QString& RTF,
                      const QByteArray& Cells, int AllowedEffects);
int BeginColumnDragDrop(TWinControl& Source, TVSGDropSource& DropSource, int Col, int AllowedEffects);
