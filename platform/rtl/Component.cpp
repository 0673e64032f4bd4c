// TComponent: ownership, names and notifications.
#include "rtl/Component.h"

#include "rtl/Exceptions.h"
#include "rtl/StrFuncs.h"

#include <algorithm>

namespace {

// Letters, digits and underscores, not starting with a digit.
bool IsValidIdent(const QString& Ident)
{
    if (Ident.isEmpty()) return false;
    if (!Ident[0].isLetter() && Ident[0] != QLatin1Char('_')) return false;
    return std::all_of(Ident.begin() + 1, Ident.end(),
                       [](QChar C) { return C.isLetter() || C.isDigit() || C == QLatin1Char('_'); });
}

}  // namespace

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    TComponent::Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

int32_t TComponent::ComponentIndex() const
{
    return FOwner ? FOwner->FComponents.IndexOf(const_cast<TComponent*>(this)) : -1;
}

void TComponent::SetComponentIndex(int32_t Value)
{
    const int32_t Current = ComponentIndex();
    if (Current < 0) return;
    FOwner->FComponents.Move(Current, std::clamp(Value, 0, FOwner->ComponentCount() - 1));
}

TComponent* TComponent::FindComponent(const QString& AName) const
{
    if (AName.isEmpty()) return nullptr;
    for (int32_t I = 0; I < ComponentCount(); ++I)
        if (SameText(Components(I)->FName, AName)) return Components(I);
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    ValidateRename(AComponent, QString(), AComponent->FName);
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    Insert(AComponent);
    if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (AComponent->FOwner != this) return;
    Notification(AComponent, opRemove);
    Remove(AComponent);
}

void TComponent::DestroyComponents()
{
    const TComponentStateSet DesigningInline{csDesigning, csInline};
    while (ComponentCount() > 0) {
        TComponent* Instance = Components(ComponentCount() - 1);
        // Only a component with free-notification partners, or any in an inline frame being
        // designed, is removed with notices; the rest simply leave.
        if (Instance->FComponentState.Contains(csFreeNotification) || FComponentState * DesigningInline == DesigningInline)
            RemoveComponent(Instance);
        else
            Remove(Instance);
        delete Instance;
    }
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState.Include(csDestroying);
    for (int32_t I = 0; I < ComponentCount(); ++I) Components(I)->Destroying();
}

void TComponent::SetName(const QString& NewName)
{
    if (FName == NewName) return;
    if (!NewName.isEmpty() && !IsValidIdent(NewName))
        throw EComponentError(QStringLiteral("'%1' is not a valid component name").arg(NewName));
    if (FOwner) FOwner->ValidateRename(this, FName, NewName);
    else ValidateRename(nullptr, FName, NewName);
    FName = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName)
{
    if (!AComponent || SameText(CurName, NewName)) return;
    const TComponent* Holder = FindComponent(NewName);
    if (Holder && Holder != AComponent)
        throw EComponentError(QStringLiteral("A component named %1 already exists").arg(NewName));
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!FOwner || AComponent->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
            FFreeNotifies.push_back(AComponent);
            AComponent->FreeNotification(this);
        }
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
    // A component may free others while it is told, so the position is kept within the list.
    for (int32_t I = ComponentCount() - 1; I >= 0; I = std::min(I - 1, ComponentCount() - 1))
        Components(I)->Notification(AComponent, Operation);
}

void TComponent::SetDesigning(bool Value, bool SetChildren)
{
    if (Value) FComponentState.Include(csDesigning);
    else FComponentState.Exclude(csDesigning);
    if (SetChildren)
        for (int32_t I = 0; I < ComponentCount(); ++I) Components(I)->SetDesigning(Value);
}

void TComponent::Insert(TComponent* AComponent)
{
    FComponents.Add(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
    AComponent->FOwner = nullptr;
    FComponents.Remove(AComponent);
}

void TComponent::RemoveNotification(TComponent* AComponent)
{
    const auto Found = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
    if (Found == FFreeNotifies.end()) return;
    FFreeNotifies.erase(Found);
    if (FFreeNotifies.empty()) FComponentState.Exclude(csFreeNotification);
}

void TComponent::RemoveFreeNotifications()
{
    // The partner is unlinked before it is told, so an override that skips the inherited
    // Notification cannot keep it in the list.
    while (!FFreeNotifies.empty()) {
        TComponent* Partner = FFreeNotifies.back();
        RemoveFreeNotification(Partner);
        Partner->Notification(this, opRemove);
    }
}
