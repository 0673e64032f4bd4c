// The cell checker base: five flags off, and every operation leaves the text unchanged.
#include "grid/base/CellCheck.h"

#include <gtest/gtest.h>

namespace {

TEST(CellCheckTest, FlagsStartOffAndTheBaseChecksNothing)
{
    TExtStringGridCheck Checker(nullptr);
    EXPECT_FALSE(Checker.GotoCell());
    EXPECT_FALSE(Checker.AutoCorrect());
    EXPECT_FALSE(Checker.AutoMarkError());
    EXPECT_FALSE(Checker.UseCorrect());
    EXPECT_FALSE(Checker.UseMarkError());
    for (const QString& Text : {QString(), QStringLiteral("teh"), QStringLiteral("<B>x</B>")}) {
        EXPECT_EQ(Checker.Correct(1, 2, Text), Text);
        EXPECT_EQ(Checker.MarkError(1, 2, Text), Text);
    }
    Checker.StartCheck();
    Checker.StopCheck();
}

TEST(CellCheckTest, ACheckerOverridesTheOperations)
{
    // What a real checker looks like: the grid calls it through the base's virtual operations.
    struct TUpper : TExtStringGridCheck {
        using TExtStringGridCheck::TExtStringGridCheck;
        int32_t Started = 0;
        QString Correct(int32_t, int32_t, const QString& S) override { return S.toUpper(); }
        QString MarkError(int32_t, int32_t, const QString& S) override { return QStringLiteral("<U>") + S + QStringLiteral("</U>"); }
        void StartCheck() override { ++Started; }
    };
    TUpper Upper(nullptr);
    TExtStringGridCheck& Checker = Upper;
    Checker.SetAutoCorrect(true);
    Checker.StartCheck();
    EXPECT_EQ(Checker.Correct(0, 0, QStringLiteral("ab")), "AB");
    EXPECT_EQ(Checker.MarkError(0, 0, QStringLiteral("ab")), "<U>ab</U>");
    EXPECT_EQ(Upper.Started, 1);
    EXPECT_TRUE(Checker.AutoCorrect());
}

}  // namespace
