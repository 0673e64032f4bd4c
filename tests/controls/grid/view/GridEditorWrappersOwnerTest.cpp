// The spin, edit-with-button, value-and-unit and date wrappers know their grid; other owners fail.
#include "grid/core/ExtGrid.h"
#include "grid/view/GridDateEditors.h"
#include "grid/view/GridValueEditors.h"

#include "rtl/Exceptions.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

TEST(GridEditorWrappersOwnerTest, OnlyAGridOwnsTheWrappersButTheDateTimePickerTakesAnyOwner)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    auto* Grid = New<TExtStringGrid>(Form.get());

    const std::vector<std::pair<const char*, std::function<TObject*(TComponent*)>>> Makers = {
        {"TGridSpin", [](TComponent* Owner) -> TObject* { return New<TGridSpin>(Owner); }},
        {"TGridEditBtn", [](TComponent* Owner) -> TObject* { return New<TGridEditBtn>(Owner); }},
        {"TGridUnitEditBtn", [](TComponent* Owner) -> TObject* { return New<TGridUnitEditBtn>(Owner); }},
        {"TGridDatePicker", [](TComponent* Owner) -> TObject* { return New<TGridDatePicker>(Owner); }},
    };
    for (const auto& [Name, Make] : Makers) {
        SCOPED_TRACE(Name);
        try {
            Make(Form.get());
            FAIL() << "made with a form as owner";
        } catch (const EInvalidCast& E) {
            EXPECT_EQ(E.Message(), QStringLiteral("Invalid class typecast"));
        }
        EXPECT_NE(Make(Grid), nullptr);
    }
    EXPECT_EQ(New<TGridSpin>(Grid)->Grid(), Grid);
    EXPECT_EQ(New<TGridEditBtn>(Grid)->Grid(), Grid);
    EXPECT_EQ(New<TGridUnitEditBtn>(Grid)->Grid(), Grid);
    EXPECT_EQ(New<TGridDatePicker>(Grid)->Grid(), Grid);
    EXPECT_EQ(New<TGridDateTimePicker>(Grid)->Grid(), Grid);
    // No check for the date-time picker: another owner leaves it without a grid.
    EXPECT_EQ(New<TGridDateTimePicker>(Form.get())->Grid(), nullptr);
}

TEST(GridEditorWrappersOwnerTest, TheSpinStartsAtZeroToHundredByOne)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    auto* Spin = New<TGridSpin>(New<TExtStringGrid>(Form.get()));
    EXPECT_EQ(Spin->MinValue(), 0);
    EXPECT_EQ(Spin->MaxValue(), 100);
    EXPECT_EQ(Spin->Increment(), 1);
}

}  // namespace
