#pragma once
// The layout state of one call of the cell text engine and its line pass, shared by the files of
// the engine: the line loop, the runs of a line, the tags, anchors, pictures and form controls.
#include <QHash>
#include <QString>
#include <QStringView>

#include <functional>

#include "grid/base/VsgHTMLE/VsgHTMLE.h"

class THTMLPicture;

namespace vsghtmle {

// The passes over a line: measured first, then drawn or only hit-tested.
enum class TPassMode { Measure, HitTest, Draw };

// A tag as met in the text: as written and upper-cased (letters a to z).
struct TTag {
    QStringView text;
    QString upper;
    // The value of a name="value" attribute, from the upper-cased tag or as written; empty when
    // the name is absent or its value is not quoted.
    QString Attribute(QLatin1StringView name, bool upperValue) const;
    // Whether the attribute is present with a quoted value.
    bool HasAttribute(QLatin1StringView name) const;
};

// One pass over a line.
struct TLinePass {
    TPassMode mode = TPassMode::Measure;
    TRect r;           // the line's rectangle (the draw rectangle in the second pass)
    int bottom = 0;    // r.Bottom less the subscript reserve
    int x = 0;         // the draw position
    int width = 0;     // line width so far
    int trailing = 0;  // width of the last run's trailing space
    bool broken = false;
    bool full = false;
    bool listItemSeen = false;
    bool glue = false;  // the last item laid does not end with a space
    bool laid = false;  // something was laid on this line
    bool cut = false;   // without word wrap, a run overran the line: the rest of the text goes
    bool anchorText = false;
    bool object = false;
    bool drawing() const { return mode == TPassMode::Draw; }
    bool testing() const { return mode != TPassMode::Draw; }
    // Room left on the line for an item.
    int room() const { return r.Width() - width; }
};

class THtmlEngine {
public:
    THtmlEngine(TCanvas& canvas, const QString& text, const TRect& rect, const THtmlRenderOptions& options,
                THtmlRenderResult& result);
    bool Run();

private:
    // Line loop (VsgHTMLERender.cpp).
    void setUp();
    void tearDown();
    void layOutLine(qsizetype& pos);
    // The height of the text cell in the current font ("gh" or any other text).
    int fontHeight();

    // Runs of a line (VsgHTMLELine.cpp): returns the end of the text the pass consumed; pos gets
    // where the next line starts.
    qsizetype linePass(qsizetype from, qsizetype to, qsizetype& pos, TLinePass& p);
    bool takeRun(TLinePass& p, const QString& run);
    void drawRun(TLinePass& p, const QString& run, int& w);
    void drawErrorMark(int left, int right, int y);
    int runWidth(const QString& run, const TRect& r, unsigned flags);
    void paintBand(int top, int bottom);
    void appendPlainText(const QString& run);

    // Tags (VsgHTMLETags.cpp).
    void openTag(TLinePass& p, const TTag& tag);
    void closeTag(TLinePass& p, const TTag& tag);
    void fontTag(TLinePass& p, const TTag& tag);
    void paragraphTag(TLinePass& p, const TTag& tag);
    void listItemTag(TLinePass& p);
    void lineBreak(TLinePass& p);
    void setStyle(TFontStyle style, bool on);
    TColor brushColorOrNone() const;
    void setBrushColorOrClear(TColor color);

    // Anchors (VsgHTMLEAnchors.cpp).
    bool hovered() const;
    void openAnchor(TLinePass& p, const TTag& tag);
    void closeAnchor(TLinePass& p);
    void hitTestRun(TLinePass& p, int w);
    void closeFocusSegment(TLinePass& p, bool lineEnd);

    // Pictures and backgrounds (VsgHTMLEPictures.cpp).
    void pictureTag(TLinePass& p, const TTag& tag);
    void bodyTag(TLinePass& p, const TTag& tag);
    THTMLPicture* namedPicture(const QString& source);
    // Whether an item makes the measured line full: wider than the room left but not than the line.
    bool lineFullFor(TLinePass& p, int itemWidth) const;
    void placeItem(TLinePass& p, int itemWidth, int itemHeight);

    // Form controls (VsgHTMLEControls.cpp).
    void controlTag(TLinePass& p, const TTag& tag);

    TCanvas& canvas_;
    const QString& source_;
    QString text_;
    const TRect rect_;
    const THtmlRenderOptions& opt_;
    THtmlRenderResult& res_;

    TRect lineRect_;
    enum class TAlign { Left, Right, Center } align_ = TAlign::Left;
    int indent_ = 0;
    int lineHeight_ = 0;
    int subReserve_ = 0;
    int supReserve_ = 0;
    int lift_ = 0;
    int lineGh_ = 0;

    bool inAnchor_ = false;
    bool sub_ = false;
    bool sup_ = false;
    bool shadow_ = false;
    bool hidden_ = false;
    bool errorMark_ = false;
    bool paraBackground_ = false;
    QString link_;
    QString title_;

    int anchorCount_ = 0;
    int pictureCount_ = 0;
    int listLevel_ = 0;
    int pictureUnderPoint_ = -1;
    int lineCount_ = 0;

    TPoint anchorStart_;
    bool anchorRectOpen_ = false;
    TPoint focusStart_;
    bool focusOpen_ = false;

    TColor savedAnchorBrush_ = clNone;
    TColor savedAnchorFont_ = clNone;
    TColor savedFontBrush_ = clNone;
    TColor savedHiFont_ = clNone;
    TColor savedHiBrush_ = clNone;
    TColor savedParaBrush_ = clNone;
    TColor background_ = clNone;

    TColor entryPenColor_ = clBlack;
    int entryPenWidth_ = 1;
    TColor entryBrushColor_ = clWhite;
    TBrushStyle entryBrushStyle_ = bsSolid;
    TFont baseFont_;
    TFont measureFont_;
    TFont drawFont_;
    unsigned flags_ = 0;
    bool rotated_ = false;
    TRotatedFontHandle rotatedKept_ = 0;
    bool themed_ = false;
    QString wantedControlID_;
    bool result_ = false;
    QHash<QString, int> widths_;  // of the runs measured, by text and font
};

}  // namespace vsghtmle
