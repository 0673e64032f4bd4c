// Fuzz target: sort-state texts and comma lists of integers; the input is "sort state\ncomma list"
// in UTF-8.
#include "grid/base/GridSupport.h"

#include "rtl/Exceptions.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void CheckSortState(const QString& Text)
{
    TSortIndexList Keys;
    Keys.LoadFromString(Text);
    // Never more keys than pieces, and every key names a column.
    if (Keys.Count() > Text.count(u';') + 1) std::abort();
    for (int32_t I = 0; I < Keys.Count(); ++I)
        if (Keys.SortColumns(I) < 0) std::abort();
    // What is written reads back as the same text.
    const QString Saved = Keys.SaveToString();
    TSortIndexList Again;
    Again.LoadFromString(Saved);
    if (Again.Count() != Keys.Count() || Again.SaveToString() != Saved) std::abort();
}

void CheckStrValue(const QString& Text)
{
    TIntList List(0, 0);
    int32_t Changes = 0;
    List.OnChange = [&Changes](TObject*, int32_t, int32_t) { ++Changes; };
    try {
        List.SetStrValue(Text);
    } catch (const EConvertError&) {
        return;
    }
    if (Changes != List.Count()) std::abort();
    // A list read from its own text holds the same values.
    TIntList Again(0, 0);
    Again.SetStrValue(List.StrValue());
    if (Again.Count() != List.Count()) std::abort();
    for (int32_t I = 0; I < List.Count(); ++I)
        if (Again.GetInteger(I) != List.GetInteger(I)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString Input = QString::fromUtf8(QByteArrayView(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    const qsizetype Split = Input.indexOf(u'\n');
    CheckSortState(Split < 0 ? Input : Input.left(Split));
    CheckStrValue(Split < 0 ? QString() : Input.mid(Split + 1));
    return 0;
}
