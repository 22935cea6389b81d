#pragma once
// Components: named objects with an owner that frees them.
#include "platform/Classes.h"

#include <cstdint>
#include <vector>

enum TComponentStateFlag : std::uint8_t {
    csLoading = 1 << 0,
    csDestroying = 1 << 1,
    csDesigning = 1 << 2,
};
using TComponentState = std::uint8_t;

// A component frees the components it owns when it is freed (the last owned first); a component freed
// on its own leaves its owner's list.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    QString Name;
    std::intptr_t Tag = 0;
    TComponentState ComponentState() const { return state_; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
    int ComponentIndex() const;
    // The owned component of that name (letter case ignored); nullptr when none or the name is empty.
    TComponent* FindComponent(const QString& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, the last first.
    void DestroyComponents();

    // The class name of the component, as the system's design names it.
    virtual QString ClassName() const { return QStringLiteral("TComponent"); }

    // Setting up the component's stored properties: csLoading is set from BeginLoading to EndLoading,
    // which then calls Loaded.
    void BeginLoading() { state_ |= csLoading; }
    void EndLoading();

protected:
    // The stored properties are all set; a component finishes its set-up here.
    virtual void Loaded() {}
    // Called on the owner and its other components when a component is inserted into it or removed.
    enum TOperation { opInsert, opRemove };
    virtual void Notification(TComponent* component, TOperation operation);
    // Marks the component as being destroyed; derived destructors call it first.
    void Destroying() { state_ |= csDestroying; }

private:
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    TComponentState state_ = 0;
};
