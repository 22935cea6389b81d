#include "platform/HintWindow.h"

#include <QWidget>

namespace {
// Space between the frame and the text.
constexpr int MarginX = 2;
constexpr int MarginY = 2;
}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    Widget()->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    Widget()->setAttribute(Qt::WA_ShowWithoutActivating);
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
    Hide();
}

TRect THintWindow::CalcHintRect(int MaxWidth, const QString& AHint, void* AData)
{
    (void)AData;
    TRect r = Rect(0, 0, MaxWidth, 0);
    Canvas().Font().Assign(Font());
    Canvas().DrawText(AHint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.Right += 2 * MarginX + 2;
    r.Bottom += 2 * MarginY;
    return r;
}

void THintWindow::ActivateHint(const TRect& ARect, const QString& AHint)
{
    SetCaption(AHint);
    SetBounds(ARect.Left, ARect.Top, ARect.Width(), ARect.Height());
    Show();
    Invalidate();
}

void THintWindow::ReleaseHandle()
{
    Hide();
}

void THintWindow::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    c.Brush().SetColor(Color());
    c.FillRect(r);
    c.Brush().SetColor(clWindowFrame);
    c.FrameRect(r);
    r = Rect(r.Left + MarginX + 1, r.Top + MarginY, r.Right - MarginX, r.Bottom - MarginY);
    c.Brush().SetStyle(bsClear);
    c.DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
