// Cursor handles: cursors loaded from our resources with their hot spots, and the screen's cursor registry.
#include "windows/private/Cursors.h"

#include "graphics/Graphic.h"
#include "graphics/private/CursorFile.h"
#include "rtl/Exceptions.h"
#include "windows/Forms.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QFile>
#include <QPixmap>

#include <algorithm>
#include <utility>

HCURSOR LoadCursor(uintptr_t, const QString& Name)
{
    QFile file(FindResourceFile(Name, QStringLiteral("cur")));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly)) return nullptr;
    QPoint hotSpot;
    QImage image;
    try {
        image = ReadCursorFile(file.readAll(), hotSpot);
    } catch (const Exception&) {
        return nullptr;
    }
    return new HCURSOR__{QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y())};
}

bool DestroyCursor(HCURSOR Cursor)
{
    delete Cursor;
    return Cursor != nullptr;
}

namespace {

HCURSOR& CurrentCursor()
{
    static HCURSOR Instance = nullptr;
    return Instance;
}

HWND& CursorWindow()
{
    static HWND Instance = nullptr;
    return Instance;
}

}  // namespace

void WindowsInternal::SetCursorWindow(HWND Wnd)
{
    CursorWindow() = Wnd;
}

HCURSOR GetCursor()
{
    return CurrentCursor();
}

HCURSOR SetCursor(HCURSOR Cursor)
{
    const HCURSOR Old = std::exchange(CurrentCursor(), Cursor);
    // A capture without a widget (a drag) shows the cursor over the window the pointer is in.
    const HWND Wnd = WindowsInternal::WidgetOf(GetCapture()) ? GetCapture() : CursorWindow();
    if (QWidget* Widget = WindowsInternal::WidgetOf(Wnd); Widget && Cursor) Widget->setCursor(Cursor->Cursor);
    return Old;
}

void TCursorDeleter::operator()(HCURSOR Cursor) const
{
    DestroyCursor(Cursor);
}

HCURSOR TScreen::Cursors(TCursor Index)
{
    const auto found = std::find_if(FCursors.begin(), FCursors.end(), [Index](const auto& Entry) { return Entry.first == Index; });
    if (found != FCursors.end()) return found->second.get();
    // The program's cursor resource of that number, else the stock cursor, gets its handle when first asked for.
    HCURSOR Handle = Index > 0 ? LoadCursor(0, QString::number(Index)) : nullptr;
    if (!Handle) Handle = new HCURSOR__{QCursor(WindowsInternal::CursorShapeOf(Index))};
    FCursors.emplace_back(Index, Handle);
    return FCursors.back().second.get();
}

void TScreen::SetCursors(TCursor Index, HCURSOR Handle)
{
    const auto found = std::find_if(FCursors.begin(), FCursors.end(), [Index](const auto& Entry) { return Entry.first == Index; });
    if (found != FCursors.end()) {
        if (found->second.get() == Handle) return;
        FCursors.erase(found);
    }
    if (Handle) FCursors.emplace_back(Index, Handle);
}

namespace WindowsInternal {

QCursor CursorOf(TCursor Cursor)
{
    return Screen ? Screen->Cursors(Cursor)->Cursor : QCursor(CursorShapeOf(Cursor));
}

}  // namespace WindowsInternal
