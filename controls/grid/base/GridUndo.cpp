// TExtGridUndoRedo: recording changes and sequences, stepping back and forth through them.
#include "grid/base/GridUndo.h"

#include "grid/base/BaseGrid.h"

void TUndoRedoItem::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TUndoRedoItem*>(Source);
    if (!From) {
        TCollectionItem::Assign(Source);
        return;
    }
    FRow = From->FRow;
    FCol = From->FCol;
    FValue = From->FValue;
    FOrigValue = From->FOrigValue;
    FSequenceStart = From->FSequenceStart;
    FSequenceStop = From->FSequenceStop;
}

TExtGridUndoRedo::TExtGridUndoRedo(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TUndoRedoCollection>())
{
}

TExtGridUndoRedo::~TExtGridUndoRedo() = default;

void TExtGridUndoRedo::SetGrid(TBaseGrid* Value)
{
    if (FGrid == Value) return;
    if (FGrid) FGrid->RemoveFreeNotification(this);
    FGrid = Value;
    if (FGrid) FGrid->FreeNotification(this);
}

void TExtGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FGrid) FGrid = nullptr;
    TComponent::Notification(AComponent, Operation);
}

void TExtGridUndoRedo::DropRedoEntries()
{
    while (FItems->Count() > FLevel) FItems->Delete(FItems->Count() - 1);
}

void TExtGridUndoRedo::RegisterChange(int32_t ACol, int32_t ARow, const QString& OldValue, const QString& NewValue)
{
    DropRedoEntries();
    if (FMaxLevel > 0 && FItems->Count() >= FMaxLevel) FItems->Delete(0);
    auto* Entry = static_cast<TUndoRedoItem*>(FItems->Add());
    Entry->SetCol(ACol);
    Entry->SetRow(ARow);
    Entry->SetValue(NewValue);
    Entry->SetOrigValue(OldValue);
    FLevel = FItems->Count();
}

void TExtGridUndoRedo::AddMarker(bool Start)
{
    DropRedoEntries();
    auto* Entry = static_cast<TUndoRedoItem*>(FItems->Add());
    Entry->SetCol(-1);
    Entry->SetRow(-1);
    Entry->SetSequenceStart(Start);
    Entry->SetSequenceStop(!Start);
    FLevel = FItems->Count();
}

void TExtGridUndoRedo::StartSequence()
{
    AddMarker(true);
}

void TExtGridUndoRedo::StopSequence()
{
    AddMarker(false);
}

void TExtGridUndoRedo::Apply(const TUndoRedoItem* Entry, const QString& Text, const TExtGridUndoRedoEvent& Event)
{
    if (Event) Event(this, FGrid, Entry->Col(), Entry->Row(), FGrid->GetCellEx(Entry->Col(), Entry->Row()), Text);
    FGrid->SetCellEx(Entry->Col(), Entry->Row(), Text);
    FGrid->SetCol(FGrid->DisplColIndex(Entry->Col()));
    FGrid->SetRow(Entry->Row());
}

void TExtGridUndoRedo::ApplyBackwards(const TUndoRedoItem* Entry)
{
    Apply(Entry, Entry->OrigValue(), OnUndo);
}

void TExtGridUndoRedo::ApplyForwards(const TUndoRedoItem* Entry)
{
    Apply(Entry, Entry->Value(), OnRedo);
}

void TExtGridUndoRedo::Undo()
{
    if (!FGrid || FLevel == 0 || FItems->Count() < FLevel) return;
    const TUndoRedoItem* Last = FItems->Item(FLevel - 1);
    if (Last->SequenceStop()) {
        --FLevel;
        while (FLevel > 0 && !FItems->Item(FLevel - 1)->SequenceStart()) {
            ApplyBackwards(FItems->Item(FLevel - 1));
            --FLevel;
        }
        if (FLevel > 0) --FLevel;  // the start marker
        FGrid->Invalidate();
        return;
    }
    if (!Last->SequenceStart()) {
        ApplyBackwards(Last);
        FGrid->RepaintCell(FGrid->Col(), Last->Row());
    }
    --FLevel;
}

void TExtGridUndoRedo::Redo()
{
    if (!FGrid || FLevel >= FItems->Count()) return;
    const TUndoRedoItem* Next = FItems->Item(FLevel);
    ++FLevel;
    if (Next->SequenceStart()) {
        // Up to the stop marker, or to the end of a sequence left open.
        ++FLevel;
        while (FLevel <= FItems->Count() && !FItems->Item(FLevel - 1)->SequenceStop()) {
            ApplyForwards(FItems->Item(FLevel - 1));
            ++FLevel;
        }
        if (FLevel > FItems->Count()) FLevel = FItems->Count();
        FGrid->Invalidate();
        return;
    }
    if (!Next->SequenceStop()) ApplyForwards(Next);
}

void TExtGridUndoRedo::Reset()
{
    while (FItems->Count() > 0) FItems->Delete(0);
    FLevel = 0;
}
