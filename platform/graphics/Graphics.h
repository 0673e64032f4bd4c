// The graphics unit: colours, fonts, pens, brushes, canvases, pictures, regions and the GDI drawing functions.
#pragma once

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Colors.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/Graphic.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Icon.h"
#include "graphics/Picture.h"
#include "graphics/Region.h"
