// Cell kinds, editor kinds, placements of a cell graphic and the sets of kinds the grid tests.
#pragma once

#include "rtl/Set.h"

// The kind of a typed cell. The binary cell stream stores the ordinal: never reorder.
enum TCellType {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox,
    ctRowCheckBox,
    ctProgressPie,
    ctSummary,
    ctRangeIndicator,
    ctXPProgress,
    ctInterface,
    ctScrollbar,
    ctRadioButton,
    ctBalloon,
    ctShape,
    ctRating,
    ctTriStateCheckBox,
    ctExpand
};
using TCellTypes = TSet<TCellType>;

// The editor kind of a cell; edNone cannot be edited, edDataCheckBox toggles the cell's check box.
enum TEditorType {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEditBtn,
    edFloatEditBtn,
    edCustom,
    edRichEdit,
    edNone,
    edDateTimeEdit,
    edValidChars,
    edTrackbarDropDown,
    edMemoDropDown,
    edCalculatorDropDown,
    edTimePickerDropDown,
    edDetailDropDown,
    edGridDropDown,
    edColorPickerDropDown,
    edImagePickerDropDown,
    edExtGridDropDown,
    edPositiveFloat,
    edNumericUnitEditBtn,
    edFloatUnitEditBtn,
    edMaskEditBtn
};

// Where a graphic sits in its cell: at an edge, beside or above/under the text, or stretched.
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };

// How a picture cell fits its picture into the cell.
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

enum TBalloonIcon { biNone, biInfo, biWarning, biError };

// Look of the outline node buttons. The XML document's node kind has the same name, so the type
// lives in a namespace (the grid classes name it TCellNode::TNodeType); its members are global.
namespace ExtGrid {
enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };
}
using enum ExtGrid::TNodeType;

// Kind sets, each tested on the base cell of a merged area.
inline const TCellTypes CheckBoxCellTypes{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox,
                                          ctTriStateCheckBox};
// Check boxes whose state lives in the cell text or the row selection.
inline const TCellTypes DataCheckBoxCellTypes{ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox};
// Cells that act on a click themselves; no editor opens on them.
inline const TCellTypes ControlCellTypes{ctCheckBox,     ctDataCheckBox, ctRadio,       ctButton,
                                         ctVirtCheckBox, ctRowCheckBox,  ctRadioButton, ctTriStateCheckBox};
inline const TCellTypes ButtonCellTypes{ctButton, ctBitButton};
// Cells whose value lives in the cell text or the row selection, not in the graphic.
inline const TCellTypes DataCellTypes{ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox};
