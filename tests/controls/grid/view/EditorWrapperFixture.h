// A grid on a shown form whose cells open the editor type under test by F2.
#pragma once

#include "grid/core/ExtGrid.h"

#include "support/Input.h"
#include "support/Render.h"

#include "rtl/FormatSettings.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <memory>

class EditorWrapperFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetBounds(100, 100, 560, 300);
        Grid = New<TExtStringGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 520, 240);
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Grid->SetDefaultColWidth(120);
        Grid->SetDefaultRowHeight(24);
        Grid->SetOptions(Grid->Options() + goEditing);
        Grid->OnGetEditorType = [this](TObject*, int32_t, int32_t, TEditorType& E) { E = Type; };
        Form->Show();
        Grid->SetFocus();
        ProcessPendingEvents();
    }

    // F2 on (ACol, ARow) holding Text with the editor type AType; the focused control.
    TWinControl* Open(TEditorType AType, const QString& Text, int32_t ACol = 1, int32_t ARow = 1)
    {
        Type = AType;
        Grid->SetCells(ACol, ARow, Text);
        Grid->SetCol(ACol);
        Grid->SetRow(ARow);
        Input::PressKey(VK_F2);
        ProcessPendingEvents();
        return FindControl(GetFocus());
    }
    void Key(uint16_t VirtKey, TShiftState Shift = {})
    {
        Input::PressKey(VirtKey, Shift);
        ProcessPendingEvents();
    }
    void Type_(const QString& Text)
    {
        Input::TypeText(Text);
        ProcessPendingEvents();
    }
    // The grid's own editor of class T, when it made one.
    template <class T>
    T* Owned()
    {
        for (int32_t I = 0; I < Grid->ComponentCount(); ++I)
            if (auto* Found = dynamic_cast<T*>(Grid->Components(I))) return Found;
        return nullptr;
    }
    bool GridHasFocus() const { return GetFocus() == Grid->Handle(); }

    // The default formats: M/d/yyyy and h:mm:ss AMPM, "." and ",".
    TFormatSettingsScope Settings{TFormatSettings{}};
    std::unique_ptr<TForm> Form;
    TExtStringGrid* Grid = nullptr;
    TEditorType Type = edNormal;
};
