// TExtTrackBarDropDown: a numeric drop-down whose pop-up holds a track bar for an integer between Min and Max.
#pragma once

#include "dropdown/ExtDropDown.h"

#include <cstdint>
#include <functional>

class TTrackBar;

// Not editable by default: the value moves with the track bar, the Up and Down keys (by Frequency)
// and a drag on the edit (a step per PageSize pixels). A click elsewhere keeps the value; Esc
// gives back the value the pop-up opened with.
class TExtTrackBarDropDown : public TExtCustomDropDown {
public:
    explicit TExtTrackBarDropDown(TComponent* AOwner);
    void AfterConstruction() override;

    int32_t Min() const { return FMin; }
    void SetMin(int32_t Value);
    int32_t Max() const { return FMax; }
    void SetMax(int32_t Value);
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t Value);
    int32_t Frequency() const { return FFrequency; }
    void SetFrequency(int32_t Value);
    int32_t PageSize() const { return FPageSize; }
    void SetPageSize(int32_t Value);
    // The pop-up's content; nil before the pop-up exists.
    TTrackBar* TrackBar() const { return FTrackBar; }

    std::function<void(TObject* Sender)> OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void Change() override;
    void Dispatch(TMessage& Message) override;

private:
    void TrackBarChange();

    TTrackBar* FTrackBar = nullptr;
    int32_t FMin = 0;
    int32_t FFrequency = 1;
    int32_t FPageSize = 2;
    int32_t FMax = 10;
    int32_t FPosition = 0;
    bool FMouseDraging = false;
    int32_t FMouseX = 0;
    // The value the pop-up opened with, given back by a cancelled close.
    int32_t FOpenPosition = 0;
    // A cancelled close is under way: the text written back does not move the position.
    bool FCancelling = false;
};
