// TObject class names, TPersistent assignment errors and TSet operations.
#include "rtl/Exceptions.h"
#include "rtl/Set.h"

#include <gtest/gtest.h>

namespace {
class TSample : public TPersistent {};
class TOther : public TPersistent {};
enum TFruit { fApple, fPear, fPlum, fFig, fBig = 200 };
using TFruits = TSet<TFruit>;
}  // namespace

TEST(ObjectTest, ClassNameIsTheMostDerivedPlainName)
{
    TSample sample;
    TObject& asObject = sample;
    EXPECT_EQ(asObject.ClassName(), QStringLiteral("TSample"));
    EXPECT_EQ(EConvertError(QString()).ClassName(), QStringLiteral("EConvertError"));
    EXPECT_TRUE(asObject.InheritsFrom<TPersistent>());
    EXPECT_FALSE(asObject.InheritsFrom<TOther>());
}

TEST(ObjectTest, AssignFromUnknownClassRaisesConvertError)
{
    TSample target;
    TOther source;
    try {
        target.Assign(&source);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a TOther to a TSample"));
    }
    EXPECT_THROW(target.Assign(nullptr), EConvertError);
}

TEST(SetTest, OperatorsFollowSetAlgebra)
{
    TFruits a{fApple, fPear};
    const TFruits b{fPear, fPlum, fBig};
    EXPECT_EQ(a + b, (TFruits{fApple, fPear, fPlum, fBig}));
    EXPECT_EQ(a - b, TFruits{fApple});
    EXPECT_EQ(a * b, TFruits{fPear});
    EXPECT_TRUE(TFruits{fPear} <= a);
    EXPECT_FALSE(a <= b);
    EXPECT_TRUE((a + fBig).Contains(fBig));
    a -= fApple;
    EXPECT_EQ(a, TFruits{fPear});
    EXPECT_EQ(TFruits::Range(fPear, fFig).Count(), 3);
    EXPECT_EQ(TFruits::FromInt(0b101), (TFruits{fApple, fPlum}));
    EXPECT_EQ((TFruits{fPear, fFig}).ToInt(), 0b1010u);
    EXPECT_TRUE(TFruits().Empty());
}
