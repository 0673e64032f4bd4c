// TCellNode: the look of the outline nodes of a grid (its CellNode property).
#pragma once

#include "grid/core/CellTypes.h"

#include "graphics/Colors.h"
#include "rtl/Object.h"

#include <cstdint>
#include <memory>

class TBitmap;
class TControl;

class TCellNode : public TPersistent {
public:
    using TNodeType = ExtGrid::TNodeType;

    // AOwner (the grid, not owned, may be nil) is repainted when a setter says so.
    explicit TCellNode(TControl* AOwner);
    ~TCellNode() override;

    // Copies every published value from another node look, glyphs by picture; no repaint. Any
    // other source is ignored.
    void Assign(TPersistent* Source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    bool ExpandOne() const { return FExpandOne; }
    void SetExpandOne(bool Value) { FExpandOne = Value; }
    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType Value);
    TColor NodeColor() const { return FNodeColor; }
    void SetNodeColor(TColor Value) { FNodeColor = Value; }
    // Pixels per node level.
    int32_t NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int32_t Value);
    TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
    // Copies the picture into the owned bitmap.
    void SetExpandGlyph(TBitmap* Value);
    TBitmap* ContractGlyph() const { return FContractGlyph.get(); }
    void SetContractGlyph(TBitmap* Value);
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool Value);
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool Value);
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor Value);

private:
    template <typename T>
    void StoreAndRepaint(T& Field, T Value);

    TColor FColor = clSilver;
    TNodeType FNodeType = cnXP;
    TColor FNodeColor = clBlack;
    std::unique_ptr<TBitmap> FExpandGlyph;
    bool FExpandOne = false;
    std::unique_ptr<TBitmap> FContractGlyph;
    TControl* FOwner;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    int32_t FNodeIndent = 12;
    TColor FTreeColor = clGray;
};
