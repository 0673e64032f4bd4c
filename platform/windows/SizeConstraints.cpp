// TSizeConstraints: storing the limits and keeping a size within them.
#include "windows/SizeConstraints.h"

#include <algorithm>

void TSizeConstraints::Store(int32_t& Field, int32_t Value)
{
    Value = std::max(Value, 0);
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
}

void TSizeConstraints::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TSizeConstraints*>(Source);
    if (!From) {
        TPersistent::Assign(Source);
        return;
    }
    FMinWidth = From->FMinWidth;
    FMinHeight = From->FMinHeight;
    FMaxWidth = From->FMaxWidth;
    FMaxHeight = From->FMaxHeight;
    if (OnChange) OnChange(this);
}

void TSizeConstraints::Apply(int32_t& Width, int32_t& Height) const
{
    if (FMaxWidth > 0) Width = std::min(Width, FMaxWidth);
    if (FMaxHeight > 0) Height = std::min(Height, FMaxHeight);
    Width = std::max(Width, FMinWidth);
    Height = std::max(Height, FMinHeight);
}
