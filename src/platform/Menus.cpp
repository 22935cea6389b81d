#include "platform/Menus.h"

#include "platform/Seam.h"

#include <QAction>
#include <QMenu>
#include <map>

namespace {

TMenuItem* runMenu(TPopupMenu& menu, TPoint at)
{
    QMenu qmenu;
    std::map<const QAction*, TMenuItem*> items;
    for (int i = 0; i < menu.Count(); ++i) {
        TMenuItem& item = menu.Items(i);
        if (!item.Visible)
            continue;
        QAction* action = qmenu.addAction(item.Caption);
        action->setEnabled(item.Enabled);
        items[action] = &item;
    }
    const QAction* chosen = qmenu.exec(QPoint(at.X, at.Y));
    const auto it = items.find(chosen);
    return it == items.end() ? nullptr : it->second;
}

}  // namespace

void TMenuItem::Click()
{
    if (Enabled && OnClick)
        OnClick(this);
}

TMenuItem& TPopupMenu::Add(const QString& caption, TNotifyEvent onClick)
{
    auto& item = *items_.emplace_back(std::make_unique<TMenuItem>(nullptr));
    item.Caption = caption;
    item.OnClick = std::move(onClick);
    return item;
}

void TPopupMenu::Popup(int X, int Y)
{
    if (TMenuItem* chosen = CallHookOr(PopupMenuHook(), runMenu, *this, TPoint{X, Y}))
        chosen->Click();
}

TPopupMenuHook& PopupMenuHook()
{
    static TPopupMenuHook hook;
    return hook;
}
