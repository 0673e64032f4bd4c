// Layered top-level windows: shown from a picture with per-pixel alpha, or with one opacity and a
// colour shown transparent. Where the window system composites, the alpha blends with what lies
// below; elsewhere the picture's pixels with any alpha show opaque. Fully transparent pixels take
// no mouse input.
#pragma once

#include "graphics/Gdi.h"
#include "windows/Messages.h"

#include <cstdint>

inline constexpr uint32_t ULW_COLORKEY = 0x01;
inline constexpr uint32_t ULW_ALPHA = 0x02;
inline constexpr uint32_t ULW_OPAQUE = 0x04;
inline constexpr uint32_t LWA_COLORKEY = 0x01;
inline constexpr uint32_t LWA_ALPHA = 0x02;

// Gives a window with WS_EX_LAYERED its picture: Size pixels of SourceDC from SourcePos ((0, 0)
// for nil). With ULW_ALPHA the blend's constant alpha scales the source, whose pixels count as
// premultiplied when the blend has AC_SRC_ALPHA (else opaque); ULW_COLORKEY makes pixels of Key
// transparent; ULW_OPAQUE shows every pixel. DestPos (screen) moves the window, Size sizes it,
// without activating it. Without SourceDC the picture stays. DestDC is not used. False for a
// window that is not layered, a size below 1 or a source rectangle outside the source's pixels.
bool UpdateLayeredWindow(HWND Wnd, HDC DestDC, const TPoint* DestPos, const TSize* Size, HDC SourceDC,
                         const TPoint* SourcePos, COLORREF Key, const BLENDFUNCTION* Blend, uint32_t Flags);
// A layered window that paints itself: LWA_ALPHA shows it with opacity Alpha, LWA_COLORKEY leaves
// its pixels of colour Key out. Its picture from UpdateLayeredWindow goes. False for a window that
// is not layered.
bool SetLayeredWindowAttributes(HWND Wnd, COLORREF Key, uint8_t Alpha, uint32_t Flags);
bool GetLayeredWindowAttributes(HWND Wnd, COLORREF* Key, uint8_t* Alpha, uint32_t* Flags);
