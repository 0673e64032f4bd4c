// TStrings and TStringList: lists of strings with objects, delimited and name=value texts, sorting and text files.
#include "Strings.h"

#include "AtomicFile.h"
#include "Exceptions.h"
#include "StrFuncs.h"
#include "Streams.h"

#include <QStringView>

#include <algorithm>

namespace {
const QString ListIndexError = QStringLiteral("List index out of bounds (%1)");
const QString SortedListError = QStringLiteral("Operation not allowed on sorted list");
const QString DuplicateString = QStringLiteral("String list does not allow duplicates");
const QString ListCapacityError = QStringLiteral("List capacity out of bounds (%1)");
const QString LineBreak = QStringLiteral("\r\n");

// Runs Body inside BeginUpdate / EndUpdate; EndUpdate also runs when Body throws.
template <typename Body>
void Updating(TStrings& Strings, Body&& body)
{
    Strings.BeginUpdate();
    try {
        body();
    } catch (...) {
        Strings.EndUpdate();
        throw;
    }
    Strings.EndUpdate();
}

// The part of Text before its first NUL: the toolkit reads texts as C strings there.
QStringView UpToNul(const QString& Text)
{
    const qsizetype nul = Text.indexOf(QChar(u'\0'));
    return nul < 0 ? QStringView(Text) : QStringView(Text).left(nul);
}

bool IsBlank(QChar C) { return C.unicode() >= 1 && C.unicode() <= u' '; }

// The quoted item starting at Text[Pos] (a QuoteChar), read by AnsiExtractQuotedStr's rule without
// copying the rest of the text: up to the closing quote, a doubled quote standing for one; without a
// closing quote the rest of Text less its last character. Pos moves past the item.
QString ExtractQuoted(QStringView Text, qsizetype& Pos, QChar Quote)
{
    QString item;
    ++Pos;
    for (;;) {
        const qsizetype close = Text.indexOf(Quote, Pos);
        if (close < 0) {
            item += Text.sliced(Pos);
            item.chop(1);
            Pos = Text.size();
            return item;
        }
        item += Text.sliced(Pos, close - Pos);
        Pos = close + 1;
        if (Pos == Text.size() || Text[Pos] != Quote) return item;
        item += Quote;
        ++Pos;
    }
}
}  // namespace

// ---- TStrings -------------------------------------------------------------------------------

int32_t TStrings::Add(const QString& S)
{
    const int32_t index = GetCount();
    Insert(index, S);
    return index;
}

int32_t TStrings::AddObject(const QString& S, TObject* AObject)
{
    const int32_t index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::AddStrings(TStrings* Strings)
{
    // The count is taken once, so a list added to itself is doubled.
    const int32_t count = Strings->Count();
    Updating(*this, [&] {
        for (int32_t i = 0; i < count; ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
    });
}

void TStrings::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStrings*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    Updating(*this, [&] {
        Clear();
        FNameValueSeparator = source->FNameValueSeparator;
        FQuoteChar = source->FQuoteChar;
        FDelimiter = source->FDelimiter;
        FStrictDelimiter = source->FStrictDelimiter;
        AddStrings(source);
    });
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    --FUpdateCount;
    if (FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Exchange(int32_t Index1, int32_t Index2)
{
    Updating(*this, [&] {
        const QString string1 = Get(Index1);
        TObject* object1 = GetObject(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, string1);
        PutObject(Index2, object1);
    });
}

void TStrings::InsertObject(int32_t Index, const QString& S, TObject* AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Move(int32_t CurIndex, int32_t NewIndex)
{
    if (CurIndex == NewIndex) return;
    // Checked before the line leaves, so a bad index loses nothing.
    if (NewIndex < 0 || NewIndex >= GetCount()) Error(ListIndexError, NewIndex);
    Updating(*this, [&] {
        const QString string = Get(CurIndex);
        TObject* object = GetObject(CurIndex);
        PutObject(CurIndex, nullptr);  // an owning list must not free it
        Delete(CurIndex);
        InsertObject(NewIndex, string, object);
    });
}

bool TStrings::Equals(TStrings* Strings) const
{
    if (GetCount() != Strings->GetCount()) return false;
    for (int32_t i = 0; i < GetCount(); ++i)
        if (Get(i) != Strings->Get(i)) return false;
    return true;
}

int32_t TStrings::IndexOf(const QString& S) const
{
    for (int32_t i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

int32_t TStrings::IndexOfName(const QString& Name) const
{
    for (int32_t i = 0; i < GetCount(); ++i) {
        const QString line = Get(i);
        const qsizetype separator = line.indexOf(FNameValueSeparator);
        if (separator >= 0 && CompareStrings(line.left(separator), Name) == 0) return i;
    }
    return -1;
}

int32_t TStrings::IndexOfObject(TObject* AObject) const
{
    for (int32_t i = 0; i < GetCount(); ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

void TStrings::LoadFromFile(const QString& FileName, std::optional<TTextEncoding> Encoding)
{
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file, Encoding);
}

void TStrings::LoadFromStream(TStream* Stream, std::optional<TTextEncoding> Encoding)
{
    Updating(*this, [&] {
        QByteArray bytes(std::max<int64_t>(0, Stream->Size() - Stream->Position()), Qt::Uninitialized);
        bytes.resize(Stream->Read(bytes.data(), static_cast<int32_t>(bytes.size())));
        FEncoding = Encoding ? *Encoding : DetectByteOrderMark(bytes).Encoding;
        const QByteArray preamble = EncodingPreamble(FEncoding);
        SetTextStr(DecodeBytes(QByteArrayView(bytes).sliced(bytes.startsWith(preamble) ? preamble.size() : 0),
                               FEncoding));
    });
}

void TStrings::SaveToFile(const QString& FileName, std::optional<TTextEncoding> Encoding)
{
    TBytesStream buffer;
    SaveToStream(&buffer, Encoding);
    WriteFileAtomic(FileName, buffer.Bytes());
}

void TStrings::SaveToStream(TStream* Stream, std::optional<TTextEncoding> Encoding)
{
    Stream->WriteBytes(EncodeText(GetTextStr(), Encoding.value_or(FEncoding), FWriteBOM));
}

QString TStrings::CommaText() const { return JoinDelimited(u',', u'"', false); }

void TStrings::SetCommaText(const QString& Value) { SplitDelimited(Value, u',', u'"', false); }

QString TStrings::DelimitedText() const { return JoinDelimited(FDelimiter, FQuoteChar, FStrictDelimiter); }

void TStrings::SetDelimitedText(const QString& Value)
{
    SplitDelimited(Value, FDelimiter, FQuoteChar, FStrictDelimiter);
}

QString TStrings::JoinDelimited(QChar Delimiter, QChar Quote, bool Strict) const
{
    const int32_t count = GetCount();
    if (count == 1 && Get(0).isEmpty()) return QString(2, Quote);
    const auto needsQuotes = [&](const QString& S) {
        for (QChar c : S) {
            if (c.isNull()) return false;
            if (c == Quote || c == Delimiter || (!Strict && IsBlank(c))) return true;
        }
        return false;
    };
    QString text;
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0) text += Delimiter;
        const QString item = Get(i);
        text += needsQuotes(item) ? AnsiQuotedStr(item, Quote) : item;
    }
    return text;
}

void TStrings::SplitDelimited(const QString& Value, QChar Delimiter, QChar Quote, bool Strict)
{
    const QStringView text = UpToNul(Value);
    qsizetype p = 0;
    const auto skipBlanks = [&] {
        if (!Strict)
            while (p < text.size() && IsBlank(text[p])) ++p;
    };
    Updating(*this, [&] {
        Clear();
        skipBlanks();
        while (p < text.size()) {
            if (text[p] == Quote) {
                Add(ExtractQuoted(text, p, Quote));
            } else {
                const qsizetype start = p;
                while (p < text.size() && (Strict || !IsBlank(text[p])) && text[p] != Delimiter) ++p;
                Add(text.sliced(start, p - start).toString());
            }
            skipBlanks();
            if (p < text.size() && text[p] == Delimiter) {
                if (p + 1 == text.size()) Add(QString());
                ++p;
                skipBlanks();
            }
        }
    });
}

QString TStrings::ExtractName(const QString& S) const
{
    const qsizetype separator = S.indexOf(FNameValueSeparator);
    return separator < 0 ? QString() : S.left(separator);
}

QString TStrings::Names(int32_t Index) const { return ExtractName(Get(Index)); }

QString TStrings::Values(const QString& Name) const
{
    const int32_t index = IndexOfName(Name);
    return index < 0 ? QString() : ValueFromIndex(index);
}

void TStrings::SetValues(const QString& Name, const QString& Value)
{
    const int32_t index = IndexOfName(Name);
    if (!Value.isEmpty()) {
        PutNewOrOld(index, Name + FNameValueSeparator + Value);
    } else if (index >= 0) {
        Delete(index);
    }
}

QString TStrings::ValueFromIndex(int32_t Index) const
{
    if (Index < 0) return QString();
    const QString line = Get(Index);
    const qsizetype separator = line.indexOf(FNameValueSeparator);
    return separator < 0 ? QString() : line.sliced(separator + 1);
}

void TStrings::SetValueFromIndex(int32_t Index, const QString& Value)
{
    if (!Value.isEmpty()) {
        PutNewOrOld(Index, (Index < 0 ? QString() : Names(Index)) + FNameValueSeparator + Value);
    } else if (Index >= 0) {
        Delete(Index);
    }
}

void TStrings::PutNewOrOld(int32_t Index, const QString& S)
{
    if (Index >= 0) {
        Put(Index, S);
        return;
    }
    // A list that refuses Put (a sorted one) keeps no empty line behind.
    const int32_t added = Add(QString());
    try {
        Put(added, S);
    } catch (...) {
        Delete(added);
        throw;
    }
}

void TStrings::Put(int32_t Index, const QString& S)
{
    TObject* object = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

TObject* TStrings::GetObject(int32_t) const { return nullptr; }

void TStrings::PutObject(int32_t, TObject*) {}

QString TStrings::GetTextStr() const
{
    const int32_t count = GetCount();
    qsizetype size = 0;
    for (int32_t i = 0; i < count; ++i) size += Get(i).size() + LineBreak.size();
    QString text;
    text.reserve(size);
    for (int32_t i = 0; i < count; ++i) {
        text += Get(i);
        text += LineBreak;
    }
    return text;
}

void TStrings::SetTextStr(const QString& Value)
{
    const QStringView text = UpToNul(Value);
    Updating(*this, [&] {
        Clear();
        qsizetype p = 0;
        while (p < text.size()) {
            const qsizetype start = p;
            while (p < text.size() && text[p] != u'\n' && text[p] != u'\r') ++p;
            Add(text.sliced(start, p - start).toString());
            if (p < text.size() && text[p] == u'\r') ++p;
            if (p < text.size() && text[p] == u'\n') ++p;
        }
    });
}

int32_t TStrings::CompareStrings(const QString& S1, const QString& S2) const { return AnsiCompareText(S1, S2); }

void TStrings::Error(const QString& Msg, int32_t Data)
{
    throw EStringListError(Msg.contains(QLatin1String("%1")) ? Msg.arg(Data) : Msg);
}

// ---- TStringList ----------------------------------------------------------------------------

TStringList::~TStringList()
{
    if (FOwnsObjects)
        for (const TStringItem& item : FList) delete item.FObject;
}

int32_t TStringList::AddObject(const QString& S, TObject* AObject)
{
    int32_t index = GetCount();
    if (FSorted && Find(S, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError) Error(DuplicateString, 0);
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Clear()
{
    if (FList.isEmpty()) return;
    Changing();
    QList<TStringItem> items;
    items.swap(FList);
    FCapacity = 0;
    if (FOwnsObjects)
        for (const TStringItem& item : items) delete item.FObject;
    Changed();
}

void TStringList::Delete(int32_t Index)
{
    CheckIndex(Index);
    Changing();
    TObject* object = FOwnsObjects ? FList[Index].FObject : nullptr;
    FList.removeAt(Index);
    delete object;
    Changed();
}

void TStringList::Exchange(int32_t Index1, int32_t Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    ExchangeItems(Index1, Index2);
    Changed();
}

bool TStringList::Find(const QString& S, int32_t& Index) const
{
    bool found = false;
    int32_t low = 0;
    int32_t high = GetCount() - 1;
    while (low <= high) {
        const int32_t middle = (low + high) / 2;
        const int32_t order = CompareStrings(FList[middle].FString, S);
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            if (order == 0) {
                found = true;
                if (FDuplicates != dupAccept) low = middle;
            }
        }
    }
    Index = low;
    return found;
}

int32_t TStringList::IndexOf(const QString& S) const
{
    if (!FSorted) return TStrings::IndexOf(S);
    int32_t index = -1;
    return Find(S, index) ? index : -1;
}

void TStringList::InsertObject(int32_t Index, const QString& S, TObject* AObject)
{
    if (FSorted) Error(SortedListError, 0);
    if (Index < 0 || Index > GetCount()) Error(ListIndexError, Index);
    InsertItem(Index, S, AObject);
}

void TStringList::Move(int32_t CurIndex, int32_t NewIndex)
{
    // Refused before the line leaves its place, so nothing is lost.
    if (FSorted && CurIndex != NewIndex) Error(SortedListError, 0);
    TStrings::Move(CurIndex, NewIndex);
}

void TStringList::Sort()
{
    CustomSort([](TStringList* List, int32_t Index1, int32_t Index2) {
        return List->CompareStrings(List->FList[Index1].FString, List->FList[Index2].FString);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare)
{
    if (FSorted || GetCount() < 2) return;
    Changing();
    QuickSort(0, GetCount() - 1, Compare);
    Changed();
}

void TStringList::SetSorted(bool Value)
{
    if (FSorted == Value) return;
    if (Value) Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (FCaseSensitive == Value) return;
    FCaseSensitive = Value;
    if (FSorted) {
        SetSorted(false);
        SetSorted(true);
    }
}

QString TStringList::Get(int32_t Index) const
{
    CheckIndex(Index);
    return FList[Index].FString;
}

void TStringList::Put(int32_t Index, const QString& S)
{
    if (FSorted) Error(SortedListError, 0);
    CheckIndex(Index);
    Changing();
    FList[Index].FString = S;
    Changed();
}

TObject* TStringList::GetObject(int32_t Index) const
{
    CheckIndex(Index);
    return FList[Index].FObject;
}

void TStringList::PutObject(int32_t Index, TObject* AObject)
{
    CheckIndex(Index);
    Changing();
    FList[Index].FObject = AObject;
    Changed();
}

void TStringList::DoSetCapacity(int32_t NewCapacity)
{
    if (NewCapacity < GetCount()) Error(ListCapacityError, NewCapacity);
    FCapacity = NewCapacity;
    FList.reserve(NewCapacity);
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

int32_t TStringList::CompareStrings(const QString& S1, const QString& S2) const
{
    return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::InsertItem(int32_t Index, const QString& S, TObject* AObject)
{
    Changing();
    if (GetCount() == FCapacity) Grow();
    FList.insert(Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::ExchangeItems(int32_t Index1, int32_t Index2) { FList.swapItemsAt(Index1, Index2); }

void TStringList::CheckIndex(int32_t Index) const
{
    if (Index < 0 || Index >= GetCount()) Error(ListIndexError, Index);
}

void TStringList::Grow()
{
    const int32_t delta = FCapacity > 64 ? FCapacity / 4 : (FCapacity > 8 ? 16 : 4);
    // Only the capacity the list shows follows the toolkit's steps: the items grow by themselves,
    // moved rather than copied as a reserve would.
    FCapacity += delta;
}

// The toolkit's quicksort, so that equal items end in the same order as there.
void TStringList::QuickSort(int32_t L, int32_t R, const TStringListSortCompare& Compare)
{
    int32_t i;
    do {
        i = L;
        int32_t j = R;
        int32_t pivot = (L + R) / 2;
        do {
            while (Compare(this, i, pivot) < 0) ++i;
            while (Compare(this, j, pivot) > 0) --j;
            if (i <= j) {
                if (i != j) ExchangeItems(i, j);
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (L < j) QuickSort(L, j, Compare);
        L = i;
    } while (i < R);
}
