// The date picker and date-time picker editors over a grid cell, driven by real keys: the move to
// the next field after a typed digit by format, Up and Down staying with the picker, the keys that
// leave the cell, and the border hidden inside the cell.
#include "EditorWrapperFixture.h"

#include "grid/view/GridDateEditors.h"

#include "support/LayerInternals.h"

#include "graphics/Colors.h"
#include "rtl/DateTime.h"

#include <gtest/gtest.h>

#include <QImage>

#include <memory>

namespace {

class GridDateEditorsTest : public EditorWrapperFixture {
protected:
    void SetUp() override
    {
        EditorWrapperFixture::SetUp();
        Grid->SetDefaultColWidth(160);
    }
    TGridDatePicker* Picker() { return Owned<TGridDatePicker>(); }
};

TEST_F(GridDateEditorsTest, ADigitThatChangesAFieldMovesOnUnlessItIsTheFormatsLast)
{
    // The custom format ends with the year: day and month move on, the year stays.
    ASSERT_NE(Open(edDateEdit, "3/15/2024"), nullptr);
    TGridDatePicker* Date = Picker();
    ASSERT_NE(Date, nullptr);
    Key(VK_ESCAPE);
    Date->SetFormat(QStringLiteral("dd/MM/yyyy"));
    ASSERT_EQ(Open(edDateEdit, "3/15/2024"), Date);
    Type_(QStringLiteral("7"));
    Type_(QStringLiteral("4"));
    Type_(QStringLiteral("2025"));
    Type_(QStringLiteral("2026"));
    EXPECT_EQ(Date->Date(), EncodeDate(2026, 4, 7));
    Key(VK_ESCAPE);

    // Without a format the year alone moves nowhere either; day and month move on.
    Date->SetFormat(QString());
    ASSERT_EQ(Open(edDateEdit, "3/15/2024"), Date);
    Type_(QStringLiteral("4"));
    Type_(QStringLiteral("2"));
    Type_(QStringLiteral("2025"));
    EXPECT_EQ(Date->Date(), EncodeDate(2025, 4, 2));
    Key(VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 1), "3/15/2024");
}

TEST_F(GridDateEditorsTest, ATimeDigitThatLeavesTheHourMovesNowhere)
{
    ASSERT_NE(Open(edTimeEdit, "1:20:30 AM"), nullptr);
    TGridDatePicker* Time = Picker();
    ASSERT_NE(Time, nullptr);
    // "1" keeps the hour 1: the caret stays and "2" makes it 12, moving on; "4" changes the
    // minutes and moves on again, so "5" lands in the seconds.
    Type_(QStringLiteral("1"));
    Type_(QStringLiteral("2"));
    Type_(QStringLiteral("45"));
    uint16_t H = 0, M = 0, S = 0, MS = 0;
    DecodeTime(Time->Time(), H, M, S, MS);
    EXPECT_EQ(H, 0);
    EXPECT_EQ(M, 4);
    EXPECT_EQ(S, 5);
    Key(VK_RETURN);
    EXPECT_TRUE(GridHasFocus());
    EXPECT_EQ(Grid->Cells(1, 1), "12:04:05 AM");
}

TEST_F(GridDateEditorsTest, UpAndDownStayWithThePickerEnterStoresEscKeeps)
{
    ASSERT_NE(Open(edDateEdit, "3/15/2024"), nullptr);
    TGridDatePicker* Date = Picker();
    Key(VK_UP);
    Key(VK_DOWN);
    Key(VK_UP);
    EXPECT_EQ(FindControl(GetFocus()), Date);
    EXPECT_TRUE(Date->Visible());
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_NE(Date->Date(), EncodeDate(2024, 3, 15));
    const QString Shown = Date->Text();
    Key(VK_RETURN);
    EXPECT_TRUE(GridHasFocus());
    EXPECT_EQ(Grid->Cells(1, 1), Shown);

    for (const QString& Cell : {QStringLiteral("12/24/2023"), QStringLiteral("no date")}) {
        SCOPED_TRACE(Cell.toStdString());
        ASSERT_EQ(Open(edDateEdit, Cell), Date);
        Key(VK_UP);
        Key(VK_ESCAPE);
        EXPECT_TRUE(GridHasFocus());
        EXPECT_EQ(Grid->Cells(1, 1), Cell);
    }
}

TEST_F(GridDateEditorsTest, ARejectedDateStaysOpenAndTabLeavesWithGoTabs)
{
    Grid->OnCellValidate = [](TObject*, int32_t, int32_t, QString& Value, bool& Valid) {
        Valid = Value != QStringLiteral("3/16/2024");
        if (!Valid) Value = QStringLiteral("3/1/2024");
    };
    ASSERT_NE(Open(edDateEdit, "3/15/2024"), nullptr);
    TGridDatePicker* Date = Picker();
    EXPECT_EQ(Date->Perform(CM_WANTSPECIALKEY, VK_TAB, 0), 1);
    Date->SetDate(EncodeDate(2024, 3, 16));
    Key(VK_RETURN);
    EXPECT_EQ(FindControl(GetFocus()), Date);
    EXPECT_EQ(Grid->Row(), 1);
    // The picker shows what the validation left.
    EXPECT_EQ(Date->Date(), EncodeDate(2024, 3, 1));
    Key(VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 1), "3/15/2024");

    Grid->SetOptions(Grid->Options() + goTabs);
    ASSERT_EQ(Open(edDateEdit, "3/15/2024"), Date);
    Key(VK_TAB);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_TRUE(GridHasFocus());
}

TEST_F(GridDateEditorsTest, ThePickersBorderIsFramedInTheWindowColour)
{
    ASSERT_NE(Open(edDateEdit, "3/15/2024"), nullptr);
    TGridDatePicker* Date = Picker();
    Date->Perform(WM_NCPAINT, 1, 0);
    const QImage Overlay = OverlayPixels(Date->Handle());
    ASSERT_FALSE(Overlay.isNull());
    const QRgb Window = static_cast<QRgb>(ColorToRGB(clWindow));
    const auto Rgb = [&](int X, int Y) { return Overlay.pixel(X, Y) & 0xFFFFFF; };
    const QRgb Expected = qRgb(GetRValue(Window), GetGValue(Window), GetBValue(Window)) & 0xFFFFFF;
    const int W = Date->Width();
    const int H = Date->Height();
    for (const QPoint P : {QPoint(0, 0), QPoint(1, 1), QPoint(W - 1, H / 2), QPoint(W - 2, H / 2), QPoint(W / 2, H - 1),
                           QPoint(W / 2, H - 2), QPoint(W / 2, 0)})
        EXPECT_EQ(Rgb(P.x(), P.y()), Expected) << P.x() << "," << P.y();
    Key(VK_ESCAPE);
}

TEST_F(GridDateEditorsTest, TheDateTimePickerHandsEscEnterAndTabBack)
{
    auto* Picker = dynamic_cast<TGridDateTimePicker*>(Open(edDateTimeEdit, "3/15/2024 10:30 AM"));
    ASSERT_NE(Picker, nullptr);
    EXPECT_EQ(Picker->Grid(), Grid);
    Picker->SetDate(EncodeDate(2025, 1, 2));
    Key(VK_ESCAPE);
    EXPECT_TRUE(GridHasFocus());
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 3, 15));
    EXPECT_EQ(Grid->Cells(1, 1), "3/15/2024 10:30 AM");

    // No claims of its own: the form keeps Tab, Enter and Esc when it wants them.
    Grid->SetOptions(Grid->Options() + goTabs);
    for (const uint16_t Claimed : {VK_TAB, VK_RETURN, VK_ESCAPE}) EXPECT_EQ(Picker->Perform(CM_WANTSPECIALKEY, Claimed, 0), 0);

    ASSERT_EQ(Open(edDateTimeEdit, "3/15/2024 10:30 AM", 1, 2), Picker);
    Key(VK_RETURN);
    EXPECT_TRUE(GridHasFocus());
}

}  // namespace
