// The classic look of wrapped Qt widgets: Qt's Windows style with a palette of the system colours.
#pragma once

#include "graphics/Colors.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace WindowsInternal {

// Installs the style and the palette on the application; called once, after the QApplication
// exists, by the program's session and by the test entry point.
void InstallClassicLook();

// The palette of the system colours: faces, 3-D edges, window and selection colours; disabled text grey.
QPalette ClassicPalette();

QColor ToQtColor(TColor Color);

// Gives Widget Background as colour Role and Text as its text colour; disabled text stays grey.
void SetWidgetColors(QWidget* Widget, QPalette::ColorRole Role, TColor Background, TColor Text);

}  // namespace WindowsInternal
