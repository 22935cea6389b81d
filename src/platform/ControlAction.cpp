// TControl: the link to its action.
#include "platform/Controls.h"

void TControl::SetAction(TBasicAction* action)
{
    if (action == Action())
        return;
    actionLink_.reset();
    if (!action)
        return;
    actionLink_ = std::make_unique<TBasicActionLink>(*action, [this](TBasicAction& a) { ActionChange(a); });
    ActionChange(*action);
}

void TControl::ActionChange(TBasicAction& Sender)
{
    const auto* action = dynamic_cast<const TCustomAction*>(&Sender);
    if (!action)
        return;
    SetCaption(action->Caption());
    SetEnabled(action->Enabled());
    Hint = action->Hint();
    SetVisible(action->Visible());
}
