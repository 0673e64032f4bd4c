// Rendering windows through their own paint cycle, and the frame a top-level window has.
#include "Render.h"

#include "graphics/Colors.h"
#include "windows/Forms.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QPainter>
#include <QWidget>

using namespace WindowsInternal;

namespace {

QColor SystemColor(int Index)
{
    const COLORREF Rgb = GetSysColor(Index);
    return QColor(GetRValue(Rgb), GetGValue(Rgb), GetBValue(Rgb));
}

// A classic frame: raised outer edges, the caption bar with the window's title.
void DrawFrame(QPainter& Painter, const QRect& Outer, const QMargins& Margins, const QString& Title)
{
    Painter.fillRect(Outer, SystemColor(COLOR_BTNFACE));
    Painter.setPen(SystemColor(COLOR_BTNHIGHLIGHT));
    Painter.drawLine(Outer.topLeft(), Outer.topRight());
    Painter.drawLine(Outer.topLeft(), Outer.bottomLeft());
    Painter.setPen(SystemColor(COLOR_3DDKSHADOW));
    Painter.drawLine(Outer.bottomLeft(), Outer.bottomRight());
    Painter.drawLine(Outer.topRight(), Outer.bottomRight());
    const int Caption = Margins.top() - Margins.bottom();
    if (Caption <= 0) return;
    const QRect Bar(Margins.left(), Margins.bottom(), Outer.width() - Margins.left() - Margins.right(), Caption - 1);
    Painter.fillRect(Bar, SystemColor(COLOR_ACTIVECAPTION));
    Painter.setPen(SystemColor(COLOR_CAPTIONTEXT));
    Painter.drawText(Bar.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, Title);
}

}  // namespace

QImage RenderControl(TControl* Control, bool Frame)
{
    auto* Window = dynamic_cast<TWinControl*>(Control);
    if (!Window) {
        const QImage Parent = RenderControl(Control->Parent());
        const TRect Area = Control->BoundsRect();
        return Parent.copy(Area.Left, Area.Top, Area.Width(), Area.Height());
    }
    ProcessPendingEvents();
    QWidget* Widget = WidgetOf(Window->Handle());
    QImage Image(Widget->size(), QImage::Format_RGB32);
    Image.fill(Qt::black);
    // Qt renders the part that shows from its top-left corner: a window shaped by a region keeps its
    // place in the image when that corner goes where it lies.
    QRegion Shown(Widget->rect());
    if (!Widget->mask().isEmpty()) Shown &= Widget->mask();
    if (!Shown.isEmpty()) Widget->render(&Image, Shown.boundingRect().topLeft(), Shown, QWidget::DrawChildren);
    if (!Frame || !Widget->isWindow()) return Image;
    const QMargins Margins = NonClientMargins(GetWindowLong(Window->Handle(), GWL_STYLE), GetWindowLong(Window->Handle(), GWL_EXSTYLE), true);
    QImage Framed(Image.size().grownBy(Margins), QImage::Format_RGB32);
    QPainter Painter(&Framed);
    DrawFrame(Painter, Framed.rect(), Margins, Window->Caption());
    Painter.drawImage(Margins.left(), Margins.top(), Image);
    return Framed;
}

void ProcessPendingEvents()
{
    Application->ProcessMessages();
}
