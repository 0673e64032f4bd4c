// The rich edit: RTF read and written back, character formats by message, selection attributes,
// typing, the requested size and EM_FORMATRANGE drawing.
#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "rtl/Streams.h"
#include "rtl/Strings.h"
#include "windows/RichEdit.h"

#include <gtest/gtest.h>

namespace {

using namespace Input;

CHARFORMAT2W FormatAt(TRichEdit* Edit, int32_t Start, int32_t End)
{
    Edit->Perform(EM_SETSEL, static_cast<WPARAM>(Start), End);
    CHARFORMAT2W Format;
    Edit->Perform(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&Format));
    return Format;
}

QString Saved(TRichEdit* Edit)
{
    TBytesStream Stream;
    Edit->Lines()->SaveToStream(&Stream);
    return QString::fromLatin1(Stream.Bytes());
}

void Load(TRichEdit* Edit, const QByteArray& Bytes)
{
    TBytesStream Stream(Bytes);
    Edit->Lines()->LoadFromStream(&Stream);
}

// The rows of Image where a pixel darker than mid-grey lies, as [first, last]; {-1, -1} for none.
std::pair<int, int> InkRows(const QImage& Image, const QRect& Area)
{
    int First = -1, Last = -1;
    for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
        for (int X = Area.left(); X <= Area.right(); ++X)
            if (qGray(Image.pixel(X, Y)) < 128) {
                if (First < 0) First = Y;
                Last = Y;
                break;
            }
    return {First, Last};
}

class RichEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(320, 240);
        Edit = Place<TRichEdit>(Form.get(), Rect(10, 10, 210, 110));
        Edit->Font()->SetName(QStringLiteral("Arial"));
        Edit->Font()->SetSize(10);
    }

    std::unique_ptr<TForm> Form;
    TRichEdit* Edit = nullptr;
};

struct TFixture {
    const char* Name;
    const char* Rtf;
    QString Text;
    // A character and what it carries.
    int32_t At;
    uint32_t Effects;
    int32_t Offset;
    int32_t HalfPoints;
    const char* Face;
};

TEST_F(RichEditTest, FixturesReadTheirTextAndFormatsAndRoundTrip)
{
    const TFixture Fixtures[] = {
        {"typical output",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset2 "
         "Symbol;}}\r\n{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\f0\\fs20 Hello \\b bold\\b0  "
         "\\i it\\i0\\par\r\n}\r\n",
         QStringLiteral("Hello bold it"), 7, CFE_BOLD, 0, 20, "Arial"},
        {"escaped byte", "{\\rtf1\\ansi caf\\'e9 \\'80}", QStringLiteral(u"café €"), 3, 0, 0, 24, "Arial"},
        {"unicode with fallback", "{\\rtf1\\ansi\\uc1 price \\u8364?5 \\uc2\\u-4064\\'3f\\'3f}", QStringLiteral(u"price €5 \uF020"), 6, 0, 0,
         24, "Arial"},
        {"nested groups", "{\\rtf1 a{\\b b{\\i c}d}e}", QStringLiteral("abcde"), 2, CFE_BOLD | CFE_ITALIC, 0, 24, "Arial"},
        {"group restores", "{\\rtf1 a{\\b b{\\i c}d}e}", QStringLiteral("abcde"), 3, CFE_BOLD, 0, 24, "Arial"},
        {"subscript offset", "{\\rtf1 H{\\dn4 2}O x{\\up4 2}}", QStringLiteral("H2O x2"), 1, 0, -40, 24, "Arial"},
        {"superscript offset", "{\\rtf1 H{\\dn4 2}O x{\\up4 2}}", QStringLiteral("H2O x2"), 5, 0, 40, 24, "Arial"},
        {"super and plain", "{\\rtf1\\fs30 a\\super b\\nosupersub\\strike c\\plain d}", QStringLiteral("abcd"), 1, CFE_SUPERSCRIPT, 0, 30,
         "Arial"},
        {"strike then plain", "{\\rtf1\\fs30 a\\super b\\nosupersub\\strike c\\plain d}", QStringLiteral("abcd"), 2, CFE_STRIKEOUT, 0,
         30, "Arial"},
        {"plain resets size", "{\\rtf1\\fs30 a\\super b\\nosupersub\\strike c\\plain d}", QStringLiteral("abcd"), 3, 0, 0, 24, "Arial"},
        {"fonts", "{\\rtf1\\deff1{\\fonttbl{\\f0 Courier New;}{\\f1\\froman Times New Roman;}}x\\f0 y\\f7 z}", QStringLiteral("xyz"), 1,
         0, 0, 24, "Courier New"},
        {"default font", "{\\rtf1\\deff1{\\fonttbl{\\f0 Courier New;}{\\f1\\froman Times New Roman;}}x\\f0 y\\f7 z}",
         QStringLiteral("xyz"), 2, 0, 0, 24, "Times New Roman"},
        {"paragraphs and breaks", "{\\rtf1\\pard\\qc A\\par\\pard B\\line C\\tab D\\par\\par}", QStringLiteral("A\r\nB\r\nC\tD\r\n"), 0,
         0, 0, 24, "Arial"},
        {"skipped destinations", "{\\rtf1{\\*\\unknown hidden}{\\info{\\title T}}shown\\foo bar\\~\\{\\}\\\\}",
         QStringLiteral(u"shownbar\u00A0{}\\"), 0, 0, 0, 24, "Arial"},
        {"unterminated", "{\\rtf1 open {\\b bold", QStringLiteral("open bold"), 5, CFE_BOLD, 0, 24, "Arial"},
        {"broken escapes", "{\\rtf1 a\\'zz\\'4 b\\u}", QStringLiteral("azz4 b"), 0, 0, 0, 24, "Arial"},
    };
    for (const TFixture& F : Fixtures) {
        SCOPED_TRACE(F.Name);
        Load(Edit, F.Rtf);
        EXPECT_EQ(Edit->Text(), F.Text);
        const CHARFORMAT2W Format = FormatAt(Edit, F.At, F.At + 1);
        EXPECT_EQ(Format.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_STRIKEOUT | CFE_SUPERSCRIPT | CFE_SUBSCRIPT), F.Effects);
        EXPECT_EQ(Format.yOffset, F.Offset);
        EXPECT_EQ(Format.yHeight, F.HalfPoints * 10);
        EXPECT_EQ(QString::fromUtf16(Format.szFaceName), QString::fromLatin1(F.Face));

        // Written and read again: the same text and formats, and the same file once more.
        const QString Rtf = Saved(Edit);
        EXPECT_TRUE(Rtf.startsWith(QLatin1String("{\\rtf1\\ansi\\ansicpg1252")));
        for (const QChar C : Rtf) ASSERT_LT(C.unicode(), 0x80) << qPrintable(Rtf);
        Load(Edit, Rtf.toLatin1());
        EXPECT_EQ(Edit->Text(), F.Text);
        const CHARFORMAT2W Again = FormatAt(Edit, F.At, F.At + 1);
        EXPECT_EQ(Again.dwEffects, Format.dwEffects);
        EXPECT_EQ(Again.yOffset, Format.yOffset);
        EXPECT_EQ(Again.yHeight, Format.yHeight);
        EXPECT_EQ(Saved(Edit), Rtf);
    }
}

TEST_F(RichEditTest, ColoursAlignmentAndLinesSurviveTheRoundTrip)
{
    Load(Edit, "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\\qr\\cf1 red\\cf0  \\highlight2 auto\\par "
               "\\pard next}");
    EXPECT_EQ(Edit->Lines()->Count(), 2);
    EXPECT_EQ(Edit->Lines()->Strings(1), QStringLiteral("next"));
    const CHARFORMAT2W Red = FormatAt(Edit, 0, 3);
    EXPECT_EQ(Red.dwMask & CFM_COLOR, CFM_COLOR);
    EXPECT_EQ(Red.crTextColor, 0x0000FFu);
    EXPECT_EQ(Red.dwEffects & CFE_AUTOCOLOR, 0u);
    const CHARFORMAT2W Auto = FormatAt(Edit, 4, 8);
    EXPECT_EQ(Auto.dwEffects & (CFE_AUTOCOLOR | CFE_AUTOBACKCOLOR), uint32_t(CFE_AUTOCOLOR));
    EXPECT_EQ(Auto.crBackColor, 0xFF0000u);
    // A selection over both: the colour is no common attribute.
    EXPECT_EQ(FormatAt(Edit, 0, 8).dwMask & CFM_COLOR, 0u);

    const QString Rtf = Saved(Edit);
    EXPECT_NE(Rtf.indexOf(QLatin1String("\\qr")), -1);
    EXPECT_NE(Rtf.indexOf(QLatin1String("\\red255\\green0\\blue0;")), -1);
    Load(Edit, Rtf.toLatin1());
    EXPECT_EQ(Saved(Edit), Rtf);
    EXPECT_EQ(FormatAt(Edit, 0, 3).crTextColor, 0x0000FFu);
}

TEST_F(RichEditTest, BrokenInputReadsWithoutCrashOrRunaway)
{
    // Far deeper than the cap, and braces that close more than they opened.
    const QByteArray Deep = "{\\rtf1 a" + QByteArray(100000, '{') + "hidden" + QByteArray(100000, '}') + "b}";
    Load(Edit, Deep);
    EXPECT_TRUE(Edit->Text().startsWith(QLatin1String("a")));
    EXPECT_FALSE(Edit->Text().contains(QLatin1String("hidden")));
    Load(Edit, "{\\rtf1 x}}}}{\\b y}");
    EXPECT_EQ(Edit->Text(), QStringLiteral("x"));
    // Not RTF: plain text.
    Load(Edit, "plain {\\b text}");
    EXPECT_EQ(Edit->Text(), QStringLiteral("plain {\\b text}"));
}

TEST_F(RichEditTest, OffsetsAreExactTwipsAndWrittenAsHalfPoints)
{
    Edit->SetText(QStringLiteral("H2O x2 y"));
    const struct {
        int32_t Start;
        int32_t Offset;
        const char* Word;
    } Cases[] = {{1, -40, "\\dn4 2"}, {5, 40, "\\up4 2"}, {7, 37, "\\up4 y"}};
    for (const auto& C : Cases) {
        Edit->Perform(EM_SETSEL, static_cast<WPARAM>(C.Start), C.Start + 1);
        CHARFORMATW Format;
        Format.dwMask = CFM_OFFSET;
        Format.yOffset = C.Offset;
        EXPECT_NE(Edit->Perform(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&Format)), 0);
    }
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Word);
        CHARFORMATW Format;
        Edit->Perform(EM_SETSEL, static_cast<WPARAM>(C.Start), C.Start + 1);
        Edit->Perform(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&Format));
        EXPECT_EQ(Format.dwMask & CFM_OFFSET, CFM_OFFSET);
        EXPECT_EQ(Format.yOffset, C.Offset);
        EXPECT_NE(Saved(Edit).indexOf(QLatin1String(C.Word)), -1) << qPrintable(Saved(Edit));
    }
    // Mixed offsets: no common offset.
    EXPECT_EQ(FormatAt(Edit, 0, 3).dwMask & CFM_OFFSET, 0u);
}

TEST_F(RichEditTest, SelAttributesReadWhatTheySetAndTypingTakesThem)
{
    Form->Show();
    ProcessPendingEvents();
    Edit->SetText(QStringLiteral("one two"));
    Edit->SetSelStart(4);
    Edit->SetSelLength(3);
    EXPECT_EQ(Edit->SelText(), QStringLiteral("two"));
    Edit->SelAttributes()->SetStyle({fsBold, fsUnderline});
    Edit->SelAttributes()->SetName(QStringLiteral("Courier New"));
    Edit->SelAttributes()->SetSize(14);
    Edit->SelAttributes()->SetColor(clRed);
    EXPECT_EQ(Edit->SelAttributes()->Style(), TFontStyles({fsBold, fsUnderline}));
    EXPECT_EQ(Edit->SelAttributes()->Name(), QStringLiteral("Courier New"));
    EXPECT_EQ(Edit->SelAttributes()->Size(), 14);
    EXPECT_EQ(Edit->SelAttributes()->Color(), clRed);
    EXPECT_EQ(FormatAt(Edit, 0, 3).dwEffects & CFE_BOLD, 0u);

    // An empty selection's attributes go to what is typed there.
    Edit->SetFocus();
    Edit->SetSelStart(3);
    Edit->SelAttributes()->SetStyle({fsItalic});
    EXPECT_EQ(Edit->SelAttributes()->Style(), TFontStyles({fsItalic}));
    int32_t Changes = 0;
    Edit->OnChange = [&](TObject*) { ++Changes; };
    TypeText(QStringLiteral("!"));
    ProcessPendingEvents();
    EXPECT_EQ(Edit->Text(), QStringLiteral("one! two"));
    EXPECT_GE(Changes, 1);
    EXPECT_EQ(FormatAt(Edit, 3, 4).dwEffects & (CFE_ITALIC | CFE_BOLD), uint32_t(CFE_ITALIC));
    const QString Rtf = Saved(Edit);
    EXPECT_NE(Rtf.indexOf(QLatin1String("\\b")), -1);
    EXPECT_NE(Rtf.indexOf(QLatin1String("Courier New")), -1);
    EXPECT_NE(Rtf.indexOf(QLatin1String("\\fs28")), -1);
}

TEST_F(RichEditTest, KeysAndMouseMoveTheSelectionAndNotify)
{
    Form->Show();
    ProcessPendingEvents();
    Edit->SetText(QStringLiteral("abc\r\ndef"));
    int32_t SelectionChanges = 0;
    Edit->OnSelectionChange = [&](TObject*) { ++SelectionChanges; };
    Edit->SetFocus();
    Click(Edit, Point(1, 3));
    ProcessPendingEvents();
    EXPECT_EQ(Edit->SelStart(), 0);
    PressKey(VK_END, {ssShift});
    EXPECT_EQ(Edit->SelLength(), 3);
    PressKey(VK_DOWN);
    PressKey(VK_BACK);
    EXPECT_EQ(Edit->Text(), QStringLiteral("abc\r\nde"));
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    EXPECT_EQ(Edit->Text(), QStringLiteral("abc\r\ne"));
    EXPECT_GE(SelectionChanges, 3);
    EXPECT_EQ(Edit->Lines()->Count(), 2);
    Edit->Lines()->Add(QStringLiteral("ghi"));
    Edit->Lines()->Delete(0);
    EXPECT_EQ(Edit->Text(), QStringLiteral("e\r\nghi"));
}

TEST_F(RichEditTest, RequestedSizeFollowsTheContent)
{
    Form->Show();
    ProcessPendingEvents();
    Edit->SetWordWrap(false);
    std::vector<TRect> Requests;
    Edit->OnResizeRequest = [&](TObject*, TRect& R) { Requests.push_back(R); };
    TBitmap Bitmap;
    Bitmap.SetSize(1, 1);
    Bitmap.Canvas()->Font()->SetName(QStringLiteral("Arial"));
    Bitmap.Canvas()->Font()->SetSize(10);

    Load(Edit, "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hello}");
    Requests.clear();
    Edit->Perform(EM_REQUESTRESIZE, 0, 0);
    ASSERT_EQ(Requests.size(), 1u);
    const TSize One = Bitmap.Canvas()->TextExtent(QStringLiteral("Hello"));
    EXPECT_NEAR(Requests[0].Width(), One.cx, 1);
    EXPECT_NEAR(Requests[0].Height(), One.cy, 2);

    // Typing a second, longer line asks for more without being asked.
    Edit->SetFocus();
    Edit->SetSelStart(5);
    Requests.clear();
    PressKey(VK_RETURN);
    TypeText(QStringLiteral("Hello world"));
    ProcessPendingEvents();
    ASSERT_FALSE(Requests.empty());
    const TSize Two = Bitmap.Canvas()->TextExtent(QStringLiteral("Hello world"));
    EXPECT_NEAR(Requests.back().Width(), Two.cx, 1);
    EXPECT_NEAR(Requests.back().Height(), 2 * One.cy, 3);

    // With word wrap the width is the formatting rectangle's, set by EM_SETRECT.
    Edit->SetWordWrap(true);
    const TRect Format = Rect(2, 2, 60, 90);
    Edit->Perform(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&Format));
    Edit->Perform(EM_REQUESTRESIZE, 0, 0);
    EXPECT_EQ(Requests.back().Left, 2);
    EXPECT_EQ(Requests.back().Width(), 58);
    EXPECT_GT(Requests.back().Height(), 2 * One.cy);
}

TEST_F(RichEditTest, FormatRangeDrawsIntoACanvasAndAnswersTheFirstCharacterLeft)
{
    Load(Edit, "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}\\f0\\fs20 \\cf1 Red\\cf0  line\\par Second "
               "line\\par Third}");
    TBitmap Bitmap;
    Bitmap.SetSize(200, 60);
    Bitmap.Canvas()->Brush()->SetColor(clWhite);
    Bitmap.Canvas()->FillRect(Rect(0, 0, 200, 60));
    // Two lines of 13-pixel text fit 36 pixels, the third does not: 10 to 190 by 10 to 46 pixels.
    FORMATRANGE Range;
    Range.hdc = Range.hdcTarget = Bitmap.Canvas();
    Range.rc = Rect(150, 150, 2850, 690);
    Range.rcPage = Rect(0, 0, 3000, 900);
    Range.chrg = {0, -1};
    const LRESULT Measured = Edit->Perform(EM_FORMATRANGE, 0, reinterpret_cast<LPARAM>(&Range));
    const LRESULT Next = Edit->Perform(EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&Range));
    Edit->Perform(EM_FORMATRANGE, 0, 0);
    EXPECT_EQ(Measured, Next);
    EXPECT_EQ(Next, QStringLiteral("Red line\nSecond line\n").size());

    // Red ink in the first line, dark in the second, nothing outside rc.
    TBitmap* B = &Bitmap;
    int32_t Red = 0, Dark = 0, Outside = 0;
    for (int32_t Y = 0; Y < 60; ++Y)
        for (int32_t X = 0; X < 200; ++X) {
            const TColor C = B->Canvas()->Pixels(X, Y);
            const bool Inside = X >= 10 && X < 190 && Y >= 10 && Y < 46;
            if (C == clWhite) continue;
            if (!Inside) ++Outside;
            if (C == TColor(0x0000FF) && Y < 24) ++Red;
            if (GetRValue(C) < 80 && GetGValue(C) < 80 && GetBValue(C) < 80 && Y >= 23) ++Dark;
        }
    SaveArtifact(ImageOf(Bitmap), QStringLiteral("RichEditFormatRange"));
    EXPECT_GT(Red, 10);
    EXPECT_GT(Dark, 10);
    EXPECT_EQ(Outside, 0);
}

TEST_F(RichEditTest, OffsetDrawsAsABaselineShift)
{
    Edit->SetColor(clWhite);
    Edit->SetText(QStringLiteral("xx"));
    CHARFORMATW Format;
    Format.dwMask = CFM_OFFSET;
    Format.yOffset = 90;
    Edit->Perform(EM_SETSEL, 1, 2);
    Edit->Perform(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&Format));
    // Room above the text; the caret stands after it.
    const TRect Area = Rect(0, 20, 200, 100);
    Edit->Perform(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&Area));
    Edit->Perform(EM_SETSEL, 2, 2);
    Form->Show();
    ProcessPendingEvents();
    const QImage Image = RenderControl(Edit);
    SaveArtifact(Image, QStringLiteral("RichEditOffset"));
    // The two x's: the second is 6 pixels (90 twips) higher.
    TBitmap Bitmap;
    Bitmap.SetSize(1, 1);
    Bitmap.Canvas()->Font()->Assign(Edit->Font());
    const int32_t X = Bitmap.Canvas()->TextWidth(QStringLiteral("x"));
    const auto First = InkRows(Image, QRect(0, 0, X, Image.height()));
    const auto Second = InkRows(Image, QRect(X, 0, X, Image.height()));
    ASSERT_GE(First.first, 0);
    ASSERT_GE(Second.first, 0);
    EXPECT_EQ(First.first - Second.first, 6);
    EXPECT_EQ(First.second - Second.second, 6);
}

}  // namespace
