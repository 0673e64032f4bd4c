// One demo form holding every in-cell editor control, rendered to test-artifacts for people to look at.
#include "EditorTestSupport.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "grid/base/EditBtn.h"
#include "grid/base/EsgDateTimePicker.h"
#include "grid/base/ExtCheckBox.h"
#include "grid/base/ExtCombo.h"
#include "grid/base/ExtGridButton.h"
#include "grid/base/GridMarkers.h"
#include "grid/base/SpinEdit.h"
#include "rtl/Strings.h"
#include "support/Artifacts.h"

#include <gtest/gtest.h>

using namespace EditorTest;

namespace {

TEST(EditorDemoTest, EveryControlOnOneForm)
{
    auto Form = MakeForm(420, 230);
    TBitmap Glyph;
    Glyph.SetSize(12, 12);
    Glyph.Canvas()->Brush()->SetColor(clTeal);
    Glyph.Canvas()->FillRect(Rect(0, 0, 12, 12));
    Glyph.Canvas()->SetPixels(0, 11, clWhite);
    const int32_t Looks[] = {0, 1, 2, 6};
    for (int32_t Index = 0; Index < 4; ++Index) {
        auto* Button = Place<TExtGridButton>(Form.get(), Bounds(10 + Index * 60, 10, 56, 24));
        Button->SetLook(Looks[Index]);
        Button->SetGlyph(&Glyph);
        Button->SetCaption(QStringLiteral("Find"));
        if (Index == 3) Button->SetDropDownButton(true);
    }
    auto* Edit = Place<TEsgEditBtn>(Form.get(), Bounds(10, 45, 120, 24));
    Edit->SetButtonCaption(QStringLiteral("..."));
    Edit->SetText(QStringLiteral("C:\\file.txt"));
    auto* Unit = Place<TEsgUnitEditBtn>(Form.get(), Bounds(140, 45, 120, 24));
    TStringList Units;
    Units.Add(QStringLiteral("mm"));
    Units.Add(QStringLiteral("cm"));
    Unit->SetUnits(&Units);
    Unit->SetTextAndUnit(QStringLiteral("12cm"));
    auto* Combo = Place<TEsgComboBox>(Form.get(), Bounds(330, 45, 80, 24));
    Combo->Items()->Add(QStringLiteral("Modbus"));
    Combo->SetItemIndex(0);
    Combo->SetLabelCaption(QStringLiteral("Bus"));
    Combo->SetLabelPosition(lpLeftCenter);
    Combo->SetFlat(true);
    auto* Check = Place<TExtCheckBox>(Form.get(), Bounds(10, 80, 120, 20));
    Check->SetCaption(QStringLiteral("Match case"));
    Check->SetChecked(true);
    const TEsgSpinType Kinds[] = {sptNormal, sptFloat, sptDate, sptTime};
    for (int32_t Index = 0; Index < 4; ++Index) {
        auto* Spin = Place<TEsgSpinEdit>(Form.get(), Bounds(10 + (Index % 2) * 130, 110 + (Index / 2) * 30, 120, 24));
        Spin->SetSpinType(Kinds[Index]);
    }
    auto* Picker = Place<TEsgDateTimePicker>(Form.get(), Bounds(270, 110, 140, 24));
    Picker->SetMetroStyle(true);
    Picker->SetBorderColor(clGray);
    Form->Show();
    auto* Arrow = New<TArrowWindow>(Form.get(), arrDown);
    const TPoint Under = Form->ClientToScreen({300, 180});
    Arrow->SetBounds(Under.X, Under.Y, 10, 9);
    Arrow->Show();
    const QImage Image = RenderControl(Form.get());
    SaveArtifact(Image, QStringLiteral("EditorControlsDemo"));
    EXPECT_EQ(Image.size(), QSize(420, 230));
}

}  // namespace
