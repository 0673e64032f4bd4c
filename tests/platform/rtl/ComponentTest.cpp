// TComponent ownership, names, notifications, state and New.
#include "rtl/Component.h"
#include "rtl/Exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

using TLog = std::vector<QString>;

// Logs the notices it hears ("Owner -B": Owner heard that B is removed) and its own end.
class TProbe : public TComponent {
public:
    TProbe(TComponent* AOwner, TLog& Log, const QString& AName) : TComponent(AOwner), FLog(Log) { SetName(AName); }
    ~TProbe() override
    {
        FLog.push_back(QStringLiteral("free ") + Name() + (ComponentState().Contains(csDestroying) ? QStringLiteral(" (destroying)") : QString()));
    }

    using TComponent::SetDesigning;
    bool LoadingSeenByLoaded = true;

    void Loaded() override
    {
        TComponent::Loaded();
        LoadingSeenByLoaded = ComponentState().Contains(csLoading);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        FLog.push_back(Name() + (Operation == opInsert ? QStringLiteral(" +") : QStringLiteral(" -")) + AComponent->Name());
        TComponent::Notification(AComponent, Operation);
    }

private:
    TLog& FLog;
};

// Counts AfterConstruction calls; fails it on request.
class TBuilt : public TComponent {
public:
    TBuilt(TComponent* AOwner, bool Fail) : TComponent(AOwner), FFail(Fail) {}
    void AfterConstruction() override
    {
        ++AfterConstructionCalls;
        if (FFail) throw std::runtime_error("refused");
    }
    int AfterConstructionCalls = 0;

private:
    bool FFail;
};

class ComponentTest : public ::testing::Test {
protected:
    TProbe* Probe(TComponent* AOwner, const QString& AName) { return new TProbe(AOwner, Log, AName); }
    TLog Log;
};

}  // namespace

TEST_F(ComponentTest, OwnerFreesWhatItOwnsLastFirst)
{
    TProbe* Owner = Probe(nullptr, QStringLiteral("Owner"));
    TProbe* A = Probe(Owner, QStringLiteral("A"));
    Probe(A, QStringLiteral("A1"));
    Probe(Owner, QStringLiteral("B"));
    Probe(Owner, QStringLiteral("C"));
    Log.clear();
    delete Owner;
    // The owner's own destructor body runs first; owned components then leave silently and find
    // csDestroying already set.
    EXPECT_EQ(Log, (TLog{"free Owner", "free C (destroying)", "free B (destroying)", "free A (destroying)", "free A1 (destroying)"}));
}

TEST_F(ComponentTest, ComponentFreedAloneLeavesItsOwnerAndTellsTheOthers)
{
    TProbe Owner(nullptr, Log, QStringLiteral("Owner"));
    TProbe* A = Probe(&Owner, QStringLiteral("A"));
    TProbe* B = Probe(&Owner, QStringLiteral("B"));
    TProbe* C = Probe(&Owner, QStringLiteral("C"));
    Log.clear();
    delete B;
    EXPECT_EQ(Log, (TLog{"free B", "Owner -B", "C -B", "A -B"}));
    ASSERT_EQ(Owner.ComponentCount(), 2);
    EXPECT_EQ(Owner.Components(0), A);
    EXPECT_EQ(Owner.Components(1), C);
    EXPECT_EQ(C->ComponentIndex(), 1);
    EXPECT_EQ(Owner.ComponentIndex(), -1);
}

TEST_F(ComponentTest, InsertComponentMovesItBetweenOwners)
{
    TProbe First(nullptr, Log, QStringLiteral("First"));
    TProbe Second(nullptr, Log, QStringLiteral("Second"));
    TProbe* Sibling = Probe(&Second, QStringLiteral("Sibling"));
    TProbe* X = Probe(&First, QStringLiteral("X"));
    Log.clear();
    Second.InsertComponent(X);
    EXPECT_EQ(Log, (TLog{"First -X", "X -X", "Second +X", "X +X", "Sibling +X"}));
    EXPECT_EQ(X->Owner(), &Second);
    EXPECT_EQ(First.ComponentCount(), 0);
    EXPECT_EQ(Second.Components(1), X);

    Log.clear();
    Second.RemoveComponent(X);
    EXPECT_EQ(Log, (TLog{"Second -X", "X -X", "Sibling -X"}));
    EXPECT_EQ(X->Owner(), nullptr);
    First.RemoveComponent(Sibling);  // not its owner: nothing happens
    EXPECT_EQ(Sibling->Owner(), &Second);
    delete X;
}

TEST_F(ComponentTest, FindComponentAndPositions)
{
    TComponent Owner(nullptr);
    TProbe* A = Probe(&Owner, QStringLiteral("Alpha"));
    TProbe* B = Probe(&Owner, QStringLiteral("Beta"));
    TProbe* C = Probe(&Owner, QStringLiteral("Gamma"));
    Probe(&Owner, QString());
    EXPECT_EQ(Owner.FindComponent(QStringLiteral("BETA")), B);
    EXPECT_EQ(Owner.FindComponent(QStringLiteral("gamma")), C);
    EXPECT_EQ(Owner.FindComponent(QStringLiteral("Delta")), nullptr);
    EXPECT_EQ(Owner.FindComponent(QString()), nullptr) << "unnamed components are never found";

    C->SetComponentIndex(0);
    EXPECT_EQ(Owner.Components(0), C);
    EXPECT_EQ(A->ComponentIndex(), 1);
    C->SetComponentIndex(99);
    EXPECT_EQ(C->ComponentIndex(), 3) << "the index is clamped";
    C->SetComponentIndex(-5);
    EXPECT_EQ(C->ComponentIndex(), 0);

    EXPECT_THAT([&] { Owner.Components(4); }, ThrowsMessage<EListError>(StrEq("List index out of bounds (4)")));
}

TEST_F(ComponentTest, NamesMustBeIdentifiers)
{
    const struct {
        const char* Name;
        bool Valid;
    } Cases[] = {
        {"Button1", true}, {"_private", true}, {"x", true}, {"", true},
        {"\xC3\x9C" "bersicht", true},  // letters beyond ASCII count as letters
        {"1abc", false}, {"a b", false}, {"a-b", false}, {"a.b", false}, {" a", false},
    };
    TComponent Component(nullptr);
    for (const auto& Case : Cases) {
        const QString Name = QString::fromUtf8(Case.Name);
        SCOPED_TRACE(Name.toStdString());
        if (Case.Valid) {
            Component.SetName(Name);
            EXPECT_EQ(Component.Name(), Name);
        } else {
            Component.SetName(QStringLiteral("Before"));
            const std::string Message = "'" + Name.toStdString() + "' is not a valid component name";
            EXPECT_THAT([&] { Component.SetName(Name); }, ThrowsMessage<EComponentError>(StrEq(Message)));
            EXPECT_EQ(Component.Name(), QStringLiteral("Before"));
        }
    }
}

TEST_F(ComponentTest, NamesAreUniqueAmongTheOwnersComponents)
{
    TComponent Owner(nullptr);
    TProbe* Edit = Probe(&Owner, QStringLiteral("Edit1"));
    TProbe* Other = Probe(&Owner, QStringLiteral("Other"));
    EXPECT_THAT([&] { Other->SetName(QStringLiteral("EDIT1")); },
                ThrowsMessage<EComponentError>(StrEq("A component named EDIT1 already exists")));
    EXPECT_EQ(Other->Name(), QStringLiteral("Other"));
    Edit->SetName(QStringLiteral("EDIT1"));  // only the case changes
    EXPECT_EQ(Edit->Name(), QStringLiteral("EDIT1"));
    Other->SetName(QString());
    Probe(&Owner, QString());  // empty names never clash

    TComponent Stranger(nullptr);
    TProbe* Twin = Probe(&Stranger, QStringLiteral("edit1"));
    EXPECT_THAT([&] { Owner.InsertComponent(Twin); }, ThrowsMessage<EComponentError>(StrEq("A component named edit1 already exists")));
    EXPECT_EQ(Twin->Owner(), &Stranger) << "a refused component stays where it was";
}

TEST_F(ComponentTest, FreeNotificationReachesPartnersOutsideTheOwner)
{
    TProbe* Grid = Probe(nullptr, QStringLiteral("Grid"));
    TProbe Form(nullptr, Log, QStringLiteral("Form"));
    TProbe* Link = Probe(&Form, QStringLiteral("Link"));
    Link->FreeNotification(Grid);
    EXPECT_TRUE(Link->ComponentState().Contains(csFreeNotification));
    EXPECT_TRUE(Grid->ComponentState().Contains(csFreeNotification));
    Log.clear();
    delete Grid;
    EXPECT_EQ(Log, (TLog{"free Grid", "Link -Grid"}));
    EXPECT_FALSE(Link->ComponentState().Contains(csFreeNotification)) << "the partner is forgotten";

    TProbe* Other = Probe(nullptr, QStringLiteral("Other"));
    Link->FreeNotification(Other);
    Link->RemoveFreeNotification(Other);
    Log.clear();
    delete Other;
    EXPECT_EQ(Log, (TLog{"free Other"}));

    TProbe* Sibling = Probe(&Form, QStringLiteral("Sibling"));
    Link->FreeNotification(Sibling);
    EXPECT_TRUE(Link->ComponentState().Contains(csFreeNotification)) << "the state is set even when nothing is registered";
    EXPECT_FALSE(Sibling->ComponentState().Contains(csFreeNotification));
}

TEST_F(ComponentTest, OwnerTellsTheOthersOnlyOfComponentsWithPartners)
{
    TProbe Outsider(nullptr, Log, QStringLiteral("Outsider"));
    TProbe* Owner = Probe(nullptr, QStringLiteral("Owner"));
    Probe(Owner, QStringLiteral("A"));
    TProbe* B = Probe(Owner, QStringLiteral("B"));
    Probe(Owner, QStringLiteral("C"));
    B->FreeNotification(&Outsider);
    Log.clear();
    delete Owner;
    // C leaves silently; B, which has a partner, is removed with notices to all the owner's
    // components (itself included) before it tells its partner.
    EXPECT_EQ(Log, (TLog{"free Owner", "free C (destroying)", "B -B", "A -B", "free B (destroying)", "Outsider -B",
                         "free A (destroying)"}));
}

TEST_F(ComponentTest, LoadingAndDesigningStates)
{
    TProbe Form(nullptr, Log, QStringLiteral("Form"));
    TProbe* Before = Probe(&Form, QStringLiteral("Before"));
    Form.BeginLoading();
    EXPECT_TRUE(Form.ComponentState().Contains(csLoading));
    Form.Loaded();
    EXPECT_FALSE(Form.LoadingSeenByLoaded) << "the flag is cleared before the override acts";
    EXPECT_TRUE(Form.ComponentState().Empty());

    Form.SetDesigning(true);
    EXPECT_TRUE(Before->ComponentState().Contains(csDesigning));
    TProbe* After = Probe(&Form, QStringLiteral("After"));
    EXPECT_TRUE(After->ComponentState().Contains(csDesigning)) << "a component inserted into a designed one is designed";
    Form.SetDesigning(false, false);
    EXPECT_FALSE(Form.ComponentState().Contains(csDesigning));
    EXPECT_TRUE(After->ComponentState().Contains(csDesigning));
}

TEST_F(ComponentTest, NewRunsAfterConstructionOnce)
{
    TComponent Owner(nullptr);
    TBuilt* Built = New<TBuilt>(&Owner, false);
    EXPECT_EQ(Built->AfterConstructionCalls, 1);
    EXPECT_EQ(Built->Owner(), &Owner);
    Built->SetTag(-42);
    EXPECT_EQ(Built->Tag(), -42);

    EXPECT_THROW(New<TBuilt>(&Owner, true), std::runtime_error);
    EXPECT_EQ(Owner.ComponentCount(), 1) << "a component whose AfterConstruction fails is freed";
}
