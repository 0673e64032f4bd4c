// Actions, their links, and the control's action link.
#include "windows/ActnList.h"

#include "windows/Controls.h"

#include <algorithm>

// ---- TBasicAction ----

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction()
{
    for (TBasicActionLink* Link : std::exchange(FClients, {})) Link->FAction = nullptr;
}

bool TBasicAction::Execute()
{
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value)
{
    if (std::find(FClients.begin(), FClients.end(), Value) == FClients.end()) FClients.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value)
{
    std::erase(FClients, Value);
}

void TBasicAction::Change()
{
    if (OnChange) OnChange(this);
}

// ---- TCustomAction ----

namespace {

// Hands a new value to every client link before the action takes it.
template <typename F>
void TellLinks(const std::vector<TBasicActionLink*>& Clients, F&& Tell)
{
    for (TBasicActionLink* Link : std::vector<TBasicActionLink*>(Clients))
        if (auto* Linked = dynamic_cast<TActionLink*>(Link)) Tell(Linked);
}

}  // namespace

void TCustomAction::SetCaption(const QString& Value)
{
    if (FCaption == Value) return;
    TellLinks(Clients(), [&](TActionLink* Link) { Link->SetCaption(Value); });
    FCaption = Value;
    Change();
}

void TCustomAction::SetChecked(bool Value)
{
    if (FChecked == Value) return;
    TellLinks(Clients(), [&](TActionLink* Link) { Link->SetChecked(Value); });
    FChecked = Value;
    Change();
}

void TCustomAction::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    TellLinks(Clients(), [&](TActionLink* Link) { Link->SetEnabled(Value); });
    FEnabled = Value;
    Change();
}

void TCustomAction::SetGroupIndex(int32_t Value)
{
    if (FGroupIndex == Value) return;
    TellLinks(Clients(), [&](TActionLink* Link) { Link->SetGroupIndex(Value); });
    FGroupIndex = Value;
    Change();
}

void TCustomAction::SetHint(const QString& Value)
{
    if (FHint == Value) return;
    TellLinks(Clients(), [&](TActionLink* Link) { Link->SetHint(Value); });
    FHint = Value;
    Change();
}

void TCustomAction::SetVisible(bool Value)
{
    if (FVisible == Value) return;
    TellLinks(Clients(), [&](TActionLink* Link) { Link->SetVisible(Value); });
    FVisible = Value;
    Change();
}

// ---- Links ----

TBasicActionLink::~TBasicActionLink()
{
    if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value)
{
    if (FAction == Value) return;
    if (FAction) FAction->UnRegisterChanges(this);
    FAction = Value;
    if (FAction) FAction->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent*)
{
    return FAction && FAction->Execute();
}

bool TActionLink::IsCaptionLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsCheckedLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsEnabledLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsGroupIndexLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsHintLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsVisibleLinked() { return CustomAction() != nullptr; }

bool TControlActionLink::IsCaptionLinked()
{
    return TActionLink::IsCaptionLinked() && FClient->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked()
{
    return TActionLink::IsEnabledLinked() && FClient->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHintLinked()
{
    return TActionLink::IsHintLinked() && FClient->Hint() == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked()
{
    return TActionLink::IsVisibleLinked() && FClient->Visible() == CustomAction()->Visible();
}

void TControlActionLink::SetCaption(const QString& Value)
{
    if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value)
{
    if (IsEnabledLinked()) FClient->SetEnabled(Value);
}

void TControlActionLink::SetHint(const QString& Value)
{
    if (IsHintLinked()) FClient->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value)
{
    if (IsVisibleLinked()) FClient->SetVisible(Value);
}
