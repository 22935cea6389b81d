#include "platform/BalloonHint.h"

#include <algorithm>

#include "platform/HintWindow.h"
#include "platform/QtAccess.h"
#include "platform/Timers.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPointer>
#include <QRegion>
#include <QWidget>

namespace {
constexpr int StemHeight = 12;  // the pointer from the body up to the mouse
constexpr int StemLeft = 12;
constexpr int StemWidth = 14;
constexpr int Margin = 8;
constexpr int Corner = 12;
constexpr int IconSize = 16;
constexpr int IconGap = 6;
constexpr int TitleGap = 4;  // between the title line and the text

bool hasIcon(int icon)
{
    return icon > btiNone && icon <= btiError;
}

void paintIcon(TCanvas& c, int icon, int x, int y)
{
    const TRect r{x, y, x + IconSize, y + IconSize};
    c.Pen().SetColor(clWhite);
    QString mark;
    switch (icon) {
    case btiInfo:
        c.Brush().SetColor(RGB(0, 90, 200));
        c.Ellipse(r);
        mark = QStringLiteral("i");
        break;
    case btiWarning:
        c.Brush().SetColor(RGB(240, 190, 0));
        c.Pen().SetColor(RGB(240, 190, 0));
        c.Polygon({{x + IconSize / 2, y}, {x + IconSize, y + IconSize - 1}, {x, y + IconSize - 1}});
        mark = QStringLiteral("!");
        break;
    default:
        c.Brush().SetColor(RGB(210, 30, 30));
        c.Ellipse(r);
        mark = QStringLiteral("x");
        break;
    }
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(icon == btiWarning ? clBlack : clWhite);
    c.Font().SetStyle(fsBold);
    TRect box = r;
    c.DrawText(mark, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
}  // namespace

// Watches the tool's mouse, as the system's tooltip subclasses its tool's window.
class BalloonWatch : public QObject {
public:
    BalloonWatch(TBalloonHint& balloon, QWidget* tool) : balloon_(balloon), tool_(tool)
    {
        tool->installEventFilter(this);
    }
    ~BalloonWatch() override
    {
        if (tool_)
            tool_->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != tool_)
            return false;
        switch (event->type()) {
        case QEvent::MouseMove: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            balloon_.mouseMoved({p.x(), p.y()});
            break;
        }
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Hide:
            balloon_.mouseGone();
            break;
        default:
            break;
        }
        return false;
    }

private:
    TBalloonHint& balloon_;
    QPointer<QWidget> tool_;
};

TBalloonHint::TBalloonHint(TWinControl& Tool)
    : TCustomControl(&Tool),
      FTool(Tool),
      FWatch(new BalloonWatch(*this, QtAccess::Widget(Tool))),
      FDelay(new TTimer(this)),
      FAutoHide(new TTimer(this))
{
    Widget()->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    Widget()->setAttribute(Qt::WA_ShowWithoutActivating);
    Hide();
    FDelay->SetEnabled(false);
    FDelay->OnTimer = [this](TObject*) {
        FDelay->SetEnabled(false);
        ShowFor(FMouse);
    };
    FAutoHide->SetEnabled(false);
    FAutoHide->OnTimer = [this](TObject*) {
        FAutoHide->SetEnabled(false);
        Hide();
    };
}

TBalloonHint::~TBalloonHint()
{
    delete FWatch;
}

void TBalloonHint::SetDelays(int Initial, int Reshow, int AutoHide)
{
    FInitial = Initial < 0 ? DefaultInitialDelay : Initial;
    FReshow = Reshow < 0 ? DefaultReshowDelay : Reshow;
    FAutoHideMs = AutoHide < 0 ? DefaultAutoHideDelay : AutoHide;
}

void TBalloonHint::SetTransparency(std::uint8_t Transparency)
{
    Widget()->setWindowOpacity((255 - Transparency) / 255.0);
}

void TBalloonHint::Pop()
{
    if (!Showing())
        return;
    Hide();
    FAutoHide->SetEnabled(false);
    FDelay->SetInterval(static_cast<UINT>(FReshow));
    FDelay->SetEnabled(true);
}

void TBalloonHint::mouseMoved(TPoint ClientPos)
{
    FMouse = ClientPos;
    if (Showing())
        return;
    // The balloon comes when the mouse rests: each move starts the wait again.
    FDelay->SetEnabled(false);
    FDelay->SetInterval(static_cast<UINT>(FShownBefore ? FReshow : FInitial));
    FDelay->SetEnabled(true);
}

void TBalloonHint::mouseGone()
{
    FDelay->SetEnabled(false);
    FAutoHide->SetEnabled(false);
    FShownBefore = false;
    Hide();
}

void TBalloonHint::ShowFor(TPoint ClientPos)
{
    TBalloonTipText tip;
    if (!OnNeedText || !OnNeedText(ClientPos, tip) || tip.Text.isEmpty())
        return;
    FTip = tip;
    SetColor(FTip.BackColor == clNone ? clInfoBk : FTip.BackColor);
    layout(FTool.ClientToScreen(ClientPos));
    Show();
    Invalidate();
    FShownBefore = true;
    FAutoHide->SetInterval(static_cast<UINT>(FAutoHideMs));
    FAutoHide->SetEnabled(FAutoHideMs > 0);
}

// Sizes the window to title and text and puts the stem's tip at the point, inside the monitor.
void TBalloonHint::layout(TPoint ScreenPos)
{
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    c.Font().SetStyle(fsBold);
    const int indent = hasIcon(FTip.Icon) ? IconSize + IconGap : 0;
    const bool titled = !FTip.Title.trimmed().isEmpty() || indent > 0;
    TRect title{0, 0, 0, 0};
    if (titled) {
        title = {0, 0, FTip.MaxWidth, 0};
        c.DrawText(FTip.Title, title, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        title.Bottom = std::max(title.Bottom, indent > 0 ? IconSize : 0);
    }
    c.Font().Assign(Font());
    TRect text{0, 0, FTip.MaxWidth, 0};
    c.DrawText(FTip.Text, text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    const int top = StemHeight + Margin;
    FTitleRect = {Margin + indent, top, Margin + indent + title.Width(), top + title.Height()};
    const int textTop = titled ? FTitleRect.Bottom + TitleGap : top;
    FTextRect = {Margin, textTop, Margin + text.Width(), textTop + text.Height()};
    const int w = std::max({FTitleRect.Right, FTextRect.Right, StemLeft + StemWidth + Corner}) + Margin;
    const int h = FTextRect.Bottom + Margin;
    const TRect monitor = MonitorRectAt(ScreenPos);
    int left = ScreenPos.X - StemLeft;
    if (monitor.Width() > 0)
        left = std::max(monitor.Left, std::min(left, monitor.Right - w));
    SetBounds(left, ScreenPos.Y, w, h);
    // The window takes the shape of the balloon.
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, StemHeight, w, h - StemHeight), Corner, Corner);
    const int stem = std::clamp(ScreenPos.X - left, 0, w);
    QPainterPath pointer;
    pointer.addPolygon(QPolygonF({QPointF(stem, 0), QPointF(StemLeft, StemHeight + 1),
                                  QPointF(StemLeft + StemWidth, StemHeight + 1), QPointF(stem, 0)}));
    Widget()->setMask(QRegion(shape.united(pointer).toFillPolygon().toPolygon()));
}

void TBalloonHint::Paint()
{
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    const TColor ink = FTip.TextColor == clNone ? clInfoText : FTip.TextColor;
    c.Brush().SetColor(Color());
    c.FillRect(r);
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(ink);
    c.RoundRect(r.Left, r.Top + StemHeight, r.Right - 1, r.Bottom - 1, Corner, Corner);
    if (hasIcon(FTip.Icon))
        paintIcon(c, FTip.Icon, Margin, FTitleRect.Top);
    c.Brush().SetStyle(bsClear);
    c.Font().Assign(Font());
    c.Font().SetColor(ink);
    TRect text = FTextRect;
    c.DrawText(FTip.Text, text, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    c.Font().SetStyle(fsBold);
    TRect title = FTitleRect;
    c.DrawText(FTip.Title, title, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
}
