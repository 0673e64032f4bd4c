// TComponent: named objects that own and free one another and hear of each other's removal.
#pragma once

#include "rtl/List.h"
#include "rtl/Object.h"
#include "rtl/Set.h"

#include <QString>

#include <concepts>
#include <cstdint>
#include <utility>
#include <vector>

enum TComponentState {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentStateSet = TSet<TComponentState>;

enum TOperation { opInsert, opRemove };

// A component given an owner is inserted into the owner's Components and freed by it, so it must
// live on the heap; a component without an owner is freed by whoever made it. Create components
// with New<T>(Owner, ...), which runs AfterConstruction once the object is whole; `new T(Owner)`
// alone skips AfterConstruction. Like the toolkit, the owner hears opInsert from inside the
// TComponent constructor, when the newcomer is still only a TComponent.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    // Marks the component and everything it owns csDestroying, tells free-notification partners
    // (opRemove), frees the owned components last first, then leaves the owner (which tells the
    // owner and its components, opRemove). It runs after the descendants' destructors, so only the
    // owned components see csDestroying in theirs, and notices name a bare TComponent.
    ~TComponent() override;

    // Runs after the whole object is constructed (see New); nothing in TComponent.
    virtual void AfterConstruction() {}

    TComponent* Owner() const { return FOwner; }
    int32_t ComponentCount() const { return FComponents.Count(); }
    // Raises EListError "List index out of bounds (%d)" for a bad index.
    TComponent* Components(int32_t Index) const { return static_cast<TComponent*>(FComponents.Items(Index)); }
    // Position in the owner's Components; -1 without an owner.
    int32_t ComponentIndex() const;
    // Moves the component within its owner's Components; the index is clamped to the list.
    void SetComponentIndex(int32_t Value);
    // The owned component of that name, compared without regard to ASCII case; nil for "".
    TComponent* FindComponent(const QString& AName) const;
    // Takes AComponent from its current owner (if any) and makes this its owner; its name must not
    // be taken among this component's components. Sends opInsert to this and its components.
    void InsertComponent(TComponent* AComponent);
    // Sends opRemove to this and its components, then releases AComponent (which it must own).
    void RemoveComponent(TComponent* AComponent);
    // Frees every owned component, last first.
    void DestroyComponents();
    // Marks this component and those it owns as being destroyed.
    virtual void Destroying();

    const QString& Name() const { return FName; }
    // A non-empty name must be an identifier and free among the owner's components; raises
    // EComponentError otherwise. Renaming only in case is allowed.
    virtual void SetName(const QString& NewName);
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t Value) { FTag = Value; }

    TComponentStateSet ComponentState() const { return FComponentState; }
    // Enters csLoading; a reader calls it before setting properties, then Loaded.
    void BeginLoading() { FComponentState.Include(csLoading); }
    // Leaves csLoading. Overrides call this first, then act on the loaded properties.
    virtual void Loaded() { FComponentState.Exclude(csLoading); }

    // Asks that AComponent be sent opRemove when this component is destroyed, and this one when
    // AComponent is destroyed. Nothing is registered between components of the same owner: the
    // owner's notification reaches them anyway.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

protected:
    // Hears of AComponent being inserted into or removed from this component's owner tree, or of a
    // free-notification partner being destroyed. TComponent forgets a removed partner and passes
    // the notice on to its own components, last first. Overrides call it.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Raises EComponentError when NewName is taken by another of this component's components.
    virtual void ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName);
    void SetDesigning(bool Value, bool SetChildren = true);

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);
    void RemoveFreeNotifications();

    TComponent* FOwner = nullptr;
    QString FName;
    intptr_t FTag = 0;
    TComponentStateSet FComponentState;
    TList FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

// Creates T(Owner, Args...) and runs its AfterConstruction; the object is freed again when that
// raises.
template <typename T, typename... A>
    requires std::derived_from<T, TComponent>
T* New(TComponent* Owner, A&&... Args)
{
    T* Instance = new T(Owner, std::forward<A>(Args)...);
    try {
        Instance->AfterConstruction();
    } catch (...) {
        delete Instance;
        throw;
    }
    return Instance;
}
