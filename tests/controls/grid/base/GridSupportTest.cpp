// Tests of the grid's bookkeeping lists, the line file and the file picture.
#include "grid/base/GridSupport.h"
#include "grid/base/FilePicture.h"

#include "support/TempFolder.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "rtl/Exceptions.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every OnChange of a list, as "col,row".
struct TChangeLog {
    std::vector<QString> Calls;
    void Attach(TIntList& List)
    {
        List.OnChange = [this](TObject*, int32_t Col, int32_t Row) {
            Calls.push_back(QString::number(Col) + u',' + QString::number(Row));
        };
    }
};

std::vector<int32_t> Values(const TIntList& List)
{
    std::vector<int32_t> Result;
    for (int32_t I = 0; I < List.Count(); ++I) Result.push_back(List.GetInteger(I));
    return Result;
}

}  // namespace

TEST(GridSupportTest, IntListReportsChangesToItsCellExceptInsert)
{
    TIntList List(4, 7);
    TChangeLog Log;
    Log.Attach(List);

    List.Insert(0, 10);
    EXPECT_TRUE(Log.Calls.empty());
    List.Add(20);
    List.Add(-3);
    List.SetInteger(0, 11);
    List.DeleteValue(99);  // absent: nothing
    List.DeleteValue(20);
    List.Delete(0);
    EXPECT_EQ(Log.Calls, (std::vector<QString>{"4,7", "4,7", "4,7", "4,7", "4,7"}));
    EXPECT_EQ(Values(List), (std::vector<int32_t>{-3}));
    EXPECT_TRUE(List.HasValue(-3));
    EXPECT_FALSE(List.HasValue(20));
}

TEST(GridSupportTest, StrValueRoundTripsAndFiresOncePerValue)
{
    struct TCase {
        QString Text;
        std::vector<int32_t> Values;
        QString Read;
    };
    const TCase Cases[] = {
        {"1,2,3", {1, 2, 3}, "1,2,3"},
        {"", {}, ""},
        {"-5, $10 ,7", {-5, 16, 7}, "-5,16,7"},
        {"\"42\",0", {42, 0}, "42,0"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Text.toStdString());
        TIntList List(0, 0);
        List.Add(99);
        TChangeLog Log;
        Log.Attach(List);
        List.SetStrValue(Case.Text);
        EXPECT_EQ(Values(List), Case.Values);
        EXPECT_EQ(Log.Calls.size(), Case.Values.size());
        EXPECT_EQ(List.StrValue(), Case.Read);
    }

    // A bad item raises the conversion error; the items before it stay.
    TIntList List(0, 0);
    EXPECT_THROW(List.SetStrValue("1,x,3"), EConvertError);
    EXPECT_EQ(Values(List), (std::vector<int32_t>{1}));
}

TEST(GridSupportTest, SortKeysKeepColumnAndDirectionApart)
{
    TSortIndexList Keys;
    Keys.AddIndex(3, true);
    Keys.AddIndex(1, false);
    Keys.AddIndex(3, false);
    EXPECT_EQ(Keys.SaveToString(), "u3;d1;d3");
    EXPECT_EQ(Keys.FindIndex(3), 0);
    EXPECT_EQ(Keys.FindIndex(2), -1);

    Keys.ToggleIndex(3);  // the first key of column 3 only
    Keys.ToggleIndex(2);  // no key: nothing
    EXPECT_EQ(Keys.SaveToString(), "d3;d1;d3");

    Keys.SetSortColumns(1, 6);
    Keys.SetSortDirections(2, true);
    EXPECT_EQ(Keys.SortColumns(1), 6);
    EXPECT_FALSE(Keys.SortDirections(1));
    EXPECT_EQ(Keys.SaveToString(), "d3;d6;u3");

    // Only the low 16 bits of a column are written.
    TSortIndexList Wide;
    Wide.AddIndex(65537, true);
    EXPECT_EQ(Wide.SaveToString(), "u1");
    EXPECT_EQ(TSortIndexList().SaveToString(), "");
}

TEST(GridSupportTest, SortStateTextsAreReadPieceByPiece)
{
    struct TCase {
        QString Text;
        QString Saved;
    };
    const TCase Cases[] = {
        {"u2;x5;;d", "u2;d5"},  // x is not u; the empty and the one-character piece are skipped
        {"u3;d1", "u3;d1"},
        {"", ""},
        {"u12abc;d 7", "u12;d7"},    // digits before the first bad character, blanks skipped
        {"uabc", "u0"},              // no digits at all: column 0
        {"u-4;d2", "d2"},            // a negative number names no column
        {"u99999999999", "u51711"},  // the digits stop before 32 bits overflow (999999999 & 0xFFFF)
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Text.toStdString());
        TSortIndexList Keys;
        Keys.AddIndex(8, true);
        Keys.LoadFromString(Case.Text);
        EXPECT_EQ(Keys.SaveToString(), Case.Saved);
        for (int32_t I = 0; I < Keys.Count(); ++I) EXPECT_GE(Keys.SortColumns(I), 0);
    }
}

TEST(GridSupportTest, ControlListOwnsItemsNotControls)
{
    TEdit Edit(nullptr);
    TLabel Label(nullptr);
    {
        TControlList List;
        List.AddControl(1, 2, &Edit);
        List.AddControl(3, 4, &Label);
        List.AddControl(1, 2, &Label);
        EXPECT_EQ(List.ControlIndex(1, 2), 0);
        EXPECT_EQ(List.ControlIndex(3, 4), 1);
        EXPECT_EQ(List.ControlIndex(2, 1), -1);
        EXPECT_EQ(List.GetControl(1)->Control(), &Label);

        // Asking for the handle makes the edit's window.
        EXPECT_FALSE(Edit.HandleAllocated());
        EXPECT_FALSE(List.HasHandle(nullptr));
        EXPECT_TRUE(Edit.HandleAllocated());
        EXPECT_TRUE(List.HasHandle(Edit.Handle()));

        List.RemoveControl(0);
        EXPECT_EQ(List.Count(), 2);
        EXPECT_EQ(List.ControlIndex(1, 2), 1);
        EXPECT_FALSE(List.HasHandle(Edit.Handle()));
    }
    // The controls outlive the list.
    Edit.SetText("still here");
    EXPECT_EQ(Edit.Text(), "still here");
}

TEST(GridSupportTest, FileStringListReadsAndWritesLines)
{
    TFileStringList File;
    File.Write("a");
    File.Write("b");
    File.WriteLn("c");
    File.WriteLn("d");
    ASSERT_EQ(File.Count(), 2);
    EXPECT_EQ(File.Strings(0), "abc");
    EXPECT_EQ(File.Strings(1), "d");

    File.Write("pending");
    File.Reset();
    File.WriteLn("e");  // the reset dropped the pending text
    EXPECT_EQ(File.Strings(2), "e");

    QString Line;
    File.ReadLn(Line);
    EXPECT_EQ(Line, "abc");
    File.ReadLn(Line);
    File.ReadLn(Line);
    EXPECT_EQ(Line, "e");
    EXPECT_TRUE(File.Eof());
    EXPECT_THROW(File.ReadLn(Line), EStringListError);
}

TEST(GridSupportTest, FilePictureReadsItsFileAtEveryDraw)
{
    TempFolder Folder;
    const QString Name = Folder.File("cell.bmp");
    auto WriteBitmap = [&](int32_t W, int32_t H, TColor Color) {
        TBitmap Picture;
        Picture.SetSize(W, H);
        Picture.Canvas()->Brush()->SetColor(Color);
        Picture.Canvas()->FillRect(Rect(0, 0, W, H));
        Picture.SaveToFile(Name);
    };
    TBitmap Target;
    Target.SetSize(20, 20);
    auto Clear = [&] {
        Target.Canvas()->Brush()->SetColor(clWhite);
        Target.Canvas()->FillRect(Rect(0, 0, 20, 20));
    };

    TFilePicture Picture;
    Clear();
    Picture.DrawPicture(Target.Canvas(), Rect(0, 0, 20, 20));  // no name: nothing
    EXPECT_EQ(Target.Canvas()->Pixels(10, 10), clWhite);

    WriteBitmap(4, 3, clRed);
    Picture.SetFilename(Name);
    EXPECT_EQ(Picture.Width(), 4);
    EXPECT_EQ(Picture.Height(), 3);
    Picture.DrawPicture(Target.Canvas(), Rect(5, 5, 15, 15));
    EXPECT_EQ(Target.Canvas()->Pixels(10, 10), clRed);
    EXPECT_EQ(Target.Canvas()->Pixels(4, 4), clWhite);

    WriteBitmap(4, 3, clBlue);  // a new file under the same name shows at the next draw
    Picture.DrawPicture(Target.Canvas(), Rect(5, 5, 15, 15));
    EXPECT_EQ(Target.Canvas()->Pixels(10, 10), clBlue);

    TFilePicture Copy;
    Copy.Assign(&Picture);
    EXPECT_EQ(Copy.Filename(), Name);
    EXPECT_EQ(Copy.Width(), 4);

    QFile::remove(Name);  // gone: drawing does nothing and raises nothing
    Clear();
    Picture.DrawPicture(Target.Canvas(), Rect(5, 5, 15, 15));
    EXPECT_EQ(Target.Canvas()->Pixels(10, 10), clWhite);
    EXPECT_ANY_THROW(Picture.SetFilename(Name));
    EXPECT_EQ(Picture.Filename(), Name);
    EXPECT_EQ(Picture.Width(), 0);
}
