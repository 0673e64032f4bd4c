// The sparse flag list beside the pointer list it stands in for, under random operations, and at
// lengths no dense list could hold.
#include "grid/core/FlagList.h"

#include "rtl/Exceptions.h"
#include "rtl/List.h"

#include <gtest/gtest.h>

#include <random>

namespace {

void* const Set = reinterpret_cast<void*>(1);

void ExpectSame(const TFlagList& Flags, const TList& Dense)
{
    ASSERT_EQ(Flags.Count(), Dense.Count());
    for (int32_t i = 0; i < Dense.Count(); ++i) ASSERT_EQ(Flags.Items(i) != nullptr, Dense.Items(i) != nullptr) << i;
}

TEST(FlagListTest, FollowsThePointerListUnderRandomOperations)
{
    std::mt19937 Random(20418);
    for (int32_t Run = 0; Run < 40; ++Run) {
        SCOPED_TRACE(Run);
        TFlagList Flags;
        TList Dense;
        for (int32_t Step = 0; Step < 200; ++Step) {
            const int32_t N = Dense.Count();
            const auto Pick = [&](int32_t Span) { return Span <= 0 ? 0 : int32_t(Random() % uint32_t(Span)); };
            switch (Random() % 8) {
            case 0: {
                const bool V = Random() % 2;
                Flags.Add(V ? Set : nullptr);
                Dense.Add(V ? Set : nullptr);
                break;
            }
            case 1:
                if (N) {
                    const int32_t i = Pick(N);
                    const bool V = Random() % 2;
                    Flags.SetItems(i, V ? Set : nullptr);
                    Dense.SetItems(i, V ? Set : nullptr);
                }
                break;
            case 2: {
                const int32_t i = Pick(N + 2), c = Pick(5);
                Flags.InsertNils(i, c);
                Dense.InsertNils(i, c);
                break;
            }
            case 3: {
                const int32_t i = Pick(N + 2), c = Pick(6);
                Flags.DeleteRange(i, c);
                Dense.DeleteRange(i, c);
                break;
            }
            case 4: {
                const int32_t f = Pick(N + 1) - 1, m = f + Pick(6), l = m + Pick(6);
                Flags.Rotate(f, m, l);
                Dense.Rotate(f, m, l);
                break;
            }
            case 5:
                if (N) {
                    const int32_t a = Pick(N), b = Pick(N);
                    Flags.Exchange(a, b);
                    Dense.Exchange(a, b);
                }
                break;
            case 6: {
                const int32_t c = Pick(N + 8);
                Flags.SetCount(c);
                Dense.SetCount(c);
                break;
            }
            default: {
                // Entries at ascending indexes go, as the row removals drop them.
                std::vector<int32_t> Gone;
                for (int32_t i = 0; i < N + 3; ++i)
                    if (Random() % 5 == 0) Gone.push_back(i);
                Flags.DeleteIndexes(Gone);
                for (auto It = Gone.rbegin(); It != Gone.rend(); ++It)
                    if (*It < Dense.Count()) Dense.Delete(*It);
                break;
            }
            }
            ExpectSame(Flags, Dense);
        }
    }
}

TEST(FlagListTest, FarIndexesCostNothingAndBadOnesRaise)
{
    TFlagList Flags;
    Flags.SetFlag(2000000000, true);
    Flags.SetFlag(7, true);
    EXPECT_EQ(Flags.Count(), 2000000001);
    EXPECT_EQ(Flags.SetIndexes(), (std::vector<int32_t>{7, 2000000000}));
    EXPECT_EQ(Flags.CountSet(Flags.Count()), 2);
    EXPECT_EQ(Flags.CountSet(8), 1);
    EXPECT_TRUE(Flags.Flag(2000000000));
    EXPECT_FALSE(Flags.Flag(1999999999));
    Flags.InsertNils(0, 3);
    EXPECT_EQ(Flags.SetIndexes(), (std::vector<int32_t>{10, 2000000003}));
    EXPECT_EQ(Flags.GetInteger(10), 1);
    EXPECT_THROW(Flags.Flag(-1), EListError);
    EXPECT_THROW(Flags.Flag(Flags.Count()), EListError);
    EXPECT_THROW(Flags.SetCount(-1), EListError);
    Flags.Clear();
    EXPECT_EQ(Flags.Count(), 0);
}

}  // namespace
