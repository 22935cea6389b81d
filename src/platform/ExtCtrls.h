#pragma once
// More controls: panel, shape, image, splitter, scroll box and the category panel group.
#include "platform/Bitmap.h"
#include "platform/Controls.h"

#include <memory>
#include <vector>

class QScrollArea;
class QScrollBar;

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A container with 3-D bevels and a centred caption; aligned children go inside its borders.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TPanel"); }

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool v);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& rect) const override;

private:
    void changed();

    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
    bool showCaption_ = true;
};

// Draws a 3-D frame of the given width inside r: top and left in topLeft, bottom and right in bottomRight;
// r shrinks to the inside of the frame.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A geometric shape outlined with Pen and filled with Brush.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TShape"); }
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType s);
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }

protected:
    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
    TPen pen_;
    TBrush brush_;
};

// A picture at its size in the top-left corner, centred, or stretched over the control.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TImage"); }
    TPicture& Picture() { return picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);

protected:
    void Paint() override;

private:
    TRect destRect() const;

    TPicture picture_;
    bool stretch_ = false;
    bool proportional_ = false;
    bool center_ = false;
};

// A bar between aligned controls; dragging it resizes the control aligned just before it.
class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TSplitter"); }
    int MinSize = 30;
    TNotifyEvent OnMoved;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint() override;

private:
    TControl* sizedControl() const;
    bool vertical() const { return Align() == alLeft || Align() == alRight; }

    TControl* dragged_ = nullptr;
    TPoint start_;
};

// One scroll bar of a scroll box.
class TControlScrollBar {
public:
    explicit TControlScrollBar(QScrollBar* bar) : bar_(bar) {}
    int Position() const;
    void SetPosition(int v);
    // The scrollable length: the extent of the contents.
    int Range() const;
    int Increment() const;
    void SetIncrement(int v);
    bool Tracking() const;
    void SetTracking(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    // Acts on a scroll code (SB_LINEUP, SB_PAGEDOWN, SB_THUMBPOSITION, ...).
    void Scroll(UINT code, int thumbPosition);

private:
    QScrollBar* bar_;
    bool visible_ = true;
};

// A container whose contents scroll when they are larger than it. WM_VSCROLL and WM_HSCROLL scroll it.
class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* AOwner);
    ~TScrollBox() override;
    QString ClassName() const override { return QStringLiteral("TScrollBox"); }
    void WndProc(TMessage& Message) override;
    TRect ClientRect() const override;

    TControlScrollBar& VertScrollBar() { return *vert_; }
    TControlScrollBar& HorzScrollBar() { return *horz_; }
    // Scrolls so that the control (a child or deeper) is in view.
    void ScrollInView(TControl* control);

protected:
    QWidget* ClientWidget() const override { return content_; }
    void AlignControls() override;
    QScrollArea* area() const;

private:
    void updateRange();

    QWidget* content_;
    std::unique_ptr<TControlScrollBar> vert_;
    std::unique_ptr<TControlScrollBar> horz_;
};

class TCategoryPanel;

// A scrolling column of collapsible category panels, stacked top to bottom in the order they were added.
class TCategoryPanelGroup : public TScrollBox {
public:
    explicit TCategoryPanelGroup(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TCategoryPanelGroup"); }

    int HeaderHeight() const { return headerHeight_; }
    void SetHeaderHeight(int v);
    TFont& HeaderFont() { return headerFont_; }
    const TFont& HeaderFont() const { return headerFont_; }
    TColor ChevronColor = clBlack;
    TColor ChevronHotColor = clGray;
    TColor GradientBaseColor = clWhite;
    TColor GradientColor = clSilver;
    // Pictures of the headers; not owned.
    TImageList* Images = nullptr;

    int PanelCount() const;
    TCategoryPanel* Panels(int index) const;
    void CollapseAll();
    void ExpandAll();

protected:
    void AlignControls() override;

private:
    std::vector<TCategoryPanel*> panels() const;

    int headerHeight_ = 24;
    TFont headerFont_;
    bool stacking_ = false;
};

// A panel of a category panel group: a header with a caption and a chevron, which collapses and expands
// it on a click, and a client area below the header for the controls.
class TCategoryPanel : public TCustomControl {
public:
    explicit TCategoryPanel(TComponent* AOwner);
    ~TCategoryPanel() override;
    QString ClassName() const override { return QStringLiteral("TCategoryPanel"); }
    void WndProc(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TRect ClientRect() const override;

    TCategoryPanelGroup* PanelGroup() const { return dynamic_cast<TCategoryPanelGroup*>(Parent()); }
    void SetPanelGroup(TCategoryPanelGroup* group) { SetParent(group); }
    bool Collapsed() const { return collapsed_; }
    void SetCollapsed(bool v);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }
    // The height when expanded.
    int ExpandedHeight() const { return expandedHeight_; }
    int CollapsedImageIndex = -1;
    int ExpandedImageIndex = -1;

    TNotifyEvent OnCollapse;
    TNotifyEvent OnExpand;

protected:
    QWidget* ClientWidget() const override { return surface_; }
    void Paint() override;
    void Resize() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int headerHeight() const;

    QWidget* surface_;
    bool collapsed_ = false;
    bool hot_ = false;
    int expandedHeight_ = 200;
};
