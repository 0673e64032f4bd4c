// TPrefixIndex: sorting the positions, the range-minimum tree and the two queries.
#include "dropdown/PrefixIndex.h"

#include <algorithm>
#include <numeric>

void TPrefixIndex::Build(const QStringList& Texts)
{
    FTexts = Texts;
    const auto N = static_cast<size_t>(FTexts.size());
    FSorted.resize(N);
    std::iota(FSorted.begin(), FSorted.end(), 0);
    const QString* Data = FTexts.constData();
    std::sort(FSorted.begin(), FSorted.end(), [Data](int32_t A, int32_t B) {
        const int Order = QStringView(Data[A]).compare(QStringView(Data[B]));
        return Order < 0 || (Order == 0 && A < B);
    });
    FLowest.assign(2 * N, 0);
    std::copy(FSorted.begin(), FSorted.end(), FLowest.begin() + static_cast<std::ptrdiff_t>(N));
    for (size_t I = N; I-- > 1;) FLowest[I] = std::min(FLowest[2 * I], FLowest[2 * I + 1]);
}

void TPrefixIndex::Clear()
{
    FTexts.clear();
    FSorted.clear();
    FLowest.clear();
}

int32_t TPrefixIndex::Lowest(int32_t From, int32_t To) const
{
    int32_t Result = INT32_MAX;
    const auto N = static_cast<int32_t>(FSorted.size());
    for (int32_t L = From + N, R = To + N; L < R; L >>= 1, R >>= 1) {
        if (L & 1) Result = std::min(Result, FLowest[static_cast<size_t>(L++)]);
        if (R & 1) Result = std::min(Result, FLowest[static_cast<size_t>(--R)]);
    }
    return Result == INT32_MAX ? -1 : Result;
}

int32_t TPrefixIndex::LowerBound(QStringView Text) const
{
    const QString* Data = FTexts.constData();
    const auto It = std::partition_point(FSorted.begin(), FSorted.end(),
                                         [Data, Text](int32_t P) { return QStringView(Data[P]).compare(Text) < 0; });
    return static_cast<int32_t>(It - FSorted.begin());
}

int32_t TPrefixIndex::FirstStartingWith(QStringView Prefix) const
{
    if (Prefix.isEmpty() || FSorted.empty()) return -1;
    const int32_t From = LowerBound(Prefix);
    // The texts that start with Prefix follow one another from there.
    const QString* Data = FTexts.constData();
    const auto It = std::partition_point(FSorted.begin() + From, FSorted.end(),
                                         [Data, Prefix](int32_t P) { return QStringView(Data[P]).startsWith(Prefix); });
    const auto To = static_cast<int32_t>(It - FSorted.begin());
    return From < To ? Lowest(From, To) : -1;
}

int32_t TPrefixIndex::FirstEqualTo(QStringView Text) const
{
    const int32_t At = LowerBound(Text);
    // Equal texts stand in position order, so the first of them is the lowest.
    if (At < static_cast<int32_t>(FSorted.size()) && QStringView(FTexts.at(FSorted[static_cast<size_t>(At)])) == Text)
        return FSorted[static_cast<size_t>(At)];
    return -1;
}
