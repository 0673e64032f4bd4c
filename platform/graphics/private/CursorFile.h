// Reading cursor files: the image and hot spot of a .cur file (platform-internal).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

// The image nearest the system cursor size (32 x 32) with its hot spot, kept inside the image.
// EInvalidGraphic "Icon image is not valid" for anything that is no cursor file.
QImage ReadCursorFile(const QByteArray& Data, QPoint& HotSpot);
