// Shared pieces of the picker tests: a shown form, placing controls, pixel colours and saved images.
#pragma once

#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/Render.h"

#include "DropDownTestSupport.h"

#include "graphics/Colors.h"
#include "rtl/DateTime.h"
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

using DropDownTest::Place;
using DropDownTest::Rgb;

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

// Clicks the drop button, as a user opens the pop-up.
inline void ClickDropButton(TExtCustomDropDown* DropDown)
{
    TControl* Button = DropDown->Button()->SpeedButton();
    Input::Click(Button, {Button->Width() / 2, Button->Height() / 2});
}

inline TDateTime ClockTime(int Hour, int Minute, int Second = 0)
{
    return EncodeTime(uint16_t(Hour), uint16_t(Minute), uint16_t(Second), 0);
}

}  // namespace PickerTest
