// TExtDateTimePicker: a date, time, or date and time picker with an attached label; the date and
// time kind embeds a second picker for the time at its right edge.
#pragma once

#include "dropdown/CustomDateTimePicker.h"
#include "grid/base/LabelPosition.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TFont;
class TLabel;
class TTimer;

enum TExtDateTimeKind { dkDate, dkTime, dkDateTime };

// Values keep whole seconds: milliseconds are dropped whenever a value is set. For dkDateTime the
// date comes from the picker itself and the time from its time part. With AutoTab a typed date
// walks through its fields and, when its last field is complete, goes on into the time part.
class TExtDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TExtDateTimePicker(TComponent* AOwner);
    ~TExtDateTimePicker() override;
    void AfterConstruction() override;

    TExtDateTimeKind Kind() const { return FKind; }
    void SetKind(TExtDateTimeKind Value);
    TDateTime Date() const;
    // Keeps the time of day.
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    TDateTime DateTime() const;
    virtual void SetDateTime(TDateTime Value);
    // The display format of the time part, and of the picker itself for dkTime.
    const QString& TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const QString& Value);
    void SetAutoTab(bool Value) override;
    void SetBorderStyle(TBorderStyle Value) override;
    bool IsTimePart() const override { return false; }

    // The metro frame's colour; clNone for the two-colour frame.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    using TEditorButtonColors::ButtonBorderColor;
    using TEditorButtonColors::ButtonColor;
    using TEditorButtonColors::ButtonColorDown;
    using TEditorButtonColors::ButtonColorHot;
    using TEditorButtonColors::ButtonTextColor;
    using TEditorButtonColors::ButtonTextColorDown;
    using TEditorButtonColors::SetButtonBorderColor;
    using TEditorButtonColors::SetButtonColor;
    using TEditorButtonColors::SetButtonColorDown;
    using TEditorButtonColors::SetButtonColorHot;
    using TEditorButtonColors::SetButtonTextColor;
    using TEditorButtonColors::SetButtonTextColorDown;

    // "1.2.0.0"; setting it changes nothing.
    QString Version() const;
    void SetVersion(const QString&) {}

    // ---- The label, on the picker's parent ----
    // Setting a caption makes the label.
    QString LabelCaption() const;
    void SetLabelCaption(const QString& Value);
    TFont* LabelFont() const { return FLabelFont.get(); }
    void SetLabelFont(TFont* Value);
    // The places after lpRighBottom are the drop-down edits'; the picker ignores them.
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int32_t LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int32_t Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    // The label is bold while the picker has the focus.
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool Value) { FFocusLabel = Value; }
    // The label stays enabled whatever Enabled is.
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    // Nil until a caption is set.
    TLabel* DateTimeLabel() const { return FLabel; }
    // The embedded time picker of dkDateTime; nil for the other kinds.
    TCustomDateTimePicker* TimePart() const { return FTimePicker; }

    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void Loaded() override;

    // After OnChange, when the time part's value changed.
    std::function<void(TObject* Sender)> OnTimeChange;
    std::function<void(TObject* Sender)> OnLabelClick;
    std::function<void(TObject* Sender)> OnLabelDblClick;

protected:
    virtual void DoChange();
    virtual void DoClick();
    void DoShiftFocus() override;
    void KeyPress(QChar& Key) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

private:
    void CreateTimePicker();
    void UpdateTimePicker();
    // The bounds of the visible time part at the right edge.
    void PlaceTimePicker();
    void CreateLabel();
    void UpdateLabel();
    void CNNotify(TMessage& Message);
    // After the value was set by message: the time part follows the check box.
    void AfterSetSystemTime(TMessage& Message);
    void FollowEnabled();
    void FocusChanged(bool Focused);
    bool Designing() const;

    TExtDateTimeKind FKind = dkDateTime;
    QString FTimeFormat;
    // The date before the last digit was typed.
    uint16_t Fy = 0;
    uint16_t Fm = 0;
    uint16_t Fd = 0;
    TLabel* FLabel = nullptr;
    std::unique_ptr<TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int32_t FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FFocusLabel = false;
    bool FLabelAlwaysEnabled = false;
    bool FParentFnt = false;
    bool FIgnoreTimePickerCheck = false;
    bool FFirstRun = true;
    TCustomDateTimePicker* FTimePicker = nullptr;
    // Started by a change of the date under the check box; it only stops itself.
    TTimer* FFocusTimer = nullptr;
    // Where the date changed last: the year's, month's or day's field.
    TPoint FChangePoint;
};
