// A new string grid answers every default, its settings objects exist, the platform facts and the
// unit's version and locale helpers hold.
#include "ExtGridTestSupport.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/FormatSettings.h"
#include "windows/FileVersion.h"
#include "windows/SystemMetrics.h"

#include <functional>

namespace {

struct TDefault {
    const char* Name;
    std::function<qint64(TExtStringGrid*)> Get;
    qint64 Expected;
};

TEST(ExtGridDefaultsTest, NewGridAnswersEveryDefault)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    auto* G = New<TExtStringGrid>(Form.get());
    const TDefault Defaults[] = {
        {"RowCount", [](auto* G) { return G->RowCount(); }, 10},
        {"ColCount", [](auto* G) { return G->ColCount(); }, 5},
        {"FixedRows", [](auto* G) { return G->FixedRows(); }, 1},
        {"FixedCols", [](auto* G) { return G->FixedCols(); }, 1},
        {"DefaultRowHeight", [](auto* G) { return G->DefaultRowHeight(); }, 22},
        {"FixedRowHeight", [](auto* G) { return G->FixedRowHeight(); }, 22},
        {"FixedColWidth", [](auto* G) { return G->FixedColWidth(); }, 64},
        {"Width", [](auto* G) { return G->Width(); }, 400},
        {"Height", [](auto* G) { return G->Height(); }, 250},
        {"HighlightColor", [](auto* G) { return G->HighlightColor(); }, clHighlight},
        {"HighlightTextColor", [](auto* G) { return G->HighlightTextColor(); }, clHighlightText},
        {"HintColor", [](auto* G) { return G->HintColor(); }, clInfoBk},
        {"HintShowLargeTextPos", [](auto* G) { return G->HintShowLargeTextPos(); }, hpCell},
        {"ActiveCellColor", [](auto* G) { return G->ActiveCellColor(); }, 0x808080},
        {"ActiveCellColorTo", [](auto* G) { return G->ActiveCellColorTo(); }, clNone},
        {"ActiveCellShow", [](auto* G) { return G->ActiveCellShow(); }, false},
        {"AutoFilterUpdate", [](auto* G) { return G->AutoFilterUpdate(); }, true},
        {"AutoSize", [](auto* G) { return G->AutoSize(); }, false},
        {"BorderColor", [](auto* G) { return G->BorderColor(); }, 0xB99D7F},
        {"DefaultAlignment", [](auto* G) { return G->DefaultAlignment(); }, taLeftJustify},
        {"DefaultEditor", [](auto* G) { return G->DefaultEditor(); }, edNormal},
        {"DisabledFontColor", [](auto* G) { return G->DisabledFontColor(); }, 0xC0C0C0},
        {"EnableHTML", [](auto* G) { return G->EnableHTML(); }, true},
        {"EnableWheel", [](auto* G) { return G->EnableWheel(); }, true},
        {"EnhRowColMove", [](auto* G) { return G->EnhRowColMove(); }, true},
        {"FilterDropDownColumns", [](auto* G) { return G->FilterDropDownColumns(); }, fdNormal},
        {"FilterNormalCellsOnly", [](auto* G) { return G->FilterNormalCellsOnly(); }, true},
        {"Flat", [](auto* G) { return G->Flat(); }, false},
        {"HoverFixedCells", [](auto* G) { return G->HoverFixedCells(); }, hfNone},
        {"IntegralHeight", [](auto* G) { return G->IntegralHeight(); }, false},
        {"IntelliPan", [](auto* G) { return G->IntelliPan(); }, ipVertical},
        {"IntelliZoom", [](auto* G) { return G->IntelliZoom(); }, true},
        {"InvalidEntryIcon", [](auto* G) { return G->InvalidEntryIcon(); }, ieWarning},
        {"Look", [](auto* G) { return G->Look(); }, glXP},
        {"ScrollBarAlways", [](auto* G) { return G->ScrollBarAlways(); }, saNone},
        {"ScrollBars", [](auto* G) { return G->ScrollBars(); }, ssBoth},
        {"ScrollColor", [](auto* G) { return G->ScrollColor(); }, clNone},
        {"ScrollType", [](auto* G) { return G->ScrollType(); }, ssNormal},
        {"ScrollWidth", [](auto* G) { return G->ScrollWidth(); }, GetSystemMetrics(SM_CXVSCROLL)},
        {"ScrollHints", [](auto* G) { return G->ScrollHints(); }, shNone},
        {"SelectionColor", [](auto* G) { return G->SelectionColor(); }, 0xEACAB6},
        {"SelectionColorTo", [](auto* G) { return G->SelectionColorTo(); }, clNone},
        {"SelectionColorMixerFactor", [](auto* G) { return G->SelectionColorMixerFactor(); }, 50},
        {"SelectionMirrorColor", [](auto* G) { return G->SelectionMirrorColor(); }, clNone},
        {"SelectionMirrorColorTo", [](auto* G) { return G->SelectionMirrorColorTo(); }, clNone},
        {"SelectionTextColor", [](auto* G) { return G->SelectionTextColor(); }, 0},
        {"ShowSelection", [](auto* G) { return G->ShowSelection(); }, true},
        {"ShowDesignHelper", [](auto* G) { return G->ShowDesignHelper(); }, true},
        {"URLColor", [](auto* G) { return G->URLColor(); }, 0xFF0000},
        {"UseInternalHintClass", [](auto* G) { return G->UseInternalHintClass(); }, true},
        {"VAlignment", [](auto* G) { return G->VAlignment(); }, vtaTop},
        {"WordWrap", [](auto* G) { return G->WordWrap(); }, true},
        {"PasswordChar", [](auto* G) { return G->PasswordChar().unicode(); }, '*'},
        {"SaveFixedCells", [](auto* G) { return G->SaveFixedCells(); }, true},
        {"SaveVirtCells", [](auto* G) { return G->SaveVirtCells(); }, true},
        {"SaveWithHTML", [](auto* G) { return G->SaveWithHTML(); }, true},
        {"LoadFirstRow", [](auto* G) { return G->LoadFirstRow(); }, true},
        {"QuoteEmptyCells", [](auto* G) { return G->QuoteEmptyCells(); }, true},
        {"ShowNullDates", [](auto* G) { return G->ShowNullDates(); }, true},
        {"FitCellsInGrid", [](auto* G) { return G->FitCellsInGrid(); }, true},
        {"XYOffset.X", [](auto* G) { return G->XYOffset().X; }, 2},
        {"XYOffset.Y", [](auto* G) { return G->XYOffset().Y; }, 2},
        {"VyxGradientFrom", [](auto* G) { return G->VyxGradientFrom(); }, 0xFFFFFF},
        {"VyxGradientTo", [](auto* G) { return G->VyxGradientTo(); }, ColorToRGB(clBtnFace)},
        {"VyxGradientMirrorFrom", [](auto* G) { return G->VyxGradientMirrorFrom(); }, clNone},
        {"GroupColumn", [](auto* G) { return G->GroupColumn(); }, -1},
        {"MaxRowCount", [](auto* G) { return G->MaxRowCount(); }, 10},
        {"IsWinXP", [](auto* G) { return G->IsWinXP(); }, true},
        {"IsWin7", [](auto* G) { return G->IsWin7(); }, false},
        {"IsWinVista", [](auto* G) { return G->IsWinVista(); }, false},
        {"IsComCtl6", [](auto* G) { return G->IsComCtl6(); }, false},
        {"GridLinkCursor", [](auto*) { return GridLinkCursor; }, crHandPoint},
        {"CellNode.NodeIndent", [](auto* G) { return G->CellNode()->NodeIndent(); }, 12},
        {"SortSettings.Column", [](auto* G) { return G->SortSettings()->Column(); }, -1},
        {"ControlLook.CheckSize", [](auto* G) { return G->ControlLook()->CheckSize(); }, 15},
        {"FloatingFooter.Visible", [](auto* G) { return G->FloatingFooter()->Visible(); }, false},
        {"FloatingFooter.Height", [](auto* G) { return G->FloatingFooter()->Height(); }, 22},
    };
    for (const TDefault& D : Defaults) EXPECT_EQ(D.Get(G), D.Expected) << D.Name;

    const struct {
        const char* Name;
        QString Value;
        QString Expected;
    } Texts[] = {
        {"CheckTrue", G->CheckTrue(), QStringLiteral("Y")},
        {"CheckFalse", G->CheckFalse(), QStringLiteral("N")},
        {"FloatFormat", G->FloatFormat(), QStringLiteral("%.2f")},
        {"FilterDropDownClear", G->FilterDropDownClear(), QStringLiteral("(All)")},
        {"XMLEncoding", G->XMLEncoding(), QStringLiteral("ISO-8859-1")},
        {"Version", G->Version(), QStringLiteral("6.2.1.3")},
        {"FixedFont", G->FixedFont()->Name(), QStringLiteral("Tahoma")},
    };
    for (const auto& T : Texts) EXPECT_EQ(T.Value, T.Expected) << T.Name;
    EXPECT_EQ(G->VersionNr(), 0x06020103);
    EXPECT_TRUE(G->FixedFont()->Style().Contains(fsBold));
    EXPECT_TRUE(G->ActiveCellFont()->Style().Contains(fsBold));

    // Owned settings objects exist; references to components on the form are nil.
    EXPECT_TRUE(G->Grouping() && G->MouseActions() && G->Navigation() && G->Bands() && G->BackGround() &&
                G->DragDropSettings() && G->DragScrollOptions() && G->Balloon() && G->ShowModified() &&
                G->ProgressAppearance() && G->FilterDropDown() && G->SearchFooter() && G->SyncGrid() &&
                G->FocusHelper() && G->Filter() && G->ColumnHeaders() && G->RowHeaders() && G->LookupItems() &&
                G->RowIndicator() && G->FocusWindow());
    EXPECT_EQ(G->GridImages(), nullptr);
    EXPECT_EQ(G->PictureContainer(), nullptr);
    EXPECT_EQ(G->CellChecker(), nullptr);
    EXPECT_EQ(G->FixedDropDownMenu(), nullptr);
}

TEST(ExtGridDefaultsTest, NewGridStartsOffEmptyAndAtZeroElsewhere)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    auto* G = New<TExtStringGrid>(Form.get());
    const TDefault Defaults[] = {
        {"HintShowCells", [](auto* G) { return G->HintShowCells(); }, false},
        {"HintShowLargeText", [](auto* G) { return G->HintShowLargeText(); }, false},
        {"HintShowSizing", [](auto* G) { return G->HintShowSizing(); }, false},
        {"HTMLHint", [](auto* G) { return G->HTMLHint(); }, false},
        {"OemConvert", [](auto* G) { return G->OemConvert(); }, false},
        {"AnchorHint", [](auto* G) { return G->AnchorHint(); }, false},
        {"AutoNumAlign", [](auto* G) { return G->AutoNumAlign(); }, false},
        {"AutoThemeAdapt", [](auto* G) { return G->AutoThemeAdapt(); }, false},
        {"EditWithTags", [](auto* G) { return G->EditWithTags(); }, false},
        {"EnableBlink", [](auto* G) { return G->EnableBlink(); }, false},
        {"EnhTextSize", [](auto* G) { return G->EnhTextSize(); }, false},
        {"ExcelStyleDecimalSeparator", [](auto* G) { return G->ExcelStyleDecimalSeparator(); }, false},
        {"FilterActive", [](auto* G) { return G->FilterActive(); }, false},
        {"FilterDropDownAuto", [](auto* G) { return G->FilterDropDownAuto(); }, false},
        {"FilterDropDownCheck", [](auto* G) { return G->FilterDropDownCheck(); }, false},
        {"FilterDropDownRow", [](auto* G) { return G->FilterDropDownRow(); }, 0},
        {"FilterIncremental", [](auto* G) { return G->FilterIncremental(); }, false},
        {"FixedAsButtons", [](auto* G) { return G->FixedAsButtons(); }, false},
        {"FixedFooters", [](auto* G) { return G->FixedFooters(); }, 0},
        {"FixedRightCols", [](auto* G) { return G->FixedRightCols(); }, 0},
        {"FixedRowAlways", [](auto* G) { return G->FixedRowAlways(); }, false},
        {"FixedColAlways", [](auto* G) { return G->FixedColAlways(); }, false},
        {"HideFocusRect", [](auto* G) { return G->HideFocusRect(); }, false},
        {"Hovering", [](auto* G) { return G->Hovering(); }, false},
        {"Lookup", [](auto* G) { return G->Lookup(); }, false},
        {"LookupCaseSensitive", [](auto* G) { return G->LookupCaseSensitive(); }, false},
        {"LookupHistory", [](auto* G) { return G->LookupHistory(); }, false},
        {"MaxEditLength", [](auto* G) { return G->MaxEditLength(); }, 0},
        {"MaxComboLength", [](auto* G) { return G->MaxComboLength(); }, 0},
        {"Multilinecells", [](auto* G) { return G->Multilinecells(); }, false},
        {"ScrollProportional", [](auto* G) { return G->ScrollProportional(); }, false},
        {"ScrollSynch", [](auto* G) { return G->ScrollSynch(); }, false},
        {"SelectionColorMixer", [](auto* G) { return G->SelectionColorMixer(); }, false},
        {"SelectionRectangle", [](auto* G) { return G->SelectionRectangle(); }, false},
        {"SelectionResizer", [](auto* G) { return G->SelectionResizer(); }, false},
        {"SelectionRTFKeep", [](auto* G) { return G->SelectionRTFKeep(); }, false},
        {"SizeWithForm", [](auto* G) { return G->SizeWithForm(); }, false},
        {"URLShow", [](auto* G) { return G->URLShow(); }, false},
        {"URLShowInText", [](auto* G) { return G->URLShowInText(); }, false},
        {"URLUnderlineOnHover", [](auto* G) { return G->URLUnderlineOnHover(); }, false},
        {"URLFull", [](auto* G) { return G->URLFull(); }, false},
        {"URLEdit", [](auto* G) { return G->URLEdit(); }, false},
        {"IsPrintPreview", [](auto* G) { return G->IsPrintPreview(); }, false},
        {"ZoomFactor", [](auto* G) { return G->ZoomFactor(); }, 0},
        {"Delimiter", [](auto* G) { return G->Delimiter().unicode(); }, 0},
        {"NoDefaultDraw", [](auto* G) { return G->NoDefaultDraw(); }, false},
        {"JavaCSV", [](auto* G) { return G->JavaCSV(); }, false},
        {"SaveFixedCols", [](auto* G) { return G->SaveFixedCols(); }, false},
        {"SaveFixedRows", [](auto* G) { return G->SaveFixedRows(); }, false},
        {"SaveHiddenCells", [](auto* G) { return G->SaveHiddenCells(); }, false},
        {"SaveWithRTF", [](auto* G) { return G->SaveWithRTF(); }, false},
        {"ClearTextOnly", [](auto* G) { return G->ClearTextOnly(); }, false},
        {"PrinterDriverFix", [](auto* G) { return G->PrinterDriverFix(); }, false},
        {"Modified", [](auto* G) { return G->Modified(); }, false},
        {"FindBusy", [](auto* G) { return G->FindBusy(); }, false},
        {"ExcelClipboardFormat", [](auto* G) { return G->ExcelClipboardFormat(); }, false},
        {"AlwaysQuotes", [](auto* G) { return G->AlwaysQuotes(); }, false},
        {"SelectionRectangleColor", [](auto* G) { return G->SelectionRectangleColor(); }, 0},
        {"SizeGrowOnly", [](auto* G) { return G->SizeGrowOnly(); }, false},
        {"MinRowHeight", [](auto* G) { return G->MinRowHeight(); }, 0},
        {"MaxRowHeight", [](auto* G) { return G->MaxRowHeight(); }, 0},
        {"MinColWidth", [](auto* G) { return G->MinColWidth(); }, 0},
        {"MaxColWidth", [](auto* G) { return G->MaxColWidth(); }, 0},
        {"VyxGradientMirrorTo", [](auto* G) { return G->VyxGradientMirrorTo(); }, clNone},
        {"UseDisabledFont", [](auto* G) { return G->UseDisabledFont(); }, true},
        {"EditActive", [](auto* G) { return G->EditActive(); }, false},
        {"LockUpdate", [](auto* G) { return G->LockUpdate(); }, false},
        {"NumHiddenColumns", [](auto* G) { return G->NumHiddenColumns(); }, 0},
        {"NumHiddenRows", [](auto* G) { return G->NumHiddenRows(); }, 0},
    };
    for (const TDefault& D : Defaults) EXPECT_EQ(D.Get(G), D.Expected) << D.Name;
    EXPECT_TRUE(G->InvalidEntryTitle().isEmpty() && G->InvalidEntryText().isEmpty() && G->ValidChars().isEmpty() &&
                G->EditMask().isEmpty() && G->IncrSearchText().isEmpty());
    EXPECT_EQ(G->ColumnHeaders()->Count(), 0);
    EXPECT_EQ(G->RowHeaders()->Count(), 0);
    EXPECT_EQ(G->IgnoreColumns()->Count(), 0);

    // At run time the active-cell font keeps the default font's name; the fixed font is Tahoma.
    TFont Plain;
    EXPECT_EQ(G->ActiveCellFont()->Name(), Plain.Name());

    // The declared defaults a form writer leaves out differ from what a new grid starts with.
    EXPECT_EQ(TExtStringGrid::DeclaredFixedRowHeight, 21);
    EXPECT_EQ(TExtStringGrid::DeclaredScrollWidth, 17);
    EXPECT_EQ(G->FixedRowHeight(), 22);
    EXPECT_EQ(G->ScrollWidth(), GetSystemMetrics(SM_CXVSCROLL));
}

TEST(ExtGridDefaultsTest, WindowsOfVersionFiveOneOnCountAsXPAndSixOneOnAsSeven)
{
    const struct {
        int32_t Major, Minor;
        bool XP, Win7;
    } Cases[] = {{5, 0, false, false}, {5, 1, true, false}, {6, 0, true, false},
                 {6, 1, true, true},   {4, 9, false, false}, {10, 0, true, true}};
    for (const auto& C : Cases) {
        EXPECT_EQ(IsWinXPVersion(C.Major, C.Minor), C.XP) << C.Major << "." << C.Minor;
        EXPECT_EQ(IsWin7Version(C.Major, C.Minor), C.Win7) << C.Major << "." << C.Minor;
    }
}

// Version data as a test gives it.
class TVersionService : public TModuleVersionService {
public:
    bool FixedFileInfo(const QString& FileName, VS_FIXEDFILEINFO& Info) override
    {
        if (FileName.compare(QStringLiteral("comctl32.dll"), Qt::CaseInsensitive) != 0) return false;
        Info = VS_FIXEDFILEINFO();
        Info.dwSignature = Signature;
        Info.dwFileVersionMS = VersionMS;
        return true;
    }
    uint32_t Signature = VS_FFI_SIGNATURE;
    uint32_t VersionMS = 0x00060000;
};

TEST(ExtGridDefaultsTest, ModuleVersionsComeFromTheVersionResource)
{
    EXPECT_EQ(GetModuleFileVersion(QStringLiteral("comctl32.dll")), (5 << 16) | 82);
    EXPECT_EQ(GetModuleFileVersion(QStringLiteral("C:\\Windows\\System32\\COMCTL32.DLL")), (5 << 16) | 82);
    EXPECT_EQ(GetModuleFileVersion(QStringLiteral("kernel32.dll")), -1);
    {
        std::unique_ptr<TForm> Form(New<TForm>(nullptr));
        EXPECT_FALSE(New<TExtStringGrid>(Form.get())->IsComCtl6());
    }

    TVersionService Service;
    TModuleVersionService* Previous = SetModuleVersionService(&Service);
    EXPECT_EQ(GetModuleFileVersion(QStringLiteral("comctl32.dll")), 0x00060000);
    {
        std::unique_ptr<TForm> Form(New<TForm>(nullptr));
        EXPECT_TRUE(New<TExtStringGrid>(Form.get())->IsComCtl6());
    }
    Service.Signature = 0x12345678;
    EXPECT_EQ(GetModuleFileVersion(QStringLiteral("comctl32.dll")), -1);
    {
        // Without version data the grid takes no common controls 6.
        std::unique_ptr<TForm> Form(New<TForm>(nullptr));
        EXPECT_FALSE(New<TExtStringGrid>(Form.get())->IsComCtl6());
    }
    SetModuleVersionService(Previous);
    EXPECT_TRUE(ComCtl32Ver470);
}

TEST(ExtGridDefaultsTest, UnitStartTakesCommonControlsFromVersion470On)
{
    // The first grid starts the unit.
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    New<TExtStringGrid>(Form.get());
    TVersionService Service;
    TModuleVersionService* Previous = SetModuleVersionService(&Service);
    int32_t Ends = 0;
    while (GridHookHandle) {
        ExtGridFinalization();
        ++Ends;
    }
    const struct {
        uint32_t VersionMS, Signature;
        bool Expected;
    } Cases[] = {{0x00040045, VS_FFI_SIGNATURE, false},
                 {0x00040046, VS_FFI_SIGNATURE, true},
                 {0x00060000, VS_FFI_SIGNATURE, true},
                 {0x00060000, 0x12345678, false}};
    for (const auto& C : Cases) {
        Service.VersionMS = C.VersionMS;
        Service.Signature = C.Signature;
        ExtGridInitialization();
        EXPECT_EQ(ComCtl32Ver470, C.Expected) << std::hex << C.VersionMS << " " << C.Signature;
        ExtGridFinalization();
    }
    SetModuleVersionService(Previous);
    for (int32_t I = 0; I < Ends; ++I) ExtGridInitialization();
    EXPECT_TRUE(ComCtl32Ver470);
    EXPECT_NE(GridHookHandle, nullptr);
}

TEST(ExtGridDefaultsTest, LocaleHelpersReadTheSettingsInForceAtEachCall)
{
    TFormatSettings Settings = FormatSettings();
    const TFormatSettings Saved = Settings;
    Settings.ShortTimeFormat = QStringLiteral("hh:nn");
    Settings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    SetFormatSettings(Settings);
    EXPECT_EQ(GetShortTimeFormat(), QStringLiteral("hh:nn"));
    EXPECT_EQ(GetLongTimeFormat(), QStringLiteral("hh:nn:ss"));
    SetFormatSettings(Saved);
    EXPECT_EQ(GetShortTimeFormat(), Saved.ShortTimeFormat);
}

TEST_F(ExtGridFixture, ThemedLookEndsWithTheWindowWithoutVisualStyles)
{
    EXPECT_TRUE(Grid->IsWinXP());
    Show();
    EXPECT_FALSE(Grid->IsWinXP());
    // Creation and window facts of the layer.
    EXPECT_EQ(Grid->GridTimerID(), 111);
    EXPECT_EQ(Grid->WheelMessage(), UINT(WM_MOUSEWHEEL));
    UINT Lines = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &Lines, 0));
    EXPECT_EQ(Grid->WheelScrollLines(), static_cast<int32_t>(Lines));
    EXPECT_GT(Lines, 0u);
}

TEST(ExtGridDefaultsTest, EventsStartUnassigned)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    auto* G = New<TExtStringGrid>(Form.get());
    EXPECT_FALSE(G->OnGetCellColor || G->OnRowUpdate || G->OnCustomCompare || G->OnRawCompare ||
                 G->OnSelectionChanged || G->OnFooterPaint || G->OnFooterCalc || G->OnGetEditorType ||
                 G->OnCheckBoxChange || G->OnCellsChanged || G->OnResize || G->OnTimeSpinClick);
}

}  // namespace
