// TSizeConstraints: the smallest and largest size a control may take.
#pragma once

#include "rtl/Object.h"

#include <cstdint>
#include <functional>

// 0 means no limit. A control's SetBounds keeps its size within the limits.
class TSizeConstraints : public TPersistent {
public:
    int32_t MinWidth() const { return FMinWidth; }
    void SetMinWidth(int32_t Value) { Store(FMinWidth, Value); }
    int32_t MinHeight() const { return FMinHeight; }
    void SetMinHeight(int32_t Value) { Store(FMinHeight, Value); }
    int32_t MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int32_t Value) { Store(FMaxWidth, Value); }
    int32_t MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int32_t Value) { Store(FMaxHeight, Value); }
    void Assign(TPersistent* Source) override;
    // Width and Height within the limits.
    void Apply(int32_t& Width, int32_t& Height) const;

    std::function<void(TObject* Sender)> OnChange;

private:
    void Store(int32_t& Field, int32_t Value);

    int32_t FMinWidth = 0;
    int32_t FMinHeight = 0;
    int32_t FMaxWidth = 0;
    int32_t FMaxHeight = 0;
};
