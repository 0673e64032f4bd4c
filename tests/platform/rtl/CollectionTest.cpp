// TCollection and TCollectionItem: membership, IDs, update hooks, notices and Assign.
#include "rtl/Collection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

using TLog = std::vector<QString>;

class TColumn : public TCollectionItem {
public:
    explicit TColumn(TCollection* Collection)
        : TCollectionItem(Collection), IndexWhenBuilt(Index()), InCollectionWhenBuilt(Collection && this->Collection() == Collection)
    {
        ++Alive;
    }
    ~TColumn() override { --Alive; }

    void Assign(TPersistent* Source) override
    {
        if (auto* From = dynamic_cast<TColumn*>(Source)) {
            Caption = From->Caption;
            return;
        }
        TCollectionItem::Assign(Source);
    }
    QString DisplayName() const override { return QStringLiteral("Column ") + QString::number(Index()); }
    void Touch(bool AllItems) { Changed(AllItems); }

    QString Caption;
    const int32_t IndexWhenBuilt;
    const bool InCollectionWhenBuilt;
    static inline int Alive = 0;
};

class TOtherItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
};

// Logs its hooks: "update *" for the whole collection, "update 3" for the item of ID 3,
// "added 3", "extracting 3", "deleting 3".
class TColumns : public TCollection {
public:
    TColumns() : TCollection(ItemClassOf<TColumn>()) {}
    ~TColumns() override { Clear(); }

    TColumn* Column(int32_t Index) const { return Item<TColumn>(Index); }
    TLog Log;

protected:
    void Update(TCollectionItem* Item) override
    {
        Log.push_back(QStringLiteral("update ") + (Item ? QString::number(Item->ID()) : QStringLiteral("*")));
    }
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override
    {
        static const char* Names[] = {"added ", "extracting ", "deleting "};
        Log.push_back(QLatin1String(Names[Action]) + QString::number(Item->ID()));
    }
};

// The IDs of the items in order.
std::vector<int32_t> IDs(const TCollection& C)
{
    std::vector<int32_t> Result;
    for (int32_t I = 0; I < C.Count(); ++I) Result.push_back(C.Items(I)->ID());
    return Result;
}

class CollectionTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(TColumn::Alive, 0) << "every item is freed"; }
};

}  // namespace

TEST_F(CollectionTest, AddInsertAndDeleteSendNoticesAndUpdates)
{
    TColumns Columns;
    TColumn* First = static_cast<TColumn*>(Columns.Add());
    EXPECT_EQ(Columns.Log, (TLog{"added 0", "update *"}));
    EXPECT_TRUE(First->InCollectionWhenBuilt);
    EXPECT_EQ(First->IndexWhenBuilt, 0) << "the item is in place while its constructor runs";

    Columns.Add();
    Columns.Log.clear();
    TCollectionItem* Front = Columns.Insert(0);
    EXPECT_EQ(Columns.Log, (TLog{"added 2", "update *", "update *"})) << "Insert is Add, then a move";
    EXPECT_EQ(IDs(Columns), (std::vector<int32_t>{2, 0, 1}));
    EXPECT_EQ(Front->Index(), 0);
    EXPECT_EQ(Columns.NextID(), 3);

    Columns.Log.clear();
    Columns.Delete(1);
    EXPECT_EQ(Columns.Log, (TLog{"deleting 0", "extracting 0", "update *"}));
    EXPECT_EQ(IDs(Columns), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(Columns.FindItemID(1), Columns.Items(1));
    EXPECT_EQ(Columns.FindItemID(0), nullptr);
    EXPECT_EQ(Columns.Add()->ID(), 3) << "IDs are never reused";
}

TEST_F(CollectionTest, BadIndexesAndClasses)
{
    TColumns Columns;
    Columns.Add();
    EXPECT_THAT([&] { Columns.Items(1); }, ThrowsMessage<EListError>(StrEq("List index out of bounds (1)")));
    EXPECT_THAT([&] { Columns.Delete(-1); }, ThrowsMessage<EListError>(StrEq("List index out of bounds (-1)")));
    EXPECT_THAT([&] { Columns.Items(0)->SetIndex(1); }, ThrowsMessage<EListError>(StrEq("List index out of bounds (1)")));
    EXPECT_THAT([&] { Columns.Insert(5); }, ThrowsMessage<EListError>(StrEq("List index out of bounds (5)")));
    EXPECT_EQ(IDs(Columns), (std::vector<int32_t>{0, 1})) << "the item Insert could not place stays at the end";

    (new TOtherItem(nullptr))->SetCollection(&Columns);
    EXPECT_THROW(Columns.Column(2), EInvalidCast);
    EXPECT_EQ(Columns.Items(2)->DisplayName(), QStringLiteral("TOtherItem"));
    EXPECT_EQ(Columns.Items(1)->DisplayName(), QStringLiteral("Column 1"));
}

TEST_F(CollectionTest, ChangesWaitForTheOutermostEndUpdate)
{
    TColumns Columns;
    TColumn* Column = static_cast<TColumn*>(Columns.Add());
    Columns.Log.clear();
    Column->Touch(false);
    Column->Touch(true);
    Column->SetDisplayName(QStringLiteral("ignored"));
    EXPECT_EQ(Columns.Log, (TLog{"update 0", "update *", "update 0"}));

    Columns.Log.clear();
    Columns.BeginUpdate();
    Columns.BeginUpdate();
    Column->Touch(false);
    Columns.Add();
    Columns.Items(1)->SetIndex(0);
    Columns.EndUpdate();
    EXPECT_EQ(Columns.Log, (TLog{"added 1"})) << "notices still come, updates wait";
    Columns.EndUpdate();
    EXPECT_EQ(Columns.Log, (TLog{"added 1", "update *"}));
    EXPECT_EQ(Columns.UpdateCount(), 0);
}

TEST_F(CollectionTest, ItemsMoveWithinAndBetweenCollections)
{
    TColumns Source;
    TColumns Target;
    for (int I = 0; I < 3; ++I) Source.Add();
    Target.Add();
    Source.Log.clear();
    Source.Items(0)->SetIndex(0);
    EXPECT_TRUE(Source.Log.empty()) << "staying in place changes nothing";
    Source.Items(0)->SetIndex(2);
    EXPECT_EQ(IDs(Source), (std::vector<int32_t>{1, 2, 0}));
    EXPECT_EQ(Source.Log, (TLog{"update *"}));

    Source.Log.clear();
    Target.Log.clear();
    TCollectionItem* Moved = Source.Items(0);
    Moved->SetCollection(&Target);
    EXPECT_EQ(Source.Log, (TLog{"extracting 1", "update *"}));
    EXPECT_EQ(Target.Log, (TLog{"added 1", "update *"})) << "the item takes the next ID of its new collection";
    EXPECT_EQ(Moved->Collection(), &Target);
    EXPECT_EQ(Moved->Index(), 1);

    Moved->SetCollection(nullptr);
    EXPECT_EQ(Moved->Index(), -1);
    delete Moved;

    Target.Log.clear();
    delete Target.Items(0);
    EXPECT_EQ(Target.Count(), 0) << "a deleted item leaves its collection";
    EXPECT_EQ(Target.Log, (TLog{"extracting 0", "update *"}));
}

TEST_F(CollectionTest, AssignCopiesEveryItemInOneUpdate)
{
    TColumns Source;
    for (const char* Caption : {"Address", "Value", "Unit"}) static_cast<TColumn*>(Source.Add())->Caption = QLatin1String(Caption);
    TColumns Target;
    Target.Add();
    Target.Log.clear();
    Target.Assign(&Source);
    EXPECT_EQ(Target.Log, (TLog{"extracting 0", "added 1", "added 2", "added 3", "update *"}));
    ASSERT_EQ(Target.Count(), 3);
    for (int32_t I = 0; I < 3; ++I) EXPECT_EQ(Target.Column(I)->Caption, Source.Column(I)->Caption);

    Target.Column(0)->Caption = QStringLiteral("changed");
    Target.SetItems(0, Source.Items(2));
    EXPECT_EQ(Target.Column(0)->Caption, QStringLiteral("Unit")) << "SetItems copies into the existing item";

    TCollection Others(TCollection::ItemClassOf<TOtherItem>());
    Others.Add();
    EXPECT_THROW(Target.Assign(&Others), EConvertError) << "a plain item cannot be copied into a column";
    TColumn Lone(nullptr);
    EXPECT_THROW(Target.Assign(&Lone), EConvertError);
}

TEST_F(CollectionTest, ClearAndDestructionFreeTheItems)
{
    {
        TColumns Columns;
        for (int I = 0; I < 3; ++I) Columns.Add();
        Columns.Log.clear();
        Columns.Clear();
        EXPECT_EQ(Columns.Log, (TLog{"extracting 2", "extracting 1", "extracting 0", "update *"}));
        EXPECT_EQ(TColumn::Alive, 0);
        Columns.Add();
        Columns.Add();
    }
    EXPECT_EQ(TColumn::Alive, 0);
}

TEST_F(CollectionTest, OwnerOfOwnedCollection)
{
    TColumns Owner;
    TOwnedCollection Owned(&Owner, TCollection::ItemClassOf<TColumn>());
    EXPECT_EQ(Owned.Owner(), &Owner);
    EXPECT_EQ(Owner.Owner(), nullptr);
    EXPECT_EQ(Owned.Add()->Collection(), &Owned);
}
