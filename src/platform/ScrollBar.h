#pragma once
// A scroll bar control: a position between Min and Max that the user moves by line, page or thumb.
#include "platform/Controls.h"

class QScrollBar;

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TScrollBar"); }

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    void SetMin(int v) { SetParams(position_, v, max_); }
    int Max() const { return max_; }
    void SetMax(int v) { SetParams(position_, min_, v); }
    int Position() const { return position_; }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    // The thumb's share of the range; the last position is Max - PageSize + 1 when a page is set.
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    int SmallChange = 1;
    int LargeChange = 1;
    bool Ctl3D = true;
    // Sets the range and the position (kept inside it); OnChange fires when the position changed.
    void SetParams(int APosition, int AMin, int AMax);

    TNotifyEvent OnChange;
    // The user scrolled: ScrollPos is the position asked for and may be changed by the handler.
    TScrollEvent OnScroll;

private:
    QScrollBar* bar() const;
    int lastPosition() const;
    void sync();
    void userAction(int action);

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageSize_ = 0;
};
