// TList index rules, notifications and sorting; TObjectList ownership.
#include "rtl/Exceptions.h"
#include "rtl/List.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

// Values 0..N-1 whose addresses the lists hold, so items read back as numbers.
std::array<int, 8> Values{0, 1, 2, 3, 4, 5, 6, 7};
void* P(int i) { return &Values[i]; }
int V(void* p) { return *static_cast<int*>(p); }

std::vector<int> Contents(const TList& L)
{
    std::vector<int> Result;
    for (int32_t i = 0; i < L.Count(); ++i) Result.push_back(L.Items(i) ? V(L.Items(i)) : -1);
    return Result;
}

// Appends the values' addresses; -1 stands for nil.
void Fill(TList& L, std::initializer_list<int> Items)
{
    for (int i : Items) L.Add(i < 0 ? nullptr : P(i));
}

// Records every notification as text, e.g. "+1" added, "-1" deleted, "x1" extracted.
class TRecordingList : public TList {
public:
    std::vector<QString> Log;

protected:
    void Notify(void* Ptr, TListNotification Action) override
    {
        static const char* Marks[] = {"+", "x", "-"};
        Log.push_back(QLatin1String(Marks[Action]) + QString::number(V(Ptr)));
    }
};

struct TCounted {
    explicit TCounted(int& Alive) : FAlive(Alive) { ++FAlive; }
    ~TCounted() { --FAlive; }
    int& FAlive;
};

}  // namespace

TEST(ListTest, BadIndexesRaiseTheToolkitTexts)
{
    TList L;
    Fill(L, {0, 1});
    const struct {
        const char* Name;
        std::function<void()> Action;
        const char* Message;
    } Cases[] = {
        {"Items past end", [&] { L.Items(2); }, "List index out of bounds (2)"},
        {"Items negative", [&] { L.Items(-1); }, "List index out of bounds (-1)"},
        {"SetItems", [&] { L.SetItems(5, nullptr); }, "List index out of bounds (5)"},
        {"Delete", [&] { L.Delete(2); }, "List index out of bounds (2)"},
        {"Insert past Count", [&] { L.Insert(3, P(2)); }, "List index out of bounds (3)"},
        {"Exchange second index", [&] { L.Exchange(0, 7); }, "List index out of bounds (7)"},
        {"Move checks the new index first", [&] { L.Move(9, 4); }, "List index out of bounds (4)"},
        {"Move current index", [&] { L.Move(9, 1); }, "List index out of bounds (9)"},
        {"SetCount negative", [&] { L.SetCount(-1); }, "List count out of bounds (-1)"},
        {"SetCapacity below Count", [&] { L.SetCapacity(1); }, "List capacity out of bounds (1)"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_THAT(Case.Action, ThrowsMessage<EListError>(StrEq(Case.Message)));
    }
    EXPECT_EQ(Contents(L), (std::vector<int>{0, 1}));

    TList Empty;
    EXPECT_THAT([&] { Empty.First(); }, ThrowsMessage<EListError>(StrEq("List index out of bounds (0)")));
    EXPECT_THAT([&] { Empty.Last(); }, ThrowsMessage<EListError>(StrEq("List index out of bounds (-1)")));
    Empty.Move(5, 5);  // the same index is not checked
}

TEST(ListTest, EditingOperations)
{
    TList L;
    Fill(L, {0, 1, 2, 1});
    EXPECT_EQ(L.Add(P(3)), 4);
    L.Insert(5, P(4));  // Insert at Count appends
    L.Insert(0, P(5));
    EXPECT_EQ(Contents(L), (std::vector<int>{5, 0, 1, 2, 1, 3, 4}));
    EXPECT_EQ(L.Remove(P(1)), 2) << "the first occurrence goes";
    EXPECT_EQ(L.Remove(P(7)), -1);
    EXPECT_EQ(L.IndexOf(P(1)), 3);
    L.Exchange(0, 5);
    EXPECT_EQ(Contents(L), (std::vector<int>{4, 0, 2, 1, 3, 5}));
    L.Move(0, 4);
    EXPECT_EQ(Contents(L), (std::vector<int>{0, 2, 1, 3, 4, 5}));
    L.Move(5, 0);
    EXPECT_EQ(Contents(L), (std::vector<int>{5, 0, 2, 1, 3, 4}));
    EXPECT_EQ(V(L.First()), 5);
    EXPECT_EQ(V(L.Last()), 4);
    L.Delete(1);
    EXPECT_EQ(Contents(L), (std::vector<int>{5, 2, 1, 3, 4}));
}

TEST(ListTest, CapacityGrowsByTheToolkitSteps)
{
    TList L;
    std::vector<int32_t> Capacities;
    for (int i = 0; i < 80; ++i) {
        L.Add(nullptr);
        if (Capacities.empty() || Capacities.back() != L.Capacity()) Capacities.push_back(L.Capacity());
    }
    // By 4 up to 8, by 16 up to 64, then by a quarter.
    EXPECT_EQ(Capacities, (std::vector<int32_t>{4, 8, 12, 28, 44, 60, 76, 95}));
}

TEST(ListTest, CountAndPack)
{
    TList L;
    Fill(L, {0, -1, -1, 1, 1});
    L.SetCapacity(20);
    L.SetCount(7);
    EXPECT_EQ(Contents(L), (std::vector<int>{0, -1, -1, 1, 1, -1, -1}));
    L.Pack();
    EXPECT_EQ(Contents(L), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(L.Capacity(), 20) << "Pack keeps the capacity";
    L.SetCount(2);
    EXPECT_EQ(Contents(L), (std::vector<int>{0, 1}));
    L.Clear();
    EXPECT_EQ(L.Count(), 0);
    EXPECT_EQ(L.Capacity(), 0);
}

TEST(ListTest, NotificationsSkipNilItems)
{
    TRecordingList L;
    L.Add(P(1));
    L.Add(nullptr);
    L.Insert(0, P(2));
    L.SetItems(1, P(3));
    L.Move(0, 2);
    L.Exchange(0, 1);
    EXPECT_EQ(L.Extract(P(2)), P(2));
    EXPECT_EQ(L.Extract(P(7)), nullptr);
    L.Add(P(4));
    L.Remove(P(3));
    L.SetCount(3);
    L.Clear();
    EXPECT_EQ(L.Log, (std::vector<QString>{"+1", "+2", "-1", "+3", "x2", "+4", "-3", "-4"}));
}

TEST(ListTest, SortPlacesEqualItemsAsTheToolkitQuicksort)
{
    // Items are pairs (key, tag); only the key is compared, so the tags show where equal keys end up.
    struct TPair {
        int Key;
        char Tag;
    };
    TPair Pairs[] = {{2, 'a'}, {1, 'b'}, {2, 'c'}, {1, 'd'}, {2, 'e'}, {1, 'f'}, {0, 'g'}};
    TList L;
    for (TPair& Pair : Pairs) L.Add(&Pair);
    L.Sort([](void* A, void* B) { return static_cast<TPair*>(A)->Key - static_cast<TPair*>(B)->Key; });
    QString Order;
    for (int32_t i = 0; i < L.Count(); ++i) Order += QLatin1Char(static_cast<TPair*>(L.Items(i))->Tag);
    EXPECT_EQ(Order, QStringLiteral("gdfbace"));
}

TEST(ListTest, AssignCopiesItemsAndCapacity)
{
    TList Source;
    Fill(Source, {3, -1, 1});
    Source.SetCapacity(10);
    TRecordingList Target;
    Target.Add(P(7));
    Target.Assign(Source);
    EXPECT_EQ(Contents(Target), (std::vector<int>{3, -1, 1}));
    EXPECT_EQ(Target.Capacity(), 10);
    EXPECT_EQ(Target.Log, (std::vector<QString>{"+7", "-7", "+3", "+1"}));
    Target.Assign(Target);
    EXPECT_EQ(Target.Count(), 3);
}

TEST(ObjectListTest, OwnedItemsAreFreedWhenTheyLeave)
{
    int Alive = 0;
    {
        TObjectList<TCounted> L;
        TCounted* Kept = new TCounted(Alive);
        L.Add(new TCounted(Alive));
        L.Add(Kept);
        L.Add(new TCounted(Alive));
        L.Add(new TCounted(Alive));
        EXPECT_EQ(Alive, 4);
        L.Delete(0);
        EXPECT_EQ(Alive, 3);
        EXPECT_EQ(L.Extract(Kept), Kept);
        EXPECT_EQ(Alive, 3) << "Extract hands the object back";
        L.SetItems(0, Kept);
        EXPECT_EQ(Alive, 2) << "the replaced object is freed";
        L.SetItems(0, Kept);
        EXPECT_EQ(Alive, 2) << "storing the same object keeps it";
        EXPECT_EQ(L.Items(0), Kept);
        EXPECT_EQ(L.Remove(Kept), 0);
        EXPECT_EQ(Alive, 1);
    }
    EXPECT_EQ(Alive, 0) << "the list frees what it still holds";
}

TEST(ObjectListTest, ListThatDoesNotOwnLeavesItemsAlive)
{
    int Alive = 0;
    TCounted A(Alive), B(Alive), C(Alive);
    {
        TObjectList<TCounted> L(false);
        EXPECT_FALSE(L.OwnsObjects());
        L.Add(&C);
        L.Add(&A);
        L.Add(&B);
        L.Sort([](TCounted* X, TCounted* Y) { return X < Y ? -1 : X > Y ? 1 : 0; });
        std::vector<TCounted*> Seen;
        for (TCounted* Item : L) Seen.push_back(Item);
        EXPECT_EQ(Seen, (std::vector<TCounted*>{L.First(), L.Items(1), L.Last()}));
        EXPECT_TRUE(std::is_sorted(Seen.begin(), Seen.end()));
        EXPECT_TRUE(L.Contains(&B));
        L.Clear();
    }
    EXPECT_EQ(Alive, 3);
}
