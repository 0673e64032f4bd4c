// The markup renderer's items: pictures, embedded controls, list bullets and the body background.
#include "grid/base/EsgHTMLEInternal.h"

#include "grid/base/ExtXPVS.h"
#include "grid/base/PictureContainer.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/ImageList.h"
#include "graphics/Region.h"
#include "rtl/NumConv.h"

#include <algorithm>

namespace {

int32_t Proportional(int32_t Value, int32_t Numerator, int32_t Denominator)
{
    return static_cast<int32_t>(std::min<int64_t>(
        RoundHalfEven(static_cast<long double>(Value) * Numerator / Denominator), MaxTagPixels));
}

// Value times Scale within 0..MaxTagPixels; a scale that is not a positive number gives 0.
int32_t Scaled(int32_t Value, double Scale)
{
    const long double scaled = Value * static_cast<long double>(Scale);
    if (!(scaled > 0)) return 0;
    return static_cast<int32_t>(RoundHalfEven(std::min<long double>(scaled, MaxTagPixels)));
}

}  // namespace

// --- Pictures ---

TMarkupRenderer::TStep TMarkupRenderer::Picture(QStringView Tag)
{
    const TTagAttributes attributes(Tag);
    const int32_t number = FState.PictureNumber + 1;
    QString source = attributes.Value(QLatin1StringView("SRC"));
    if (number == FHoverPicture && attributes.Has(QLatin1StringView("ALT")))
        source = attributes.Value(QLatin1StringView("ALT"));
    const TInlinePicture picture = ResolvePicture(attributes, source);
    const TSize size = picture.Size;
    if (FX + size.cx > FAvailable && size.cx <= FAvailable && LineStarted()) return stLineEndBefore;

    FState.PictureNumber = number;
    FLine.Height = std::max(FLine.Height, size.cy);
    const QString align = attributes.Value(QLatin1StringView("ALIGN")).trimmed().toUpper();
    if (align.startsWith(QLatin1String("TOP"))) FLine.Lift = FLine.Height - FGh;
    else if (align.startsWith(QLatin1String("MIDDLE"))) FLine.Lift = (FLine.Height - FGh) / 2;

    if (FState.InLink) {
        // The measuring pass finds the hover picture, whose ALT source the second pass shows.
        if (!FFinal) {
            if (PtInRect(Bounds(FLeft + FX, FTop, size.cx, size.cy), FIn.Hit)) FHoverPicture = number;
        } else if (PtInRect(Bounds(FLeft + FX, TextBottom() - size.cy, size.cx, size.cy), FIn.Hit)) {
            HitLink();
            FItemHit = true;
            FHoverPicture = number;
        }
    }
    if (FDrawing) DrawPicture(picture, Bounds(FLeft + FX, TextBottom() - size.cy, size.cx, size.cy));
    Advance(size.cx);
    return stContinue;
}

TInlinePicture TMarkupRenderer::ResolvePicture(const TTagAttributes& Attributes, const QString& Source)
{
    TInlinePicture picture;
    const int32_t ppiX = GetDeviceCaps(FCanvas, LOGPIXELSX);
    const int32_t ppiY = GetDeviceCaps(FCanvas, LOGPIXELSY);
    const auto scaled = [ppiX, ppiY](TSize Size) {
        return TSize{ScaleToPixelsPerInch(Size.cx, ppiX), ScaleToPixelsPerInch(Size.cy, ppiY)};
    };
    const QString upper = Source.toUpper();
    if (upper.startsWith(QLatin1String("IDX:"))) {
        const int32_t index = IntOf(Source.mid(4));
        if (FIn.Images && index >= 0 && index < FIn.Images->Count()) {
            picture.Kind = TInlinePicture::ipImageIndex;
            picture.Index = index;
            picture.Size = scaled({FIn.Images->Width(), FIn.Images->Height()});
        }
        return picture;
    }
    if (upper.startsWith(QLatin1String("SSYS:")) || upper.startsWith(QLatin1String("LSYS:"))) {
        picture.Kind = TInlinePicture::ipShellIcon;
        picture.ShellName = Source.mid(5);
        picture.Large = upper.startsWith(QLatin1Char('L'));
        TSize size;
        DrawShellIcon(FCanvas, 0, 0, picture.ShellName, picture.Large, false, false, 1, size);
        picture.Size = scaled(size);
        return picture;
    }
    THTMLPicture* found = FindPicture(Source);
    if (!found || found->Empty() || found->Width() <= 0 || found->Height() <= 0) return picture;
    picture.Kind = TInlinePicture::ipPicture;
    picture.Picture = found;
    const int32_t width = std::max(0, IntAttribute(Attributes, QLatin1StringView("WIDTH"), 0));
    const int32_t height = std::max(0, IntAttribute(Attributes, QLatin1StringView("HEIGHT"), 0));
    picture.Requested = width > 0 || height > 0;
    if (width > 0 && height > 0) picture.Size = {width, height};
    else if (width > 0) picture.Size = {width, Proportional(width, found->Height(), found->Width())};
    else if (height > 0) picture.Size = {Proportional(height, found->Width(), found->Height()), height};
    else picture.Size = {found->MaxWidth(), found->MaxHeight()};
    picture.Size = scaled(picture.Size);
    return picture;
}

void TMarkupRenderer::DrawPicture(const TInlinePicture& Picture, const TRect& Area)
{
    switch (Picture.Kind) {
    case TInlinePicture::ipNone:
        break;
    case TInlinePicture::ipImageIndex:
        if (FIn.ScaleImages) {
            // Keyed on a colour the list's images do not use, so their transparent parts stay out.
            TBitmap image;
            image.SetSize(FIn.Images->Width(), FIn.Images->Height());
            image.Canvas()->Brush()->SetColor(clFuchsia);
            image.Canvas()->FillRect(Rect(0, 0, image.Width(), image.Height()));
            FIn.Images->Draw(image.Canvas(), 0, 0, Picture.Index);
            image.SetTransparentColor(clFuchsia);
            image.SetTransparent(true);
            FCanvas->StretchDraw(Bounds(Area.Left, Area.Top, Scaled(image.Width(), FIn.ImageScale),
                                        Scaled(image.Height(), FIn.ImageScale)),
                                 &image);
        } else {
            FIn.Images->Draw(FCanvas, Area.Left, Area.Top, Picture.Index);
        }
        break;
    case TInlinePicture::ipShellIcon: {
        TSize size;
        DrawShellIcon(FCanvas, Area.Left, Area.Top, Picture.ShellName, Picture.Large, true, FIn.ScaleImages,
                      FIn.ImageScale, size);
        break;
    }
    case TInlinePicture::ipPicture: {
        THTMLPicture* picture = Picture.Picture;
        if (Picture.Requested) {
            const bool stretched = picture->Stretched();
            picture->SetStretched(true);
            FCanvas->StretchDraw(Area, picture);
            picture->SetStretched(stretched);
            break;
        }
        if (picture->FrameCount() > 1 && FEntryBrush.Color() != clNone) {
            // The brush's colour at entry, even when the brush was clear.
            TKeepBrush keep(FCanvas);
            FCanvas->Brush()->SetColor(FEntryBrush.Color());
            FCanvas->FillRect(Area);
        }
        FCanvas->Draw(Area.Left + picture->FrameXPos(), Area.Top + picture->FrameYPos(), picture);
        break;
    }
    }
}

THTMLPicture* TMarkupRenderer::FindPicture(const QString& Source)
{
    if (!Source.contains(QLatin1Char(':')))
        return FIn.PictureContainer ? FIn.PictureContainer->FindPicture(Source) : nullptr;
    if (!Source.contains(QLatin1String("://")) || !FIn.PictureCache) return nullptr;
    if (THTMLPicture* cached = FIn.PictureCache->FindPicture(Source)) return cached;
    THTMLPicture* picture = FIn.PictureCache->AddPicture();
    picture->SetAsynch(false);
    try {
        picture->LoadFromURL(Source);
    } catch (const Exception&) {
        // A source that cannot be decoded stays an empty picture and is not tried again.
    }
    return FIn.PictureCache->FindPicture(Source);
}

void TMarkupRenderer::Body(QStringView Tag)
{
    const TTagAttributes attributes(Tag);
    const TRect& area = FIn.Rect;
    if (attributes.Has(QLatin1StringView("BGCOLOR"))) {
        TKeepBrush keep(FCanvas);
        FCanvas->Brush()->SetColor(MarkupColor(attributes.Value(QLatin1StringView("BGCOLOR"))));
        FCanvas->FillRect(area);
    }
    if (!attributes.Has(QLatin1StringView("BACKGROUND"))) return;
    THTMLPicture* picture = FindPicture(attributes.Value(QLatin1StringView("BACKGROUND")));
    if (!picture || picture->Empty() || picture->Width() <= 0 || picture->Height() <= 0) return;
    const int32_t saved = SaveDC(FCanvas);
    IntersectClipRect(FCanvas, area.Left, area.Top, area.Right, area.Bottom);
    // Tiles from the rectangle's top-left, drawn only where drawing reaches.
    TRect visible;
    GetClipBox(FCanvas, visible);
    const int32_t width = picture->Width();
    const int32_t height = picture->Height();
    const int32_t firstX = area.Left + std::max(0, (visible.Left - area.Left) / width * width);
    const int32_t firstY = area.Top + std::max(0, (visible.Top - area.Top) / height * height);
    for (int32_t y = firstY; y < visible.Bottom; y += height)
        for (int32_t x = firstX; x < visible.Right; x += width) FCanvas->Draw(x, y, picture);
    RestoreDC(FCanvas, saved);
}

// --- Controls ---

TMarkupRenderer::TStep TMarkupRenderer::Control(QStringView Tag)
{
    const TControlTag control = ParseControlTag(Tag.toString());
    if (control.Width.isEmpty()) return stContinue;
    const int32_t width = std::clamp(IntOf(control.Width), 0, MaxTagPixels);
    int32_t height = 25;
    if (!TryStrToInt(control.Height.trimmed(), height)) height = 25;
    height = std::clamp(height, 0, MaxTagPixels);
    const bool box = control.Type == QLatin1String("CHECK") || control.Type == QLatin1String("RADIO");
    const bool tall = control.Type == QLatin1String("BUTTON") || control.Type == QLatin1String("COMBO");
    const int32_t lineHeight = height > 25 ? height - 2 : box ? 16 : 23;
    const TSize size = box ? TSize{16, 16} : TSize{width, tall ? 25 : FGh + 10};
    if (FX + size.cx > FAvailable && size.cx <= FAvailable && LineStarted()) return stLineEndBefore;

    FLine.Height = std::max(FLine.Height, lineHeight);
    const TRect bounds = Bounds(FLeft + FX, FTop, size.cx, size.cy);
    const bool over = PtInRect(bounds, FIn.Hit);
    const bool asked = FIn.HitTest && !FIn.ControlID.isEmpty() && control.ID == FIn.ControlID;
    if (FFinal && (over || asked)) {
        FOut.Link = QStringLiteral("ctrl");
        FOut.ControlRect = bounds;
        FOut.ControlValue = control.Value;
        FOut.ControlID = control.ID;
        FOut.ControlType = control.Type;
        FItemHit = true;
    }
    if (FDrawing) DrawControl(control, width, height, lineHeight, over);
    Advance(size.cx);
    return stContinue;
}

void TMarkupRenderer::DrawControl(const TControlTag& Control, int32_t Width, int32_t Height, int32_t LineHeight,
                                  bool Over)
{
    const QString& type = Control.Type;
    const int32_t x = FLeft + FX;
    const int32_t bottom = TextBottom();
    TKeepPen keepPen(FCanvas);
    TKeepBrush keepBrush(FCanvas);
    FCanvas->Pen()->SetColor(FThemed ? TColor(0xB99D7F) : TColor(0x808080));
    if (type == QLatin1String("EDIT") || type == QLatin1String("PASSWORD") || type == QLatin1String("MASK") ||
        type == QLatin1String("COMBO")) {
        const bool combo = type == QLatin1String("COMBO");
        const TRect box = Rect(x, bottom - LineHeight + 4, x + Width, bottom + 2);
        FCanvas->Brush()->SetColor(clWhite);
        FCanvas->Rectangle(box);
        const QString value = type == QLatin1String("PASSWORD") ? PasswordMask(Control.Value) : Control.Value;
        ControlText(value, Rect(box.Left + (combo ? 4 : 2), box.Top, box.Right - (combo ? 18 : 2), box.Bottom), DT_LEFT);
        if (!combo) return;
        TRect button = Rect(box.Right - 18, box.Top + 1, box.Right - 1, box.Bottom - 1);
        if (FThemed) DrawThemed(u"combobox", CP_DROPDOWNBUTTON, Over ? CBXS_HOT : CBXS_NORMAL, button);
        else DrawFrameControl(FCanvas, button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    } else if (type == QLatin1String("CHECK") || type == QLatin1String("RADIO")) {
        const bool radio = type == QLatin1String("RADIO");
        const bool checked = Control.Value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
        TRect mark = radio ? Rect(x + 2, bottom - 14, x + 14, bottom) : Rect(x + 2, bottom - 15, x + 15, bottom);
        if (FThemed) {
            if (radio) DrawThemed(u"button", BP_RADIOBUTTON, checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL, mark);
            else DrawThemed(u"button", BP_CHECKBOX, checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, mark);
        } else {
            const uint32_t kind = radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
            DrawFrameControl(FCanvas, mark, DFC_BUTTON, kind | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
        }
    } else if (type == QLatin1String("BUTTON")) {
        TRect face = Rect(x + 2, bottom - Height, x + Width - 2, bottom);
        if (FThemed)
            DrawThemed(u"button", BP_PUSHBUTTON, FIn.Down ? PBS_PRESSED : Over ? PBS_HOT : PBS_NORMAL, face);
        else
            DrawFrameControl(FCanvas, face, DFC_BUTTON, DFCS_BUTTONPUSH | (FIn.Down && Over ? DFCS_PUSHED : 0));
        ControlText(Control.Value, Rect(face.Left + 2, face.Top + 2, face.Right - 2, face.Bottom - 2), DT_CENTER);
    }
}

void TMarkupRenderer::ControlText(const QString& Text, TRect Area, uint32_t Alignment)
{
    FCanvas->Brush()->SetStyle(bsClear);
    // A control's value is shown as typed: "&" marks no mnemonic.
    DrawText(FCanvas, Text, -1, Area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | Alignment);
}

void TMarkupRenderer::DrawThemed(const char16_t* ClassName, int32_t Part, int32_t State, const TRect& Area)
{
    const HTHEME theme = ThemeAPI.OpenThemeData(FIn.Window, ClassName);
    if (!theme) return;
    ThemeAPI.DrawThemeBackground(theme, FCanvas, Part, State, &Area, nullptr);
    ThemeAPI.CloseThemeData(theme);
}

// --- List bullets ---

TMarkupRenderer::TStep TMarkupRenderer::Bullet()
{
    if (FBulletOnLine) return stLineEndBefore;
    const int32_t x = AddClamped(FX, int32_t(std::min<int64_t>(12LL * FState.ListLevel, MaxCoordinate)));
    if (x > FAvailable && LineStarted()) return stLineEndBefore;
    Advance(x - FX);
    FBulletOnLine = true;
    if (FDrawing) {
        // The Symbol font's bullet for odd levels, a circle for even ones.
        const QString name = FCanvas->Font()->Name();
        FCanvas->Font()->SetName(QStringLiteral("Symbol"));
        TRect area = Rect(FLeft + FX - 12, FTop, FLeft + FX, TextBottom());
        DrawTextEx(FCanvas, FState.ListLevel % 2 ? QStringLiteral("\u2022") : QStringLiteral("o"), -1, area, FFormat,
                   nullptr);
        FCanvas->Font()->SetName(name);
    }
    return stContinue;
}

// --- Picture drawing helpers ---

void StretchBitmapToRect(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap)
{
    StretchBlt(Canvas, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Bitmap->Canvas(), 0, 0, Bitmap->Width(),
               Bitmap->Height(), SRCCOPY);
}

void DrawShellIcon(TCanvas*, int32_t, int32_t, const QString&, bool Large, bool, bool, double, TSize& Size)
{
    const int32_t side = Large ? 32 : 16;
    Size = {side, side};
}
