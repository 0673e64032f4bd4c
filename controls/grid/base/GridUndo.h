// TExtGridUndoRedo: the history of a grid's cell-text changes, undone and redone one change or one
// bracketed sequence at a time.
#pragma once

#include "rtl/Collection.h"
#include "rtl/Component.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TBaseGrid;

// One change (Col, Row: the cell, real column) or a sequence marker (Col = Row = -1).
class TUndoRedoItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    void Assign(TPersistent* Source) override;

    int32_t Row() const { return FRow; }
    void SetRow(int32_t Value) { FRow = Value; }
    int32_t Col() const { return FCol; }
    void SetCol(int32_t Value) { FCol = Value; }
    // The text after the change.
    const QString& Value() const { return FValue; }
    void SetValue(const QString& Value) { FValue = Value; }
    // The text before the change.
    const QString& OrigValue() const { return FOrigValue; }
    void SetOrigValue(const QString& Value) { FOrigValue = Value; }
    bool SequenceStart() const { return FSequenceStart; }
    void SetSequenceStart(bool Value) { FSequenceStart = Value; }
    bool SequenceStop() const { return FSequenceStop; }
    void SetSequenceStop(bool Value) { FSequenceStop = Value; }

private:
    int32_t FRow = 0;
    int32_t FCol = 0;
    QString FValue;
    QString FOrigValue;
    bool FSequenceStart = false;
    bool FSequenceStop = false;
};

class TUndoRedoCollection : public TCollection {
public:
    TUndoRedoCollection() : TCollection(ItemClassOf<TUndoRedoItem>()) {}

    TUndoRedoItem* Item(int32_t Index) const { return static_cast<TUndoRedoItem*>(Items(Index)); }
};

// Sender is the component; OrigValue the cell's text now, NewValue the text about to be written.
using TExtGridUndoRedoEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, int32_t Col, int32_t Row,
                                                 const QString& OrigValue, const QString& NewValue)>;

// The first Level entries of Items are applied; those above it can be redone. A new change drops
// the entries above Level first, so it never rewrites undone states.
class TExtGridUndoRedo : public TComponent {
public:
    explicit TExtGridUndoRedo(TComponent* AOwner);
    ~TExtGridUndoRedo() override;

    virtual void RegisterChange(int32_t ACol, int32_t ARow, const QString& OldValue, const QString& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems->Count(); }

    TUndoRedoCollection* Items() const { return FItems.get(); }
    // Not owned; set by the grid's UndoRedo setter.
    TBaseGrid* Grid() const { return FGrid; }
    void SetGrid(TBaseGrid* Value);
    int32_t Level() const { return FLevel; }
    // 0: no limit; otherwise a change that finds this many entries first drops the oldest.
    int32_t MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int32_t Value) { FMaxLevel = Value; }

    TExtGridUndoRedoEvent OnUndo;
    TExtGridUndoRedoEvent OnRedo;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void DropRedoEntries();
    void AddMarker(bool Start);
    void ApplyBackwards(const TUndoRedoItem* Entry);
    void ApplyForwards(const TUndoRedoItem* Entry);
    void Apply(const TUndoRedoItem* Entry, const QString& Text, const TExtGridUndoRedoEvent& Event);

    std::unique_ptr<TUndoRedoCollection> FItems;
    TBaseGrid* FGrid = nullptr;
    int32_t FLevel = 0;
    int32_t FMaxLevel = 0;
};
