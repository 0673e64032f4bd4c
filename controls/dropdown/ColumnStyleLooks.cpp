// The column drop-downs' looks per component style.
#include "dropdown/ColumnStyleLooks.h"

namespace {

constexpr TColor Keep = TColumnStyleLook::Keep;

constexpr TColumnStyleLook StyleLooks[] = {
    {tsOffice2003Blue, RGB(89, 135, 214), RGB(3, 56, 147), clWhite, RGB(0, 45, 150), RGB(0, 45, 150), scOffice2007,
     Keep, clBlack},
    {tsOffice2003Silver, RGB(165, 164, 189), RGB(117, 116, 149), Keep, RGB(124, 124, 148), RGB(124, 124, 148),
     scOffice2007, Keep, clBlack},
    {tsOffice2003Olive, RGB(175, 192, 130), RGB(99, 122, 68), Keep, RGB(96, 128, 88), RGB(96, 128, 88), scOffice2007,
     Keep, clBlack},
    {tsOffice2003Classic, RGB(128, 128, 128), RGB(128, 128, 128), Keep, RGB(128, 128, 128), RGB(128, 128, 128),
     scOffice2007, Keep, clBlack},
    {tsOffice2007Luna, RGB(227, 239, 255), RGB(175, 210, 255), RGB(8, 55, 114), RGB(175, 210, 255), RGB(175, 210, 255),
     scOffice2007, Keep, clBlack},
    {tsOffice2007Obsidian, RGB(240, 241, 242), RGB(189, 194, 201), RGB(55, 60, 67), RGB(76, 83, 92), RGB(76, 83, 92),
     scOffice2007, Keep, clBlack},
    {tsWindowsXP, clBtnFace, clBtnFace, clBlack, RGB(192, 192, 192), clBlack, scCustom, clHighlight, clHighlightText},
    {tsWhidbey, RGB(239, 238, 235), RGB(152, 152, 126), clWhite, RGB(0, 45, 150), RGB(0, 45, 150), scOffice2007, Keep,
     clBlack},
    {tsOffice2007Silver, RGB(246, 247, 248), RGB(219, 224, 232), RGB(21, 66, 139), RGB(111, 112, 116),
     RGB(111, 112, 116), scOffice2007, Keep, clBlack},
    {tsWindowsVista, RGB(249, 253, 255), RGB(240, 250, 255), clBlack, RGB(218, 242, 252), RGB(218, 242, 252),
     scWindowsVista, Keep, clBlack},
    {tsWindows7, RGB(250, 251, 253), RGB(235, 243, 253), clBlack, RGB(184, 214, 251), RGB(184, 214, 251), scWindows7,
     Keep, clBlack},
    {tsTerminal, clBtnFace, clBtnFace, clBlack, RGB(128, 128, 128), RGB(128, 128, 128), scCustom, clHighlight,
     clHighlightText},
    {tsOffice2010Blue, RGB(205, 219, 237), clNone, RGB(30, 57, 91), RGB(207, 221, 238), RGB(207, 221, 238), scCustom,
     RGB(255, 208, 108), clBlack},
    {tsOffice2010Silver, RGB(229, 233, 237), clNone, RGB(30, 57, 91), RGB(207, 221, 238), RGB(207, 221, 238), scCustom,
     RGB(255, 208, 108), clBlack},
    {tsOffice2010Black, RGB(130, 130, 130), clNone, RGB(214, 215, 215), RGB(207, 221, 238), RGB(207, 221, 238),
     scCustom, RGB(255, 208, 108), clBlack},
};

}  // namespace

const TColumnStyleLook* FindColumnStyleLook(TVyxStyle AStyle)
{
    for (const TColumnStyleLook& Look : StyleLooks)
        if (Look.Style == AStyle) return &Look;
    return nullptr;
}
