// A graphic saved to, and loaded from, the bytes of its file format.
#pragma once

#include "graphics/Graphic.h"
#include "rtl/Streams.h"

#include <QByteArray>

inline QByteArray Saved(TGraphic& Graphic)
{
    TBytesStream stream;
    Graphic.SaveToStream(&stream);
    return stream.Bytes();
}

inline void Load(TGraphic& Graphic, const QByteArray& Data)
{
    TBytesStream stream(Data);
    Graphic.LoadFromStream(&stream);
}
