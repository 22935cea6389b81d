#include "platform/ActnList.h"

#include <algorithm>
#include <utility>

namespace {

template <typename T>
void eraseValue(std::vector<T*>& list, const T* value)
{
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

}  // namespace

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner)
{}

TBasicAction::~TBasicAction()
{
    Destroying();
    for (TBasicActionLink* link : links_)
        link->action_ = nullptr;
}

bool TBasicAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TBasicAction::Change()
{
    // A client may drop its link while it handles the change.
    const std::vector<TBasicActionLink*> links = links_;
    for (TBasicActionLink* link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end() && link->onChange_)
            link->onChange_(*this);
}

TBasicActionLink::TBasicActionLink(TBasicAction& action, TChangeEvent onChange)
    : action_(&action), onChange_(std::move(onChange))
{
    action.links_.push_back(this);
}

TBasicActionLink::~TBasicActionLink()
{
    if (action_)
        eraseValue(action_->links_, this);
}

TCustomAction::~TCustomAction()
{
    if (actionList_)
        eraseValue(actionList_->actions_, this);
}

void TCustomAction::SetActionList(TActionList* list)
{
    if (list == actionList_)
        return;
    if (actionList_)
        eraseValue(actionList_->actions_, this);
    actionList_ = list;
    if (list)
        list->actions_.push_back(this);
    // The images may have come or gone.
    Change();
}

bool TCustomAction::Execute()
{
    return enabled_ && TBasicAction::Execute();
}

TActionList::~TActionList()
{
    for (TCustomAction* action : actions_)
        action->actionList_ = nullptr;
}
