#include "platform/HintWindow.h"

#include "platform/QtAccess.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace {
// Space between the frame and the text.
constexpr int MarginX = 2;
constexpr int MarginY = 2;
// The system's tooltip appears this far below the mouse.
constexpr int CursorHeight = 16;

// The control's own hint window that shows now; the widget tells whether the window still exists.
struct ShownHint {
    THintWindow* window = nullptr;
    QPointer<QWidget> widget;
};

ShownHint& shownHint()
{
    static ShownHint shown;
    return shown;
}
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

void CancelHint()
{
    QToolTip::hideText();
    ShownHint& shown = shownHint();
    if (shown.widget)
        shown.window->ReleaseHandle();
    shown = {};
}

void ActivateHintAt(TControl& Control, TPoint CursorPos)
{
    THintInfo info;
    info.HintControl = &Control;
    info.CursorPos = CursorPos;
    const TPoint screen = Control.ClientToScreen(CursorPos);
    info.HintPos = {screen.X, screen.Y + CursorHeight};
    info.HintMaxWidth = MonitorRectAt(screen).Width();
    info.HintStr = GetShortHint(Control.Hint);
    TMessage m{CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info), 0};
    Control.Perform(m);
    CancelHint();
    if (!Control.ShowHint || m.Result != 0 || info.HintStr.isEmpty())
        return;
    if (!info.HintWindow) {
        // The system's tooltip shows markup as text.
        const QString text = Qt::mightBeRichText(info.HintStr) ? Qt::convertFromPlainText(info.HintStr) : info.HintStr;
        QToolTip::showText(QPoint(info.HintPos.X, info.HintPos.Y - CursorHeight), text, QtAccess::Widget(Control));
        return;
    }
    TRect r = info.HintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    r = {r.Left + info.HintPos.X, r.Top + info.HintPos.Y, r.Right + info.HintPos.X, r.Bottom + info.HintPos.Y};
    info.HintWindow->SetColor(info.HintColor);
    info.HintWindow->ActivateHint(r, info.HintStr);
    shownHint() = {info.HintWindow, QtAccess::Widget(*info.HintWindow)};
}

TRect MonitorRectAt(TPoint Pos)
{
    QScreen* screen = QGuiApplication::screenAt(QPoint(Pos.X, Pos.Y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0, 0, 0};
    const QRect g = screen->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}
