// TCellNode: node look defaults, setters that repaint the grid, Assign.
#include "grid/core/CellNode.h"

#include "graphics/Bitmap.h"
#include "windows/Controls.h"

TCellNode::TCellNode(TControl* AOwner)
    : FExpandGlyph(std::make_unique<TBitmap>()), FContractGlyph(std::make_unique<TBitmap>()), FOwner(AOwner)
{
}

TCellNode::~TCellNode() = default;

void TCellNode::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TCellNode*>(Source);
    if (!Src || Src == this) return;
    FColor = Src->FColor;
    FExpandOne = Src->FExpandOne;
    FNodeType = Src->FNodeType;
    FNodeColor = Src->FNodeColor;
    FNodeIndent = Src->FNodeIndent;
    FExpandGlyph->Assign(Src->FExpandGlyph.get());
    FContractGlyph->Assign(Src->FContractGlyph.get());
    FShowTree = Src->FShowTree;
    FShowTreeFull = Src->FShowTreeFull;
    FTreeColor = Src->FTreeColor;
}

template <typename T>
void TCellNode::StoreAndRepaint(T& Field, T Value)
{
    if (Field == Value) return;
    Field = Value;
    if (FOwner) FOwner->Invalidate();
}

void TCellNode::SetNodeType(TNodeType Value)
{
    StoreAndRepaint(FNodeType, Value);
}

void TCellNode::SetNodeIndent(int32_t Value)
{
    StoreAndRepaint(FNodeIndent, Value);
}

void TCellNode::SetExpandGlyph(TBitmap* Value)
{
    FExpandGlyph->Assign(Value);
}

void TCellNode::SetContractGlyph(TBitmap* Value)
{
    FContractGlyph->Assign(Value);
}

void TCellNode::SetShowTree(bool Value)
{
    StoreAndRepaint(FShowTree, Value);
}

void TCellNode::SetShowTreeFull(bool Value)
{
    StoreAndRepaint(FShowTreeFull, Value);
}

void TCellNode::SetTreeColor(TColor Value)
{
    StoreAndRepaint(FTreeColor, Value);
}
