// Plain settings objects of the string grid: grouping, OLE drag and drop, balloons, modified-row
// marking, drag scrolling, progress look and the filter drop-down. Each Assign copies only from
// its own class and ignores any other source.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Object.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TBitmap;
class TExtStringGrid;
class TFont;

using TGridNotifyEvent = std::function<void(TObject* Sender)>;

// Grouping look and behaviour; every setter only stores.
class TGrouping : public TPersistent {
public:
    // Copies all but the line colours and widths and Summary.
    void Assign(TPersistent* Source) override;

    bool MergeHeader() const { return FMergeHeader; }
    void SetMergeHeader(bool Value) { FMergeHeader = Value; }
    bool MergeSummary() const { return FMergeSummary; }
    void SetMergeSummary(bool Value) { FMergeSummary = Value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor SummaryColor() const { return FSummaryColor; }
    void SetSummaryColor(TColor Value) { FSummaryColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TColor HeaderTextColor() const { return FHeaderTextColor; }
    void SetHeaderTextColor(TColor Value) { FHeaderTextColor = Value; }
    bool Summary() const { return FSummary; }
    void SetSummary(bool Value) { FSummary = Value; }
    TColor SummaryTextColor() const { return FSummaryTextColor; }
    void SetSummaryTextColor(TColor Value) { FSummaryTextColor = Value; }
    TColor SummaryColorTo() const { return FSummaryColorTo; }
    void SetSummaryColorTo(TColor Value) { FSummaryColorTo = Value; }
    bool HeaderUnderline() const { return FHeaderUnderline; }
    void SetHeaderUnderline(bool Value) { FHeaderUnderline = Value; }
    bool SummaryLine() const { return FSummaryLine; }
    void SetSummaryLine(bool Value) { FSummaryLine = Value; }
    int32_t SummaryLineWidth() const { return FSummaryLineWidth; }
    void SetSummaryLineWidth(int32_t Value) { FSummaryLineWidth = Value; }
    int32_t HeaderLineWidth() const { return FHeaderLineWidth; }
    void SetHeaderLineWidth(int32_t Value) { FHeaderLineWidth = Value; }
    TColor SummaryLineColor() const { return FSummaryLineColor; }
    void SetSummaryLineColor(TColor Value) { FSummaryLineColor = Value; }
    TColor HeaderLineColor() const { return FHeaderLineColor; }
    void SetHeaderLineColor(TColor Value) { FHeaderLineColor = Value; }
    bool ShowGroupCount() const { return FShowGroupCount; }
    void SetShowGroupCount(bool Value) { FShowGroupCount = Value; }
    const QString& GroupCountFormat() const { return FGroupCountFormat; }
    void SetGroupCountFormat(const QString& Value) { FGroupCountFormat = Value; }
    bool AutoSelectGroup() const { return FAutoSelectGroup; }
    void SetAutoSelectGroup(bool Value) { FAutoSelectGroup = Value; }
    bool AutoCheckGroup() const { return FAutoCheckGroup; }
    void SetAutoCheckGroup(bool Value) { FAutoCheckGroup = Value; }

private:
    bool FMergeHeader = false;
    bool FMergeSummary = false;
    TColor FHeaderColor = clNone;
    TColor FSummaryColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderTextColor = clNone;
    bool FSummary = false;
    TColor FSummaryTextColor = clNone;
    TColor FSummaryColorTo = clNone;
    bool FHeaderUnderline = false;
    bool FSummaryLine = false;
    int32_t FSummaryLineWidth = 2;
    int32_t FHeaderLineWidth = 2;
    TColor FSummaryLineColor = clBlue;
    TColor FHeaderLineColor = clBlue;
    bool FShowGroupCount = false;
    QString FGroupCountFormat;
    bool FAutoSelectGroup = false;
    bool FAutoCheckGroup = false;
};

// OLE drag and drop switches of a grid.
class TDragDropSettings : public TPersistent {
public:
    // AGrid is not owned; nil for settings of no grid, whose switches only store.
    explicit TDragDropSettings(TExtStringGrid* AGrid) : FGrid(AGrid) {}

    // Copies all fifteen switches as they are; registers or revokes nothing.
    void Assign(TPersistent* Source) override;

    TExtStringGrid* Grid() const { return FGrid; }
    bool OleDropRTF() const { return FOleDropRTF; }
    // Sets the drag-and-drop unit's switch for rich text (SetDropRTFEnabled), then stores.
    void SetOleDropRTF(bool Value);
    bool OleAcceptText() const { return FOleAcceptText; }
    void SetOleAcceptText(bool Value) { FOleAcceptText = Value; }
    bool OleEntireRows() const { return FOleEntireRows; }
    void SetOleEntireRows(bool Value) { FOleEntireRows = Value; }
    bool OleDropSource() const { return FOleDropSource; }
    void SetOleDropSource(bool Value) { FOleDropSource = Value; }
    bool OleRemoveRows() const { return FOleRemoveRows; }
    void SetOleRemoveRows(bool Value) { FOleRemoveRows = Value; }
    bool OleAcceptFiles() const { return FOleAcceptFiles; }
    void SetOleAcceptFiles(bool Value) { FOleAcceptFiles = Value; }
    bool OleAcceptURLs() const { return FOleAcceptURLs; }
    void SetOleAcceptURLs(bool Value) { FOleAcceptURLs = Value; }
    bool OleDropTarget() const { return FOleDropTarget; }
    // Stores; outside the form designer, True makes and registers a drop target for the grid's
    // window and False revokes a registration that was made.
    void SetOleDropTarget(bool Value);
    bool OleInsertRows() const { return FOleInsertRows; }
    void SetOleInsertRows(bool Value) { FOleInsertRows = Value; }
    bool OleAppendRows() const { return FOleAppendRows; }
    void SetOleAppendRows(bool Value) { FOleAppendRows = Value; }
    bool OleCopyAlways() const { return FOleCopyAlways; }
    void SetOleCopyAlways(bool Value) { FOleCopyAlways = Value; }
    bool OleColumnDragDrop() const { return FOleColumnDragDrop; }
    void SetOleColumnDragDrop(bool Value) { FOleColumnDragDrop = Value; }
    bool OleColumnReorder() const { return FOleColumnReorder; }
    void SetOleColumnReorder(bool Value) { FOleColumnReorder = Value; }
    bool OleColumnsOnly() const { return FOleColumnsOnly; }
    void SetOleColumnsOnly(bool Value) { FOleColumnsOnly = Value; }
    bool ShowCells() const { return FShowCells; }
    void SetShowCells(bool Value) { FShowCells = Value; }

private:
    TExtStringGrid* FGrid;
    bool FOleDropRTF = false;
    bool FOleAcceptText = true;
    bool FOleEntireRows = false;
    bool FOleDropSource = false;
    bool FOleRemoveRows = false;
    bool FOleAcceptFiles = true;
    bool FOleAcceptURLs = true;
    bool FOleDropTarget = false;
    bool FOleInsertRows = false;
    bool FOleAppendRows = false;
    bool FOleCopyAlways = false;
    bool FOleColumnDragDrop = false;
    bool FOleColumnReorder = false;
    bool FOleColumnsOnly = false;
    bool FShowCells = true;
};

// Balloon hints of cells. Delays are milliseconds, -1 the system's value.
class TBalloonSettings : public TPersistent {
public:
    // Copies all but Transparency; Enable as a value, without the event.
    void Assign(TPersistent* Source) override;

    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value) { FTextColor = Value; }
    int32_t ReshowDelay() const { return FReshowDelay; }
    void SetReshowDelay(int32_t Value) { FReshowDelay = Value; }
    int32_t InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int32_t Value) { FInitialDelay = Value; }
    int32_t AutoHideDelay() const { return FAutoHideDelay; }
    void SetAutoHideDelay(int32_t Value) { FAutoHideDelay = Value; }
    uint8_t Transparency() const { return FTransparency; }
    void SetTransparency(uint8_t Value) { FTransparency = Value; }
    bool Enable() const { return FEnable; }
    // Stores, then fires OnEnableChange, also for an unchanged value.
    void SetEnable(bool Value);

    TGridNotifyEvent OnEnableChange;

private:
    TColor FBackgroundColor = clNone;
    TColor FTextColor = clNone;
    int32_t FReshowDelay = -1;
    int32_t FInitialDelay = -1;
    int32_t FAutoHideDelay = -1;
    uint8_t FTransparency = 0;
    bool FEnable = false;
};

// Marking of modified rows.
class TShowModified : public TPersistent {
public:
    void Assign(TPersistent* Source) override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TColor Color() const { return FColor; }
    // Stores, then fires OnChange.
    void SetColor(TColor Value);

    TGridNotifyEvent OnChange;

private:
    bool FEnabled = false;
    TColor FColor = clYellow;
};

// Milliseconds before drag scrolling starts and between its steps.
class TDragScrollDelays : public TPersistent {
public:
    void Assign(TPersistent* Source) override;

    int32_t InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int32_t Value) { FInitialDelay = Value; }
    int32_t RepeatDelay() const { return FRepeatDelay; }
    void SetRepeatDelay(int32_t Value) { FRepeatDelay = Value; }

private:
    int32_t FInitialDelay = 1000;
    int32_t FRepeatDelay = 250;
};

// Distances in pixels from each edge within which a drag scrolls.
class TDragScrollMargins : public TPersistent {
public:
    void Assign(TPersistent* Source) override;

    int32_t TopMargin() const { return FTopMargin; }
    void SetTopMargin(int32_t Value) { FTopMargin = Value; }
    int32_t BottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(int32_t Value) { FBottomMargin = Value; }
    int32_t LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int32_t Value) { FLeftMargin = Value; }
    int32_t RightMargin() const { return FRightMargin; }
    void SetRightMargin(int32_t Value) { FRightMargin = Value; }

private:
    int32_t FTopMargin = 50;
    int32_t FBottomMargin = 50;
    int32_t FLeftMargin = 50;
    int32_t FRightMargin = 50;
};

class TDragScrollOptions : public TPersistent {
public:
    TDragScrollOptions();
    ~TDragScrollOptions() override;

    void Assign(TPersistent* Source) override;

    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }
    TDragScrollDelays* Delays() const { return FDelays.get(); }
    void SetDelays(TDragScrollDelays* Value) { FDelays->Assign(Value); }
    TDragScrollMargins* Margins() const { return FMargins.get(); }
    void SetMargins(TDragScrollMargins* Value) { FMargins->Assign(Value); }

private:
    bool FActive = false;
    std::unique_ptr<TDragScrollDelays> FDelays;
    std::unique_ptr<TDragScrollMargins> FMargins;
};

// The look of level progress bars. A setter given a new value stores it and fires OnChange.
class TGridProgressAppearance : public TPersistent {
public:
    // Copies every value and Style, then fires OnChange once.
    void Assign(TPersistent* Source) override;

    TColor CompleteColor() const { return FCompleteColor; }
    void SetCompleteColor(TColor Value) { Store(FCompleteColor, Value); }
    TColor CompleteFontColor() const { return FCompleteFontColor; }
    void SetCompleteFontColor(TColor Value) { Store(FCompleteFontColor, Value); }
    TColor UnCompleteColor() const { return FUnCompleteColor; }
    void SetUnCompleteColor(TColor Value) { Store(FUnCompleteColor, Value); }
    TColor UnCompleteFontColor() const { return FUnCompleteFontColor; }
    void SetUnCompleteFontColor(TColor Value) { Store(FUnCompleteFontColor, Value); }
    TColor Level0Color() const { return FLevel0Color; }
    void SetLevel0Color(TColor Value) { Store(FLevel0Color, Value); }
    TColor Level0ColorTo() const { return FLevel0ColorTo; }
    void SetLevel0ColorTo(TColor Value) { Store(FLevel0ColorTo, Value); }
    TColor Level1Color() const { return FLevel1Color; }
    void SetLevel1Color(TColor Value) { Store(FLevel1Color, Value); }
    TColor Level1ColorTo() const { return FLevel1ColorTo; }
    void SetLevel1ColorTo(TColor Value) { Store(FLevel1ColorTo, Value); }
    TColor Level2Color() const { return FLevel2Color; }
    void SetLevel2Color(TColor Value) { Store(FLevel2Color, Value); }
    TColor Level2ColorTo() const { return FLevel2ColorTo; }
    void SetLevel2ColorTo(TColor Value) { Store(FLevel2ColorTo, Value); }
    TColor Level3Color() const { return FLevel3Color; }
    void SetLevel3Color(TColor Value) { Store(FLevel3Color, Value); }
    TColor Level3ColorTo() const { return FLevel3ColorTo; }
    void SetLevel3ColorTo(TColor Value) { Store(FLevel3ColorTo, Value); }
    int32_t Level1Perc() const { return FLevel1Perc; }
    void SetLevel1Perc(int32_t Value) { Store(FLevel1Perc, Value); }
    int32_t Level2Perc() const { return FLevel2Perc; }
    void SetLevel2Perc(int32_t Value) { Store(FLevel2Perc, Value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool Value) { Store(FShowBorder, Value); }
    bool Stacked() const { return FStacked; }
    void SetStacked(bool Value) { Store(FStacked, Value); }
    bool ShowPercentage() const { return FShowPercentage; }
    void SetShowPercentage(bool Value) { Store(FShowPercentage, Value); }
    bool CompletionSmooth() const { return FCompletionSmooth; }
    void SetCompletionSmooth(bool Value) { Store(FCompletionSmooth, Value); }
    bool ShowGradient() const { return FShowGradient; }
    void SetShowGradient(bool Value) { Store(FShowGradient, Value); }
    int32_t Steps() const { return FSteps; }
    void SetSteps(int32_t Value) { Store(FSteps, Value); }
    int32_t Style() const { return FStyle; }
    void SetStyle(int32_t Value) { Store(FStyle, Value); }

    TGridNotifyEvent OnChange;

private:
    template <typename T>
    void Store(T& Field, T Value)
    {
        if (Field == Value) return;
        Field = Value;
        Changed();
    }
    void Changed();

    TColor FUnCompleteFontColor = clWindowText;
    TColor FCompleteColor = clRed;
    TColor FUnCompleteColor = clNone;
    TColor FCompleteFontColor = clBlue;
    bool FStacked = false;
    bool FShowPercentage = true;
    bool FShowBorder = false;
    bool FCompletionSmooth = true;
    bool FShowGradient = true;
    int32_t FLevel2Perc = 90;
    int32_t FLevel1Perc = 70;
    int32_t FSteps = 11;
    TColor FLevel3Color = clRed;
    TColor FLevel1Color = clYellow;
    TColor FLevel0Color = clLime;
    TColor FLevel3ColorTo = 0xCACAFF;
    TColor FLevel2ColorTo = 0xA8D3FF;
    TColor FLevel0ColorTo = 0xE1FFE1;
    TColor FLevel1ColorTo = 0xCAFFFF;
    TColor FBorderColor = clBlack;
    TColor FLevel2Color = 0x53A9FF;
    int32_t FStyle = 0;
};

// The drop-down list of a column's filter values.
class TFilterDropDown : public TPersistent {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;

    // Copies all but AutoSize.
    void Assign(TPersistent* Source) override;

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t Value) { FHeight = Value; }
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t Value) { FWidth = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TFont* Font() const { return FFont.get(); }
    // Copies Value into the owned font.
    void SetFont(TFont* Value);
    // The two glyphs are owned; a change of either fires OnChange.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    TBitmap* GlyphActive() const { return FGlyphActive.get(); }
    void SetGlyphActive(TBitmap* Value);
    bool ColumnWidth() const { return FColumnWidth; }
    void SetColumnWidth(bool Value) { FColumnWidth = Value; }

    TGridNotifyEvent OnChange;

private:
    bool FAutoSize = false;
    int32_t FHeight = 150;
    int32_t FWidth = 150;
    TColor FColor = clWindow;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TBitmap> FGlyphActive;
    bool FColumnWidth = false;
};
