// Shared pieces of the picker tests: a shown form, placing controls, pixel colours and saved images.
#pragma once

#include "support/Artifacts.h"
#include "support/Render.h"

#include "graphics/Colors.h"
#include "windows/Forms.h"

#include <QImage>
#include <QString>

#include <memory>

namespace PickerTest {

// A form with a client area of Width x Height, not yet shown; the test owns it.
inline std::unique_ptr<TForm> MakeForm(int32_t Width, int32_t Height, TColor Color = clBtnFace)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    Form->SetBorderStyle(bsSingle);
    Form->SetClientWidth(Width);
    Form->SetClientHeight(Height);
    Form->SetColor(Color);
    return Form;
}

// A control of class T on Parent at the given bounds.
template <typename T>
T* Place(TWinControl* Parent, const TRect& Bounds)
{
    T* Control = New<T>(Parent);
    Control->SetBoundsRect(Bounds);
    Control->SetParent(Parent);
    return Control;
}

inline QRgb Rgb(TColor Color)
{
    const COLORREF Value = ColorToRGB(Color);
    return qRgb(GetRValue(Value), GetGValue(Value), GetBValue(Value));
}

// A colour as "#RRGGBB", so that failures show readable values.
inline QString Html(QRgb Pixel)
{
    return QStringLiteral("#%1").arg(Pixel & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}
inline QString Html(TColor Color)
{
    return Html(Rgb(Color));
}
inline QString HtmlAt(const QImage& Image, int32_t X, int32_t Y)
{
    return Html(Image.pixel(X, Y));
}

// Renders Control and keeps the image under build/test-artifacts/<Name>.png.
inline QImage RenderAndSave(TControl* Control, const QString& Name)
{
    const QImage Image = RenderControl(Control);
    SaveArtifact(Image, Name);
    return Image;
}

}  // namespace PickerTest
