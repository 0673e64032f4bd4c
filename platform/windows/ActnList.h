// Actions: TBasicAction and its client links, TCustomAction with caption, checked state and group,
// and the link a control keeps to its action.
//
// An action tells its links of each change before it takes the new value, so a link still sees the
// old value and can tell whether its client followed the action until now (Is...Linked).
#pragma once

#include "rtl/Component.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class TBasicActionLink;
class TControl;

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner);
    // Lets go of the links still registered.
    ~TBasicAction() override;

    // Fires OnExecute; false when it is not assigned.
    virtual bool Execute();
    void RegisterChanges(TBasicActionLink* Value);
    void UnRegisterChanges(TBasicActionLink* Value);

    std::function<void(TObject* Sender)> OnExecute;
    // Fires after each change of a property.
    std::function<void(TObject* Sender)> OnChange;

protected:
    // Fires OnChange.
    virtual void Change();
    const std::vector<TBasicActionLink*>& Clients() const { return FClients; }

private:
    std::vector<TBasicActionLink*> FClients;
};

class TCustomAction : public TBasicAction {
public:
    using TBasicAction::TBasicAction;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t Value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    QString FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    int32_t FGroupIndex = 0;
    QString FHint;
    bool FVisible = true;
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
};

// Ties a client to an action: the action's changes reach the client through the Set... operations.
class TBasicActionLink : public TObject {
public:
    TBasicActionLink() = default;
    ~TBasicActionLink() override;

    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* Value);
    // Runs the action; false without one.
    virtual bool Execute(TComponent* AComponent = nullptr);

private:
    friend class TBasicAction;

    TBasicAction* FAction = nullptr;
};

// The link of a client that follows a custom action's properties. The base class answers each
// Is...Linked with whether the action is a custom action, and its Set... do nothing.
class TActionLink : public TBasicActionLink {
public:
    virtual bool IsCaptionLinked();
    virtual bool IsCheckedLinked();
    virtual bool IsEnabledLinked();
    virtual bool IsGroupIndexLinked();
    virtual bool IsHintLinked();
    virtual bool IsVisibleLinked();
    virtual void SetCaption(const QString&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetGroupIndex(int32_t) {}
    virtual void SetHint(const QString&) {}
    virtual void SetVisible(bool) {}

protected:
    TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
};

// A control's link: caption, enabled state, hint and visibility follow the action while the
// control's value equals the action's.
class TControlActionLink : public TActionLink {
public:
    // Not owned: the control owns its link.
    explicit TControlActionLink(TControl* AClient) : FClient(AClient) {}

    bool IsCaptionLinked() override;
    bool IsEnabledLinked() override;
    bool IsHintLinked() override;
    bool IsVisibleLinked() override;
    void SetCaption(const QString& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const QString& Value) override;
    void SetVisible(bool Value) override;

protected:
    TControl* Client() const { return FClient; }

private:
    TControl* FClient;
};
