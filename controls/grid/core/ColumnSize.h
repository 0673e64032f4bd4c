// TColumnSize: the string grid's column-size settings (stretching, the rows auto-sizing measures,
// where column widths are kept).
#pragma once

#include "rtl/Component.h"

#include <QString>

#include <cstdint>

enum TAutoSizeRows { arAll, arNormal, arFixed };
enum TColumnSizeLocation { clRegistry, clIniFile };

class TColumnSize : public TPersistent {
public:
    explicit TColumnSize(TComponent* AOwner) : FOwner(AOwner) {}
    // Plain copies from another TColumnSize (the Stretch setter does not run); other sources are ignored.
    void Assign(TPersistent* Source) override;

    TAutoSizeRows Rows() const { return FRows; }
    void SetRows(TAutoSizeRows Value) { FRows = Value; }
    bool Save() const { return FSave; }
    void SetSave(bool Value) { FSave = Value; }
    QString Key() const { return FKey; }
    void SetKey(const QString& Value) { FKey = Value; }
    QString Section() const { return FSection; }
    void SetSection(const QString& Value) { FSection = Value; }
    bool Stretch() const { return FStretch; }
    // Stores; a grid with a parent stretches its stretch column at once.
    void SetStretch(bool Value);
    // -1: the last column.
    int32_t StretchColumn() const { return FStretchColumn; }
    void SetStretchColumn(int32_t Value) { FStretchColumn = Value; }
    bool SynchWithGrid() const { return FSynchWithGrid; }
    void SetSynchWithGrid(bool Value) { FSynchWithGrid = Value; }
    bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
    void SetSynchNormalCellsOnly(bool Value) { FSynchNormalCellsOnly = Value; }
    TColumnSizeLocation Location() const { return FLocation; }
    void SetLocation(TColumnSizeLocation Value) { FLocation = Value; }

private:
    TComponent* FOwner;
    bool FSave = false;
    QString FKey;
    QString FSection;
    bool FStretch = false;
    int32_t FStretchColumn = -1;
    bool FSynchWithGrid = false;
    bool FSynchNormalCellsOnly = false;
    TColumnSizeLocation FLocation = clRegistry;
    TAutoSizeRows FRows = arAll;
};
