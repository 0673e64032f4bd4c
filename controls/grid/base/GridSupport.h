// The string grid's bookkeeping lists: integers of a cell, sort keys, controls in cells, and a
// string list read and written line by line.
#pragma once

#include "rtl/List.h"
#include "rtl/Strings.h"
#include "windows/Messages.h"

#include <QString>

#include <cstdint>
#include <functional>

class TControl;

// Integers in the slots of a pointer list; Add, Delete, SetInteger and DeleteValue report to the
// owning cell through OnChange, Insert does not.
class TIntList : public TList {
public:
    TIntList(int32_t Col, int32_t Row) : FCol(Col), FRow(Row) {}

    int32_t Add(int32_t Value);
    void Insert(int32_t Index, int32_t Value);
    void Delete(int32_t Index);
    // Deletes the first occurrence; nothing when absent.
    void DeleteValue(int32_t Value);
    bool HasValue(int32_t Value) const;
    int32_t GetInteger(int32_t Index) const;
    void SetInteger(int32_t Index, int32_t Value);

    // The values as decimal texts joined by "," without blanks.
    QString StrValue() const;
    // Empties the list without an event, then adds every item of the comma text (one OnChange per
    // value); an item that is no integer raises EConvertError, keeping the items before it.
    void SetStrValue(const QString& Value);

    // Sender, then the cell given at creation.
    std::function<void(TObject* Sender, int32_t Acol, int32_t Arow)> OnChange;

private:
    void Changed();

    int32_t FCol;
    int32_t FRow;
};

// Sort keys: the column in the low 31 bits, the top bit set for a descending key.
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}

    void AddIndex(int32_t ColumnIndex, bool Ascending);
    // Position of the first key of that column, -1 when none.
    int32_t FindIndex(int32_t ColumnIndex) const;
    // Flips the direction of the column's first key; nothing when the column has no key.
    void ToggleIndex(int32_t ColumnIndex);

    int32_t SortColumns(int32_t Index) const;
    void SetSortColumns(int32_t Index, int32_t Value);
    // True when ascending.
    bool SortDirections(int32_t Index) const;
    void SetSortDirections(int32_t Index, bool Value);

    // "u3;d1": per key "u" or "d" and the low 16 bits of its column, joined by ";".
    QString SaveToString() const;
    // Empties the list and reads such a text piece by piece: a piece shorter than two characters
    // is skipped, the rest after the first character is read leniently as a number (the digits
    // before the first bad character), "u" makes it ascending, any other first character
    // descending. A negative number is no column and its piece is skipped.
    void LoadFromString(const QString& S);
};

// A control placed in cell (X, Y); the item does not own the control.
class TControlItem : public TObject {
public:
    TControlItem(int32_t X, int32_t Y, TControl* AObject) : FX(X), FY(Y), FObject(AObject) {}

    int32_t X() const { return FX; }
    void SetX(int32_t Value) { FX = Value; }
    int32_t Y() const { return FY; }
    void SetY(int32_t Value) { FY = Value; }
    TControl* Control() const { return FObject; }
    void SetControl(TControl* Value) { FObject = Value; }

private:
    int32_t FX;
    int32_t FY;
    TControl* FObject;
};

// Owns its items, not their controls.
class TControlList : public TList {
public:
    TControlList() = default;
    ~TControlList() override;

    void AddControl(int32_t X, int32_t Y, TControl* AObject);
    // Index of the first item at that cell, -1 when none.
    int32_t ControlIndex(int32_t X, int32_t Y) const;
    TControlItem* GetControl(int32_t Index) const { return static_cast<TControlItem*>(Items(Index)); }
    void RemoveControl(int32_t Index);
    // Whether a windowed control of an item has that window handle (asking creates the window).
    bool HasHandle(HWND Handle) const;
};

// A string list used as a text file: ReadLn from the line at fp, Write and WriteLn appending.
class TFileStringList : public TStringList {
public:
    void Reset();
    // The line at fp, then fp + 1; past the end the list's index error is raised.
    void ReadLn(QString& S);
    void Write(const QString& S) { cache += S; }
    void WriteLn(const QString& S);
    bool Eof() const { return fp >= Count(); }

    int32_t fp = 0;
    QString cache;
};
