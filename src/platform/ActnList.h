#pragma once
// Actions: a command with its caption, state and handler, shared by the controls linked to it.
#include "platform/Components.h"

#include <functional>
#include <vector>

class TActionList;
class TBasicActionLink;
class TImageList;

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;
    QString ClassName() const override { return QStringLiteral("TBasicAction"); }

    TNotifyEvent OnExecute;
    // Runs OnExecute; false when there is none.
    virtual bool Execute();

protected:
    // Tells every linked client that a property changed.
    void Change();

private:
    friend class TBasicActionLink;
    std::vector<TBasicActionLink*> links_;
};

// A client's link to an action: it hears the action's changes and lets go when the action is freed.
class TBasicActionLink {
public:
    using TChangeEvent = std::function<void(TBasicAction& action)>;
    TBasicActionLink(TBasicAction& action, TChangeEvent onChange);
    ~TBasicActionLink();
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    // nullptr once the action was freed.
    TBasicAction* Action() const { return action_; }

private:
    friend class TBasicAction;
    TBasicAction* action_;
    TChangeEvent onChange_;
};

class TCustomAction : public TBasicAction {
public:
    explicit TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}
    ~TCustomAction() override;
    QString ClassName() const override { return QStringLiteral("TCustomAction"); }

    // Every write that changes a value tells the linked clients.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value) { set(caption_, value); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { set(enabled_, value); }
    QString Hint() const { return hint_; }
    void SetHint(const QString& value) { set(hint_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { set(visible_, value); }
    // The action's image in its list's Images; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { set(imageIndex_, value); }
    TActionList* ActionList() const { return actionList_; }
    void SetActionList(TActionList* list);

    // A disabled action does not execute.
    bool Execute() override;

private:
    friend class TActionList;
    template <typename T>
    void set(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Change();
    }

    QString caption_;
    bool enabled_ = true;
    QString hint_;
    bool visible_ = true;
    int imageIndex_ = -1;
    TActionList* actionList_ = nullptr;
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
    QString ClassName() const override { return QStringLiteral("TAction"); }
};

// The actions of a form and the images they show.
class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* AOwner) : TComponent(AOwner) {}
    ~TActionList() override;
    QString ClassName() const override { return QStringLiteral("TActionList"); }

    // Not owned.
    TImageList* Images = nullptr;
    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TCustomAction* Actions(int index) const { return actions_.at(static_cast<std::size_t>(index)); }

private:
    friend class TCustomAction;
    std::vector<TCustomAction*> actions_;
};
