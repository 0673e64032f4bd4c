// Rich-text cells through the grid's rich edits (loading, saving back, plain text, measuring), the
// in-place rich edit's selection event, and the grid's hints (cell hints, scroll hints, hint class).
#include "ExtGridTestSupport.h"

#include "grid/base/ExtUtil.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/core/HTMLHintWindow.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "windows/ExtCtrls.h"

#include <vector>

namespace {

using namespace Input;

class TRichTestGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TExtStringGrid::FLastHintPos;
    using TExtStringGrid::FScrollHintWnd;
};

// What one character carries: its style and its baseline offset (twips).
struct TCharLook {
    TFontStyles Style;
    int32_t Offset;
    bool operator==(const TCharLook&) const = default;
};

std::vector<TCharLook> Looks(TExtRichEdit* Edit)
{
    std::vector<TCharLook> Result;
    // A paragraph break is one position.
    const auto Length = static_cast<int32_t>(Edit->Text().replace(QLatin1String("\r\n"), QLatin1String("\n")).size());
    for (int32_t i = 0; i < Length; ++i) {
        Edit->SetSelStart(i);
        Edit->SetSelLength(1);
        CHARFORMATW Format;
        Format.dwMask = CFM_OFFSET;
        Edit->Perform(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&Format));
        Result.push_back({Edit->SelAttributes()->Style(), Format.yOffset});
    }
    return Result;
}

bool SevenBit(const QString& Text)
{
    return std::all_of(Text.begin(), Text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

class ExtGridRichTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(420);
        Form->SetClientHeight(270);
        Grid = New<TRichTestGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 400, 250);
    }
    void TearDown() override
    {
        Application->CancelHint();
        HintWindowClass = CreateHintWindow<THintWindow>;
        GridHintFontName.clear();
    }

    void Show()
    {
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TRichTestGrid* Grid = nullptr;
};

// ---- Cells and rich edits ----

TEST_F(ExtGridRichTest, RichTextRoundTripsThroughCells)
{
    const struct {
        const char* Name;
        QString Rtf;
        QString Plain;
        // Characters and the look each must have.
        std::vector<std::pair<int32_t, TCharLook>> Marks;
    } Cases[] = {
        {"typical rich-edit output",
         QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                        "{\\f1\\fnil\\fcharset0 Tahoma;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                        "\\viewkind4\\uc1\\pard\\f0\\fs20 Plain \\b bold\\b0  \\cf1 red\\cf0\\par\r\n"
                        "\\i second\\i0\\par\r\n}\r\n"),
         QStringLiteral("Plain bold red\r\nsecond"),
         {{0, {{}, 0}}, {6, {{fsBold}, 0}}, {11, {{}, 0}}, {15, {{fsItalic}, 0}}}},
        {"\\'e9", QStringLiteral("{\\rtf1\\ansi caf\\'e9 cr\\'e8me}"), QStringLiteral(u"café crème"), {}},
        {"\\u8364 with its stand-in skipped", QStringLiteral("{\\rtf1\\ansi\\uc1 \\u8364?5 \\u-3913?}"),
         QStringLiteral(u"€5 \uF0B7"), {}},
        {"nesting", QStringLiteral("{\\rtf1 a{\\b b{\\i c}d}e}"), QStringLiteral("abcde"),
         {{0, {{}, 0}}, {1, {{fsBold}, 0}}, {2, {{fsBold, fsItalic}, 0}}, {3, {{fsBold}, 0}}, {4, {{}, 0}}}},
        {"offsets", QStringLiteral("{\\rtf1 H{\\dn4 2}O x{\\up4 2}}"), QStringLiteral("H2O x2"),
         {{0, {{}, 0}}, {1, {{}, -40}}, {2, {{}, 0}}, {5, {{}, 40}}}},
        {"characters above 0xFF stay themselves", QStringLiteral(u"{\\rtf1 \u03A9 \u20AC \\'80}"),
         QStringLiteral(u"Ω € €"), {}},
    };
    TExtRichEdit* Edit = Grid->RichEdit();
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetCells(1, 1, C.Rtf);
        Grid->CellToRich(1, 1, Edit);
        EXPECT_EQ(Edit->Text(), C.Plain);
        const std::vector<TCharLook> Before = Looks(Edit);
        for (const auto& [At, Look] : C.Marks) {
            ASSERT_LT(At, static_cast<int32_t>(Before.size()));
            EXPECT_EQ(Before[At], Look) << "character " << At;
        }

        // Saved back: 7-bit RTF without byte-order mark, reading back to the same text and looks.
        Grid->RichToCell(2, 1, Edit);
        const QString Saved = Grid->Cells(2, 1);
        EXPECT_TRUE(Saved.startsWith(QLatin1String("{\\rtf"))) << qPrintable(Saved);
        EXPECT_TRUE(SevenBit(Saved)) << qPrintable(Saved);
        EXPECT_EQ(Grid->RichToString(Edit), Saved);
        Edit->Clear();
        Grid->CellToRich(2, 1, Edit);
        EXPECT_EQ(Edit->Text(), C.Plain);
        EXPECT_EQ(Looks(Edit), Before);
    }

    // An empty cell empties the editor.
    Grid->SetCells(3, 1, QString());
    Grid->CellToRich(3, 1, Edit);
    EXPECT_EQ(Edit->Text(), QString());
    // A "{\" text that is no RTF loads as it stands.
    Grid->SetCells(3, 2, QStringLiteral("{\\b not rtf}"));
    Grid->CellToRich(3, 2, Edit);
    EXPECT_EQ(Edit->Text(), QStringLiteral("{\\b not rtf}"));
}

TEST_F(ExtGridRichTest, RichCellsGiveTheirPlainTextToSavingAndToTheSelection)
{
    const QString Rtf = QStringLiteral("{\\rtf1\\ansi\\f0 one \\b two\\b0\\par\r\nthree\\par\r\n}");
    Grid->SetCells(1, 1, Rtf);
    Grid->SetCells(2, 1, QStringLiteral("plain"));
    Grid->SetCells(1, 2, QStringLiteral("<b>mark</b>"));
    Grid->SetCells(2, 2, QStringLiteral(u"{\\rtf1 caf\\'e9}"));

    const struct {
        const char* Name;
        bool SaveWithRTF;
        int32_t Col, Row;
        QString Expected;
    } Cases[] = {
        {"rich, as plain text", false, 1, 1, QStringLiteral("one two\r\nthree")},
        {"rich, kept as RTF without line ends", true, 1, 1,
         QStringLiteral("{\\rtf1\\ansi\\f0 one \\b two\\b0\\par three\\par }")},
        {"\\'hh as its character", false, 2, 2, QStringLiteral(u"café")},
        {"plain stays", false, 2, 1, QStringLiteral("plain")},
        {"markup loses its tags", false, 1, 2, QStringLiteral("mark")},
    };
    Grid->SetSaveWithHTML(false);
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetSaveWithRTF(C.SaveWithRTF);
        QString Value;
        Grid->GetSaveCellText(C.Col, C.Row, Value);
        EXPECT_EQ(Value, C.Expected);
    }

    // The selection's text: rich cells as their plain text, the others as they are.
    Grid->SetSaveWithRTF(false);
    Grid->SetSelection(TGridRect{1, 1, 2, 2});
    EXPECT_EQ(Grid->SelectedText(), QStringLiteral(u"one two\r\nthree\tplain\r\n<b>mark</b>\tcafé"));
    Grid->SetMultilinecells(true);
    Grid->SetExcelClipboardFormat(true);
    // Its line break kept as the vertical tab of Excel's cells.
    EXPECT_EQ(Grid->SelectedText(), QStringLiteral(u"\"one two\vthree\"\tplain\r\n<b>mark</b>\tcafé"));
}

TEST_F(ExtGridRichTest, RtfSavedWithoutLineEndsReadsAsBefore)
{
    // A line end inside RTF only ends a control word, or after a lone backslash ends a paragraph.
    const struct {
        const char* Name;
        QString Rtf;
        QString Saved;
    } Cases[] = {
        {"after \\par", QStringLiteral("{\\rtf1 a\\par\r\nb}"), QStringLiteral("{\\rtf1 a\\par b}")},
        {"after a word with a number", QStringLiteral("{\\rtf1\\fs20\nbig}"), QStringLiteral("{\\rtf1\\fs20 big}")},
        {"after a negative number", QStringLiteral("{\\rtf1\\dn-4\rx}"), QStringLiteral("{\\rtf1\\dn-4 x}")},
        {"inside text", QStringLiteral("{\\rtf1 te\r\nxt}"), QStringLiteral("{\\rtf1 text}")},
        {"after a group", QStringLiteral("{\\rtf1{\\b x}\r\ny}"), QStringLiteral("{\\rtf1{\\b x}y}")},
        {"after an escaped backslash", QStringLiteral("{\\rtf1 a\\\\\r\nb}"), QStringLiteral("{\\rtf1 a\\\\b}")},
        {"after a lone backslash", QStringLiteral("{\\rtf1 a\\\r\nb}"), QStringLiteral("{\\rtf1 a\\par b}")},
    };
    Grid->SetSaveWithRTF(true);
    TExtRichEdit* Edit = Grid->RichEdit();
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetCells(1, 1, C.Rtf);
        QString Value;
        Grid->GetSaveCellText(1, 1, Value);
        EXPECT_EQ(Value, C.Saved);
        Grid->CellToRich(1, 1, Edit);
        const QString Plain = Edit->Text();
        Grid->SetCells(2, 1, Value);
        Grid->CellToRich(2, 1, Edit);
        EXPECT_EQ(Edit->Text(), Plain);
    }
}

TEST_F(ExtGridRichTest, ARichCellMeasuresAsTheSizeItsRichEditAsksFor)
{
    Show();
    Grid->SetDefaultColWidth(80);
    Grid->SetDefaultRowHeight(22);
    const QString Word = QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Wide}");
    const QString Big = QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 Wide}");
    const QString TwoLines = QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Wide\\par Wide}");
    const QString Long = QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 one two three four five six}");
    const auto Measure = [&](const QString& Text, bool Wrap) {
        Grid->SetCells(1, 1, Text);
        Grid->SetWordWrap(Wrap);
        TPoint Size;
        Grid->GetCellTextSize(1, 1, Size, false, false);
        // What the hidden rich edit asked for, plus 4.
        EXPECT_EQ(Size, Point(Grid->RichEdit()->ReqWidth(), Grid->RichEdit()->ReqHeight() + 4));
        return Size;
    };

    TBitmap Bitmap;
    Bitmap.SetSize(1, 1);
    Bitmap.Canvas()->Font()->SetName(QStringLiteral("Arial"));
    Bitmap.Canvas()->Font()->SetSize(10);
    const int32_t TextWidth = Bitmap.Canvas()->TextWidth(QStringLiteral("Wide"));

    const TPoint One = Measure(Word, false);
    EXPECT_NEAR(One.X, TextWidth, 1);
    EXPECT_GT(One.Y, 4);
    const TPoint Larger = Measure(Big, false);
    EXPECT_GT(Larger.X, One.X * 3 / 2);
    EXPECT_GT(Larger.Y, One.Y);
    const TPoint Two = Measure(TwoLines, false);
    EXPECT_EQ(Two.X, One.X);
    EXPECT_NEAR(Two.Y - 4, 2 * (One.Y - 4), 1);
    // Without wrapping a long text runs on one line; wrapped it takes the cell's width.
    const TPoint Unwrapped = Measure(Long, false);
    EXPECT_GT(Unwrapped.X, 80);
    EXPECT_EQ(Unwrapped.Y, One.Y);
    const TPoint Wrapped = Measure(Long, true);
    EXPECT_LE(Wrapped.X, 80);
    EXPECT_GT(Wrapped.Y, 2 * (One.Y - 4));

    // Auto-size fits the column to the rich text's width, not to its RTF source.
    Grid->SetWordWrap(false);
    Grid->SetCells(1, 1, Long);
    Grid->AutoSizeCol(1);
    EXPECT_GE(Grid->ColWidths(1), Unwrapped.X);
    EXPECT_LT(Grid->ColWidths(1), Bitmap.Canvas()->TextWidth(Long));
}

TEST_F(ExtGridRichTest, TheInplaceRichEditReportsSelectionChangesAsTheGrids)
{
    Show();
    TExtRichEdit* Edit = Grid->InplaceRichEdit();
    EXPECT_EQ(Grid->InplaceRichEdit(), Edit) << "made once";
    EXPECT_FALSE(Edit->Visible());
    EXPECT_EQ(Edit->Parent(), Grid);
    QList<TObject*> Senders;
    Grid->OnRichEditSelectionChange = [&](TObject* Sender) { Senders.append(Sender); };
    Grid->SetCells(1, 1, QStringLiteral("{\\rtf1 abc}"));
    Grid->CellToRich(1, 1, Edit);
    Edit->SetBoundsRect(Grid->CellRect(1, 1));
    Edit->SetVisible(true);
    Edit->SetFocus();
    ProcessPendingEvents();
    Senders.clear();
    PressKey(VK_END);
    PressKey(VK_LEFT, {ssShift});
    ProcessPendingEvents();
    ASSERT_EQ(Senders.size(), 2);
    EXPECT_EQ(Senders[0], Grid);
    EXPECT_EQ(Edit->SelText(), QStringLiteral("c"));
    // Typing replaces the selection and moves the caret: one more change.
    TypeText(QStringLiteral("x"));
    ProcessPendingEvents();
    EXPECT_EQ(Senders.size(), 3);
    Grid->RichToCell(1, 1, Edit);
    Grid->CellToRich(1, 1, Grid->RichEdit());
    EXPECT_EQ(Grid->RichEdit()->Text(), QStringLiteral("abx"));
}

TEST_F(ExtGridRichTest, TheGridTakingTheFocusEndsEditingWhileTheInplaceRichEditShows)
{
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Show();
    TExtRichEdit* Edit = Grid->InplaceRichEdit();
    for (const bool Shown : {false, true}) {
        SCOPED_TRACE(Shown);
        Edit->SetVisible(Shown);
        Grid->SetEditorMode(true);
        ASSERT_TRUE(Grid->EditorMode());
        // The focus arriving from the rich edit's window, as the layer reports it.
        Grid->Perform(WM_SETFOCUS, reinterpret_cast<WPARAM>(Edit->Handle()), 0);
        ProcessPendingEvents();
        EXPECT_EQ(Grid->EditorMode(), !Shown);
        Grid->SetEditorMode(false);
    }
}

// ---- Hints ----

TEST_F(ExtGridRichTest, UseHTMLHintsSwitchesTheApplicationsHintWindowClass)
{
    TTestClock Clock;
    auto* Other = New<TPanel>(Form.get());
    Other->SetParent(Form.get());
    Other->SetBounds(10, 262, 100, 8);
    Other->SetHint(QStringLiteral("<b>Save</b> now"));
    Other->SetShowHint(true);
    Show();
    const auto ShowHint = [&] {
        Application->CancelHint();
        MoveMouse(Form.get(), {300, 5});
        MoveMouse(Other, {20, 4});
        Clock.Advance(static_cast<uint32_t>(Application->HintPause()));
        return Application->HintWindow();
    };
    for (const bool Use : {true, false, true}) {
        SCOPED_TRACE(Use);
        Grid->SetUseHTMLHints(Use);
        EXPECT_EQ(Grid->UseHTMLHints(), Use);
        THintWindow* Window = ShowHint();
        ASSERT_NE(Window, nullptr);
        EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(Window) != nullptr, Use);
        EXPECT_EQ(Window->Caption(), QStringLiteral("<b>Save</b> now"));
    }
}

TEST_F(ExtGridRichTest, ScrollHintsShowInTheMarkupHintWindow)
{
    Grid->SetRowCount(101);
    Grid->SetScrollHints(shVertical);
    Grid->SetHintColor(clAqua);
    Show();
    THTMLHintWindow* Seen = nullptr;
    bool Visible = false;
    QString Caption;
    TColor Color = clNone;
    TRect Bounds;
    TPoint Cursor;
    int32_t Calls = 0;
    Grid->OnScrollHint = [&](TObject*, int32_t, QString& Hint) {
        // The window as the step before left it.
        if (Calls++ > 0 && Grid->FScrollHintWnd) {
            Seen = Grid->FScrollHintWnd;
            Visible = Seen->HandleAllocated() && IsWindowVisible(Seen->Handle());
            Caption = Seen->Caption();
            Color = Seen->Color();
            Bounds = Seen->BoundsRect();
            GetCursorPos(Cursor);
        }
        Hint = QStringLiteral("<b>Row</b> ") + Hint.mid(6);
    };
    DragScrollThumb(Grid, SB_VERT, 64);
    ASSERT_GE(Calls, 2);
    ASSERT_NE(Seen, nullptr);
    EXPECT_TRUE(Visible);
    EXPECT_TRUE(Caption.startsWith(QLatin1String("<b>Row</b> "))) << qPrintable(Caption);
    EXPECT_EQ(Color, clAqua);
    // Sized to the markup (its tags not counted) and shown right of the cursor.
    int32_t Width = 0;
    {
        std::unique_ptr<THTMLHintWindow> Probe(New<THTMLHintWindow>(nullptr));
        Width = Probe->CalcHintRect(1008, Caption, nullptr).Width();
        EXPECT_LT(Width, Probe->Canvas()->TextWidth(Caption));
    }
    EXPECT_EQ(Bounds.Width(), Width + 16);
    EXPECT_EQ(Bounds.Left, Cursor.X + 10);
    EXPECT_FALSE(Grid->ScrollHintShowing());
    EXPECT_FALSE(Seen->HandleAllocated() && IsWindowVisible(Seen->Handle())) << "hidden when the scroll ends";
}

TEST_F(ExtGridRichTest, CellHintsComeFromTheCellUnderTheMouse)
{
    TTestClock Clock;
    Grid->SetDefaultColWidth(60);
    Grid->SetDefaultRowHeight(20);
    Grid->SetHint(QStringLiteral("grid"));
    Grid->SetShowHint(true);
    Grid->SetHintColor(clYellow);
    Grid->Font()->SetName(QStringLiteral("Tahoma"));
    Grid->SetCells(1, 1, QStringLiteral("<b>bold</b> cell"));
    Grid->SetCells(2, 1, QStringLiteral("short"));
    Grid->SetCells(3, 1, QStringLiteral("a text far too long for its cell"));
    Grid->SetCells(1, 3, EncodeWideCellText(QStringLiteral(u"wide Ω")));
    Grid->SetCellComment(2, 2, QStringLiteral("a comment"));
    Show();

    struct TCase {
        const char* Name;
        int32_t Col, Row;
        bool ShowCells, LargeText, HTMLHint;
        QString Text;
        bool Markup;
        // Where the hint opens, relative to the cell: 0 below at the cursor, 1 top-right, 2 top
        // at the cursor, 3 top-left.
        int32_t Place;
    };
    const TCase Cases[] = {
        {"no setting: the grid's own hint", 2, 1, false, false, false, QStringLiteral("grid"), false, 0},
        {"cell text, markup stripped", 1, 1, true, false, false, QStringLiteral("bold cell"), false, 2},
        {"cell text with its tags", 1, 1, true, false, true, QStringLiteral("<b>bold</b> cell"), true, 2},
        {"wide text decoded", 1, 3, true, false, false, QStringLiteral(u"wide Ω"), false, 2},
        {"a fitting text is no large text", 2, 1, false, true, false, QStringLiteral("grid"), false, 0},
        {"large text over the cell", 3, 1, false, true, false, QStringLiteral("a text far too long for its cell"),
         false, 3},
        {"a comment at the top-right corner", 2, 2, false, false, false, QStringLiteral("a comment"), false, 1},
        {"a fixed cell shows no cell text", 0, 1, true, false, false, QStringLiteral("grid"), false, 0},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetHintShowCells(C.ShowCells);
        Grid->SetHintShowLargeText(C.LargeText);
        Grid->SetHTMLHint(C.HTMLHint);
        const TRect R = Grid->CellRect(C.Col, C.Row);
        const TPoint At = Point(R.Left + 7, R.Top + 5);
        Application->CancelHint();
        MoveMouse(Form.get(), {415, 265});
        MoveMouse(Grid, At);
        Clock.Advance(static_cast<uint32_t>(Application->HintPause()));
        THintWindow* Window = Application->HintWindow();
        ASSERT_NE(Window, nullptr);
        EXPECT_EQ(Window->Caption(), C.Text);
        EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(Window) != nullptr, C.Markup);
        EXPECT_EQ(Window->Color(), clYellow);
        EXPECT_EQ(Grid->FLastHintPos, Point(C.Col, C.Row));
        EXPECT_EQ(GridHintFontName, QStringLiteral("Tahoma"));
        TPoint Expected;
        switch (C.Place) {
        case 0: Expected = Point(At.X, R.Bottom + 6); break;
        case 1: Expected = Point(R.Right, R.Top); break;
        case 2: Expected = Point(At.X, R.Top); break;
        default: Expected = R.TopLeft(); break;
        }
        Expected = Grid->ClientToScreen(Expected);
        // The markup window keeps itself on the monitor; the place is its top-left either way.
        EXPECT_EQ(Window->BoundsRect().TopLeft(), Expected);
    }

    // The per-cell event has the last word; a markup answer shows in the markup window.
    Grid->SetHintShowCells(true);
    Grid->OnGridHint = [](TObject*, int32_t ARow, int32_t ACol, QString& Hint) {
        Hint = QStringLiteral("<i>%1,%2</i> ").arg(ACol).arg(ARow) + Hint;
    };
    Application->CancelHint();
    MoveMouse(Form.get(), {415, 265});
    MoveMouse(Grid, Point(Grid->CellRect(2, 1).Left + 3, Grid->CellRect(2, 1).Top + 3));
    Clock.Advance(static_cast<uint32_t>(Application->HintPause()));
    auto* Markup = dynamic_cast<THTMLHintWindow*>(Application->HintWindow());
    ASSERT_NE(Markup, nullptr);
    EXPECT_EQ(Markup->Caption(), QStringLiteral("<i>2,1</i> short"));
    // Unless the grid's own window class is turned off.
    Grid->SetUseInternalHintClass(false);
    Application->CancelHint();
    MoveMouse(Form.get(), {415, 265});
    MoveMouse(Grid, Point(Grid->CellRect(2, 1).Left + 3, Grid->CellRect(2, 1).Top + 3));
    Clock.Advance(static_cast<uint32_t>(Application->HintPause()));
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(Application->HintWindow()), nullptr);
}

TEST_F(ExtGridRichTest, AnAnchorsHintShowsAboveTheCursor)
{
    TTestClock Clock;
    Grid->SetDefaultColWidth(150);
    Grid->SetShowHint(true);
    Grid->SetHint(QStringLiteral("grid"));
    Grid->SetAnchorHint(true);
    Grid->SetCells(1, 1, QStringLiteral("<a href=\"go\" title=\"Go there\">link</a> and text"));
    Grid->SetCells(2, 1, QStringLiteral("<a href=\"bare\">bare</a>"));
    Show();
    QList<int32_t> Places;
    Grid->OnAnchorHint = [&](TObject*, int32_t ARow, int32_t ACol, QString& Anchor) {
        Places << ACol << ARow;
        if (Anchor == QLatin1String("bare")) Anchor = QStringLiteral("changed");
    };
    const struct {
        const char* Name;
        int32_t Col;
        int32_t X;
        QString Text;
        bool Anchor;
    } Cases[] = {
        {"the anchor's title", 1, 6, QStringLiteral("Go there"), true},
        {"the anchor itself, through the event", 2, 6, QStringLiteral("changed"), true},
        {"beside the anchor", 1, 120, QStringLiteral("grid"), false},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Places.clear();
        const TRect R = Grid->CellRect(C.Col, 1);
        const TPoint At = Point(R.Left + C.X, R.Top + 8);
        Application->CancelHint();
        MoveMouse(Form.get(), {415, 265});
        MoveMouse(Grid, At);
        Clock.Advance(static_cast<uint32_t>(Application->HintPause()));
        ASSERT_NE(Application->HintWindow(), nullptr);
        EXPECT_EQ(Application->HintWindow()->Caption(), C.Text);
        if (C.Anchor) {
            EXPECT_EQ(Places, (QList<int32_t>{C.Col, 1}));
            EXPECT_EQ(Application->HintWindow()->BoundsRect().TopLeft(),
                      Grid->ClientToScreen(Point(At.X + 8, At.Y - 16)));
        } else {
            EXPECT_TRUE(Places.isEmpty());
        }
    }
}

}  // namespace
