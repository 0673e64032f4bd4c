// TPrefixIndex: the first text in list order that starts with (or equals) a given text, by binary search.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

// Built once over a list of texts; a query costs a binary search over the sorted texts and a
// minimum over the range they share, whatever the list's length.
class TPrefixIndex {
public:
    // Keeps Texts (shared, not copied) and sorts positions into them.
    void Build(const QStringList& Texts);
    void Clear();
    int32_t Count() const { return static_cast<int32_t>(FTexts.size()); }
    const QString& Text(int32_t Position) const { return FTexts.at(Position); }

    // The lowest position whose text starts with Prefix; -1 when none does or Prefix is empty.
    int32_t FirstStartingWith(QStringView Prefix) const;
    // The lowest position whose text is Text; -1 when none is.
    int32_t FirstEqualTo(QStringView Text) const;

private:
    // The lowest position among sorted places [From, To).
    int32_t Lowest(int32_t From, int32_t To) const;
    // The first sorted place whose text is not below Text.
    int32_t LowerBound(QStringView Text) const;

    QStringList FTexts;
    // Positions ordered by text, equal texts by position.
    std::vector<int32_t> FSorted;
    // A tree of minima over FSorted: leaves from FSorted.size() on, node i the lower of 2i and 2i + 1.
    std::vector<int32_t> FLowest;
};
