// The grid's rich edit: sub- and superscript of the selection, the size it asks for, growing the
// edited row, and the keys and focus changes it hands back to the grid.
#include "ExtGridTestSupport.h"

#include "grid/core/ExtRichEdit.h"

#include "rtl/Streams.h"

namespace {

using namespace Input;

// A grid whose rich edits the test sets, as the grid's editing half will.
class TRichGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TExtStringGrid::FInplaceRichEdit;
    using TExtStringGrid::FRichEdit;
    using TExtStringGrid::InvokedFocusChange;
};

// A rich edit in a grid that grows the edited row while typing.
class TGrowingRichEdit : public TExtRichEdit {
public:
    using TExtRichEdit::TExtRichEdit;

protected:
    bool SizeHeightWhileTyping() const override { return true; }
};

QString Saved(TExtRichEdit* Edit)
{
    TBytesStream Stream;
    Edit->Lines()->SaveToStream(&Stream);
    return QString::fromLatin1(Stream.Bytes());
}

class ExtRichEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(420);
        Form->SetClientHeight(270);
        Grid = New<TRichGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 400, 250);
    }

    template <typename T = TExtRichEdit>
    T* MakeEdit(const TRect& Bounds)
    {
        T* Edit = New<T>(Grid);
        Edit->SetParent(Grid);
        Edit->SetBoundsRect(Bounds);
        return Edit;
    }

    void Show()
    {
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TRichGrid* Grid = nullptr;
};

TEST_F(ExtRichEditTest, IsSelAnswersWhatSelSet)
{
    TExtRichEdit* Edit = MakeEdit(Rect(0, 0, 100, 20));
    Edit->SetText(QStringLiteral("H2O x2"));
    const struct {
        const char* Name;
        void (TExtRichEdit::*Set)();
        bool Normal, Sub, Super;
        const char* Word;
    } Cases[] = {
        {"subscript", &TExtRichEdit::SelSubscript, false, true, false, "\\dn4 2"},
        {"superscript", &TExtRichEdit::SelSuperscript, false, false, true, "\\up4 2"},
        {"normal", &TExtRichEdit::SelNormal, true, false, false, "H2O x2"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Edit->SetSelStart(1);
        Edit->SetSelLength(1);
        (Edit->*C.Set)();
        EXPECT_EQ(Edit->IsSelNormal(), C.Normal);
        EXPECT_EQ(Edit->IsSelSubscript(), C.Sub);
        EXPECT_EQ(Edit->IsSelSuperscript(), C.Super);
        EXPECT_NE(Saved(Edit).indexOf(QLatin1String(C.Word)), -1) << qPrintable(Saved(Edit));
        // The rest of the text keeps its place.
        Edit->SetSelStart(3);
        Edit->SetSelLength(1);
        EXPECT_TRUE(Edit->IsSelNormal());
    }

    // On an empty selection the offset goes to the text typed there.
    Show();
    Edit->SetFocus();
    Edit->SetSelStart(6);
    Edit->SetSelLength(0);
    Edit->SelSuperscript();
    EXPECT_TRUE(Edit->IsSelSuperscript());
    TypeText(QStringLiteral("3"));
    ProcessPendingEvents();
    EXPECT_EQ(Edit->Text(), QStringLiteral("H2O x23"));
    Edit->SetSelStart(6);
    Edit->SetSelLength(1);
    EXPECT_TRUE(Edit->IsSelSuperscript());
}

TEST_F(ExtRichEditTest, TheHiddenRichEditKeepsTheSizeItAskedFor)
{
    Show();
    TExtRichEdit* Hidden = MakeEdit(Rect(0, 0, 0, 0));
    TExtRichEdit* Other = MakeEdit(Rect(0, 0, 50, 20));
    Hidden->SetWordWrap(false);
    Hidden->SetVisible(false);
    Grid->FRichEdit = Hidden;
    TBitmap Bitmap;
    Bitmap.SetSize(1, 1);
    Bitmap.Canvas()->Font()->SetName(QStringLiteral("Arial"));
    Bitmap.Canvas()->Font()->SetSize(10);
    const TSize Line = Bitmap.Canvas()->TextExtent(QStringLiteral("Rich cell text"));

    for (TExtRichEdit* Edit : {Hidden, Other}) {
        TBytesStream Stream(QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Rich {\\b cell} text\\par second line\\par}"));
        Edit->Lines()->LoadFromStream(&Stream);
        Edit->Perform(EM_REQUESTRESIZE, 0, 0);
    }
    const int32_t Plain = Bitmap.Canvas()->TextWidth(QStringLiteral("Rich ")) + Bitmap.Canvas()->TextWidth(QStringLiteral(" text"));
    Bitmap.Canvas()->Font()->SetStyle({fsBold});
    const int32_t Bold = Bitmap.Canvas()->TextWidth(QStringLiteral("cell"));
    EXPECT_NEAR(Hidden->ReqWidth(), Plain + Bold, 2);
    EXPECT_NEAR(Hidden->ReqHeight(), 2 * Line.cy, 3);
    EXPECT_EQ(Other->ReqWidth(), 0);
    EXPECT_EQ(Other->ReqHeight(), 0);
}

TEST_F(ExtRichEditTest, TypingGrowsTheRowUpToTheGridsBottom)
{
    Grid->SetRowCount(3);
    Grid->SetDefaultRowHeight(20);
    Show();
    Grid->FInplaceRichEdit = MakeEdit<TGrowingRichEdit>(Rect(0, 0, 0, 0));
    TExtRichEdit* Edit = Grid->FInplaceRichEdit;
    Grid->SetCol(1);
    Grid->SetRow(1);
    Edit->SetBoundsRect(Grid->CellRect(1, 1));
    std::vector<int32_t> Sized;
    Grid->OnEndRowSize = [&](TObject* Sender, int32_t ARow) {
        EXPECT_EQ(Sender, Grid);
        Sized.push_back(ARow);
    };
    Edit->SetFocus();
    // Filling while locked leaves the row alone.
    Edit->Lock();
    Edit->SetText(QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(Grid->RowHeights(1), 20);
    Edit->Unlock();
    Edit->SetText(QStringLiteral("a"));

    int32_t Last = 20;
    for (int32_t Line = 0; Line < 30; ++Line) {
        PressKey(VK_RETURN);
        TypeText(QStringLiteral("x"));
        ProcessPendingEvents();
        const int32_t Height = Grid->RowHeights(1);
        EXPECT_GE(Height, Last);
        Last = Height;
    }
    // Grown to the requested height plus 10 while that stayed inside the grid, never past its bottom.
    EXPECT_FALSE(Sized.empty());
    for (const int32_t ARow : Sized) EXPECT_EQ(ARow, 1);
    EXPECT_GT(Last, 100);
    EXPECT_LE(Grid->CellRect(1, 1).Top + Last - 5, Grid->Height());
    EXPECT_EQ(Edit->Height(), Last - 1);
}

TEST_F(ExtRichEditTest, TabAndRowKeysGoBackToTheGrid)
{
    Grid->SetOptions(Grid->Options() + TGridOptions{goTabs});
    Show();
    TExtRichEdit* Edit = MakeEdit(Rect(0, 0, 60, 20));
    EXPECT_EQ(Edit->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, DLGC_WANTTAB);
    Grid->SetCol(1);
    Grid->SetRow(1);

    Edit->SetFocus();
    PressKey(VK_TAB);
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Col(), 2);

    // Without word wrap or multi-line cells Down moves the grid's row.
    Grid->SetWordWrap(false);
    Edit->SetFocus();
    PressKey(VK_DOWN);
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Row(), 2);

    // With multi-line cells the rich edit keeps Up and Down.
    Grid->SetMultilinecells(true);
    Edit->SetFocus();
    PressKey(VK_UP);
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(ExtRichEditTest, LosingTheFocusToTheGridEndsEditingUnlessTheGridMovesIt)
{
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Show();
    TExtRichEdit* Edit = MakeEdit(Rect(0, 0, 60, 20));
    Grid->FInplaceRichEdit = Edit;
    for (const bool Invoked : {true, false}) {
        SCOPED_TRACE(Invoked);
        Grid->SetEditorMode(true);
        ASSERT_TRUE(Grid->EditorMode());
        Grid->InvokedFocusChange = Invoked;
        Edit->Perform(WM_KILLFOCUS, reinterpret_cast<WPARAM>(Grid->Handle()), 0);
        EXPECT_EQ(Grid->EditorMode(), Invoked);
    }
    // Focus going elsewhere leaves editing to the grid.
    Grid->SetEditorMode(true);
    Edit->Perform(WM_KILLFOCUS, 0, 0);
    EXPECT_TRUE(Grid->EditorMode());
}

}  // namespace
