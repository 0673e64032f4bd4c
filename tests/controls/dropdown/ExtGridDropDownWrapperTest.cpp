// TGridExtGridDropDown: the grid drop-down as a cell editor of the string grid, its pop-up's grid reached as Grid.
#include "dropdown/ExtGridDropDownGrid.h"

#include "grid/core/ExtGrid.h"
#include "grid/view/GridDropDownEditors.h"

#include "rtl/Strings.h"
#include "support/ExceptionMessage.h"
#include "support/Input.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(GridExtGridDropDownTest, OnlyAGridOwnsItAndItsGridIsThePopupsGrid)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    EXPECT_EQ(MessageOf<EInvalidCast>([&] { New<TGridExtGridDropDown>(Form.get()); }), "Invalid class typecast");
    std::unique_ptr<TExtStringGrid> Owner(New<TExtStringGrid>(nullptr));
    auto* Editor = New<TGridExtGridDropDown>(Owner.get());
    ASSERT_NE(Editor->Grid(), nullptr);
    EXPECT_EQ(Editor->Grid(), Editor->GetGrid());
    EXPECT_NE(Editor->Grid(), Owner.get());
    EXPECT_EQ(Editor->Version(), QStringLiteral("6.0.1.1"));
    // Filled through Grid, as the edit cycle fills it, without items.
    Editor->SetUseItems(false);
    Editor->Grid()->SetColCount(1);
    Editor->Grid()->SetRowCount(3);
    Editor->Grid()->SetCells(0, 1, QStringLiteral("Oak"));
    Editor->Grid()->SetCells(0, 2, QStringLiteral("Elm"));
    Editor->SetItemIndex(1);
    EXPECT_EQ(Editor->Text(), QStringLiteral("Elm"));
}

}  // namespace
