// The small types the drop-down edits, their pop-up parts and their pickers share.
#pragma once

#include "grid/base/LabelPosition.h"

#include "rtl/Types.h"

#include <QString>

#include <cstdint>
#include <functional>

class TCanvas;
class TObject;

// Which way a gradient's colour changes: across the width or down the height.
enum TGradientDirection { gdHorizontal, gdVertical };

// The selection colour presets of the drop-downs and their item appearances.
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// Where a caption stands beside its image or colour box.
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

// Where the header and footer buttons line up.
enum TButtonAlignment { baLeft, baRight };

// Owner drawing of a header or footer background: Sender, the canvas and the strip's rectangle.
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
// Lets the application change a caption before it is drawn.
using TGetTextEvent = std::function<void(TObject* Sender, QString& Text)>;
// A header or footer button was clicked; ButtonIndex is its item's position in the collection.
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int32_t ButtonIndex)>;
