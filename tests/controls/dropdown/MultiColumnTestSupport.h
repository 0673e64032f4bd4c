// Shared pieces of the multi-column drop-down tests: a shown form with the drop-down, filling and the open list.
#pragma once

#include "PickerTestSupport.h"

#include "dropdown/MultiColumnDropDown.h"
#include "dropdown/MultiColumnGrid.h"

#include "rtl/Strings.h"

#include <QList>
#include <QStringList>

#include <initializer_list>
#include <memory>

namespace MultiColumnTest {

using MultiColumn::TExtColGrid;

class MultiColumnFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = PickerTest::MakeForm(420, 320, clWhite);
        DropDown = Make();
        DropDown->OnSelect = [this](TObject*) { Selects << DropDown->ItemIndex(); };
        Form->Show();
        ProcessPendingEvents();
        DropDown->SetFocus();
        ProcessPendingEvents();
    }

    TExtMultiColumnDropDown* Make()
    {
        auto* Made = PickerTest::Place<TExtMultiColumnDropDown>(Form.get(), Bounds(10, 10, 150, 22));
        Made->SetTabStop(true);
        return Made;
    }

    // Columns of the given widths (80 each by default), then one item per row of lines, filled as the grid's
    // edit cycle fills: between BeginUpdate and EndUpdate.
    void Fill(std::initializer_list<QStringList> Rows, QList<int32_t> Widths = {80, 80})
    {
        Fill(DropDown, Rows, Widths);
    }
    static void Fill(TExtMultiColumnDropDown* Target, std::initializer_list<QStringList> Rows, QList<int32_t> Widths)
    {
        Target->BeginUpdate();
        Target->Columns()->Clear();
        for (int32_t Width : Widths) Target->Columns()->Add()->SetWidth(Width);
        Target->Items()->Clear();
        for (const QStringList& Lines : Rows) AddItem(Target, Lines);
        Target->EndUpdate();
    }
    static MultiColumn::TDropDownItem* AddItem(TExtMultiColumnDropDown* Target, const QStringList& Lines)
    {
        MultiColumn::TDropDownItem* Item = Target->Items()->Add();
        for (const QString& Line : Lines) Item->Text()->Add(Line);
        return Item;
    }

    void Open()
    {
        PickerTest::ClickDropButton(DropDown);
        ASSERT_TRUE(IsOpen());
    }
    bool IsOpen() const { return DropDown->DroppedDown() && DropDown->DropDownForm()->Visible(); }
    TExtColGrid* List() const { return dynamic_cast<TExtColGrid*>(DropDown->Control()); }
    QString Selected() const { return DropDown->EditText().mid(DropDown->SelStart(), DropDown->SelLength()); }
    // The middle of an item's row in the list, in column Col.
    TPoint ItemPoint(int32_t Index, int32_t Col = 0) const
    {
        const TRect Cell = List()->CellRect(Col, Index + 1);
        return {(Cell.Left + Cell.Right) / 2, (Cell.Top + Cell.Bottom) / 2};
    }

    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TExtMultiColumnDropDown* DropDown = nullptr;
    QList<int32_t> Selects;
};

}  // namespace MultiColumnTest
