#pragma once
// Pop-up menus shown at a screen point, modal until they close.
#include "platform/Components.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <vector>

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}
    QString ClassName() const override { return QStringLiteral("TMenuItem"); }

    // "&" marks the accelerator.
    QString Caption;
    bool Enabled = true;
    bool Visible = true;
    TNotifyEvent OnClick;

    // Runs OnClick of an enabled item.
    virtual void Click();
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}
    QString ClassName() const override { return QStringLiteral("TPopupMenu"); }

    // Appends an item the menu owns from then on.
    TMenuItem& Add(const QString& caption, TNotifyEvent onClick = {});
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }

    // Shows the visible items with the top-left corner at a screen point and waits until the menu
    // closes; then runs the click of the item chosen, if any.
    void Popup(int X, int Y);

private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

// Test seam for the modal run of Popup: gets the menu and the screen point and returns the item to
// choose, or nullptr to dismiss the menu.
using TPopupMenuHook = std::function<TMenuItem*(TPopupMenu& menu, TPoint at)>;
TPopupMenuHook& PopupMenuHook();
