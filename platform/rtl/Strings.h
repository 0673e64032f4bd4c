// TStrings and TStringList: lists of strings with objects, delimited and name=value texts, sorting and text files.
#pragma once

#include "Object.h"
#include "TextEncoding.h"

#include <QChar>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class TStream;

// One item of a TStringList: the string and the object beside it.
struct TStringItem {
    QString FString;
    TObject* FObject = nullptr;
};
Q_DECLARE_TYPEINFO(TStringItem, Q_RELOCATABLE_TYPE);

// The abstract string list. A descendant supplies Get, GetCount, Clear, Delete and Insert; the
// other operations are built on them and may be overridden.
//
// Text: every line followed by CR LF ("a\r\nb\r\n"); an empty list gives "". SetText splits at
// CR LF, LF or CR (LF CR is two line ends); a last line end adds no empty line; a NUL character
// ends the text, as the toolkit reads it as a C string.
//
// DelimitedText, reading: Count 1 with an empty item gives QuoteChar twice. Otherwise the items are
// joined by Delimiter; an item is quoted (QuoteChar around it, QuoteChar inside doubled) when it
// holds the QuoteChar or the Delimiter, or, without StrictDelimiter, a character from #1 to ' '.
// The scan of an item stops at a NUL character, so one after the NUL does not cause quoting.
//
// DelimitedText, setting: the list is cleared, then, with the text read up to a NUL character:
//  - without StrictDelimiter, characters #1..' ' are skipped before the first item, after each item
//    and after each Delimiter; an unquoted item also ends at such a character, so "a b" is two items;
//  - an item starting with QuoteChar is read as AnsiExtractQuotedStr reads it: up to the closing
//    QuoteChar, a doubled QuoteChar standing for one; without a closing one, the rest of the text
//    less its last character. Text right after the closing quote starts the next item:
//    "\"a\"b,c" gives a, b, c;
//  - with StrictDelimiter an unquoted item runs to the next Delimiter, blanks included;
//  - a Delimiter that is the text's last character adds an empty last item ("a," gives a and "");
//    one followed only by blanks (without StrictDelimiter) adds none ("a, " gives a);
//  - an empty text, or one of blanks only without StrictDelimiter, gives no items.
// CommaText is DelimitedText with Delimiter ',', QuoteChar '"' and StrictDelimiter off, whatever
// the list's own settings.
//
// Names and values: a line "name=value" (NameValueSeparator, default '='); a line without the
// separator has an empty name and an empty value. Names are compared with CompareStrings
// (case-insensitive, unless a TStringList is CaseSensitive).
//
// Files: LoadFromStream reads from the stream's position to its end. Without a given encoding a
// byte-order mark chooses UTF-8, UTF-16LE or UTF-16BE, else the bytes are Windows-1252; with one,
// its byte-order mark is skipped when present. The encoding used is kept in Encoding() and is the
// one SaveToStream / SaveToFile use when none is given (teANSI for a list never loaded). Saving
// writes Text (CR LF line ends), preceded by the encoding's byte-order mark while WriteBOM is set.
class TStrings : public TPersistent {
public:
    virtual int32_t Add(const QString& S);
    virtual int32_t AddObject(const QString& S, TObject* AObject);
    void Append(const QString& S) { Add(S); }
    // Adds every line and object of Strings, in one update; a list added to itself is doubled.
    virtual void AddStrings(TStrings* Strings);
    // Copies another TStrings' lines, objects, Delimiter, QuoteChar, StrictDelimiter and
    // NameValueSeparator; anything else raises EConvertError. Assigning a list to itself keeps it.
    void Assign(TPersistent* Source) override;
    // The first BeginUpdate calls SetUpdateState(true), the matching EndUpdate SetUpdateState(false);
    // a TStringList fires OnChanging / OnChange there, even when nothing changed in between.
    void BeginUpdate();
    void EndUpdate();
    virtual void Clear() = 0;
    virtual void Delete(int32_t Index) = 0;
    virtual void Exchange(int32_t Index1, int32_t Index2);
    virtual void Insert(int32_t Index, const QString& S) = 0;
    virtual void InsertObject(int32_t Index, const QString& S, TObject* AObject);
    // Delete followed by InsertObject at NewIndex, in one update. A NewIndex outside the list
    // raises "List index out of bounds (%d)" before anything moves.
    virtual void Move(int32_t CurIndex, int32_t NewIndex);
    // Same count and the same lines, compared exactly; objects are not compared.
    bool Equals(TStrings* Strings) const;
    virtual int32_t IndexOf(const QString& S) const;
    virtual int32_t IndexOfName(const QString& Name) const;
    virtual int32_t IndexOfObject(TObject* AObject) const;

    // Raises EFOpenError when the file cannot be opened.
    virtual void LoadFromFile(const QString& FileName, std::optional<TTextEncoding> Encoding = std::nullopt);
    virtual void LoadFromStream(TStream* Stream, std::optional<TTextEncoding> Encoding = std::nullopt);
    // Writes through a temporary file beside FileName; raises EFCreateError on failure.
    virtual void SaveToFile(const QString& FileName, std::optional<TTextEncoding> Encoding = std::nullopt);
    virtual void SaveToStream(TStream* Stream, std::optional<TTextEncoding> Encoding = std::nullopt);

    int32_t Count() const { return GetCount(); }
    QString Strings(int32_t Index) const { return Get(Index); }
    void SetStrings(int32_t Index, const QString& S) { Put(Index, S); }
    TObject* Objects(int32_t Index) const { return GetObject(Index); }
    void SetObjects(int32_t Index, TObject* AObject) { PutObject(Index, AObject); }
    int32_t Capacity() const { return GetCapacity(); }
    void SetCapacity(int32_t NewCapacity) { DoSetCapacity(NewCapacity); }

    QString Text() const { return GetTextStr(); }
    void SetText(const QString& Value) { SetTextStr(Value); }
    QString CommaText() const;
    void SetCommaText(const QString& Value);
    QString DelimitedText() const;
    void SetDelimitedText(const QString& Value);
    QChar Delimiter() const { return FDelimiter; }
    void SetDelimiter(QChar Value) { FDelimiter = Value; }
    QChar QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(QChar Value) { FQuoteChar = Value; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }

    // The text before the first separator of line Index; empty when the line has none.
    QString Names(int32_t Index) const;
    // The text after the separator of the first line named Name; empty when there is none.
    QString Values(const QString& Name) const;
    // Replaces the named line's value, adding "Name=Value" when missing; an empty Value deletes it.
    void SetValues(const QString& Name, const QString& Value);
    // The text after the first separator of line Index; empty for a line without one or Index < 0.
    QString ValueFromIndex(int32_t Index) const;
    // Sets line Index to "Names(Index)=Value" (Index < 0 adds a line); an empty Value deletes it.
    void SetValueFromIndex(int32_t Index, const QString& Value);
    QChar NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(QChar Value) { FNameValueSeparator = Value; }

    TTextEncoding Encoding() const { return FEncoding; }
    bool WriteBOM() const { return FWriteBOM; }
    void SetWriteBOM(bool Value) { FWriteBOM = Value; }

protected:
    virtual QString Get(int32_t Index) const = 0;
    virtual int32_t GetCount() const = 0;
    // Default: Delete and InsertObject at the same place, keeping the object.
    virtual void Put(int32_t Index, const QString& S);
    // Default: no objects (nullptr; storing one is ignored).
    virtual TObject* GetObject(int32_t Index) const;
    virtual void PutObject(int32_t Index, TObject* AObject);
    virtual int32_t GetCapacity() const { return GetCount(); }
    virtual void DoSetCapacity(int32_t) {}
    virtual QString GetTextStr() const;
    virtual void SetTextStr(const QString& Value);
    // Called with true when the first BeginUpdate starts an update and false when it ends.
    virtual void SetUpdateState(bool) {}
    // Comparison used by IndexOf and IndexOfName: AnsiCompareText.
    virtual int32_t CompareStrings(const QString& S1, const QString& S2) const;
    int32_t UpdateCount() const { return FUpdateCount; }
    // Raises EStringListError with Msg, whose %1 receives Data.
    [[noreturn]] static void Error(const QString& Msg, int32_t Data);

private:
    QString ExtractName(const QString& S) const;
    // Put at Index, or on a new last line when Index < 0.
    void PutNewOrOld(int32_t Index, const QString& S);
    QString JoinDelimited(QChar Delimiter, QChar Quote, bool Strict) const;
    void SplitDelimited(const QString& Value, QChar Delimiter, QChar Quote, bool Strict);

    int32_t FUpdateCount = 0;
    QChar FDelimiter{','};
    QChar FQuoteChar{'"'};
    QChar FNameValueSeparator{'='};
    bool FStrictDelimiter = false;
    bool FWriteBOM = true;
    TTextEncoding FEncoding = teANSI;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// Compares the items Index1 and Index2 of List: negative, 0 or positive.
using TStringListSortCompare = std::function<int32_t(TStringList* List, int32_t Index1, int32_t Index2)>;

// The string list proper: items stored contiguously, with sorting and change events.
// Errors are EStringListError: "List index out of bounds (%d)" for a bad index, "Operation not
// allowed on sorted list" for Insert, InsertObject and Put (and so Move) on a sorted list,
// "String list does not allow duplicates" for adding a duplicate to a sorted list with dupError.
// Duplicates applies to sorted lists only. Comparisons follow CaseSensitive: AnsiCompareStr or
// AnsiCompareText.
class TStringList : public TStrings {
public:
    TStringList() = default;
    // With OwnsObjects the list deletes an item's object when the item is deleted or cleared.
    explicit TStringList(bool OwnsObjects) : FOwnsObjects(OwnsObjects) {}
    ~TStringList() override;

    int32_t Add(const QString& S) override { return AddObject(S, nullptr); }
    // Appends, or inserts at the sorted place; on a sorted list a duplicate is added before its
    // equals (dupAccept), not added and the existing index returned (dupIgnore), or refused (dupError).
    int32_t AddObject(const QString& S, TObject* AObject) override;
    void Clear() override;
    void Delete(int32_t Index) override;
    void Exchange(int32_t Index1, int32_t Index2) override;
    // Binary search of a sorted list: true when found, Index the item's place or the insertion place.
    // With dupAccept the first of equal items is found.
    virtual bool Find(const QString& S, int32_t& Index) const;
    int32_t IndexOf(const QString& S) const override;
    void Insert(int32_t Index, const QString& S) override { InsertObject(Index, S, nullptr); }
    void InsertObject(int32_t Index, const QString& S, TObject* AObject) override;
    // A sorted list refuses it before anything moves.
    void Move(int32_t CurIndex, int32_t NewIndex) override;
    // Sorts by CompareStrings; does nothing on a list that is Sorted (it is already in order).
    virtual void Sort();
    // Sorts with Compare by the toolkit's quicksort (not stable: equal items may change order);
    // does nothing on a sorted list or one of fewer than two items.
    virtual void CustomSort(const TStringListSortCompare& Compare);

    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool Sorted() const { return FSorted; }
    // Turning it on sorts the list; duplicates already present stay.
    void SetSorted(bool Value);
    bool CaseSensitive() const { return FCaseSensitive; }
    // Re-sorts a sorted list.
    void SetCaseSensitive(bool Value);
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    // Fired around every change outside an update, and once around a BeginUpdate..EndUpdate block.
    std::function<void(TObject* Sender)> OnChange;
    std::function<void(TObject* Sender)> OnChanging;

protected:
    QString Get(int32_t Index) const override;
    int32_t GetCount() const override { return static_cast<int32_t>(FList.size()); }
    void Put(int32_t Index, const QString& S) override;
    TObject* GetObject(int32_t Index) const override;
    void PutObject(int32_t Index, TObject* AObject) override;
    int32_t GetCapacity() const override { return FCapacity; }
    // Raises EStringListError "List capacity out of bounds (%d)" below Count.
    void DoSetCapacity(int32_t NewCapacity) override;
    void SetUpdateState(bool Updating) override;
    // AnsiCompareStr when CaseSensitive, else AnsiCompareText.
    int32_t CompareStrings(const QString& S1, const QString& S2) const override;
    virtual void Changed();
    virtual void Changing();
    virtual void InsertItem(int32_t Index, const QString& S, TObject* AObject);
    void ExchangeItems(int32_t Index1, int32_t Index2);

private:
    void CheckIndex(int32_t Index) const;
    void Grow();
    void QuickSort(int32_t L, int32_t R, const TStringListSortCompare& Compare);

    QList<TStringItem> FList;
    int32_t FCapacity = 0;
    TDuplicates FDuplicates = dupIgnore;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
};
