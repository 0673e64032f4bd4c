// The Windows style and the system-colour palette given to the application and to wrapped widgets.
#include "windows/private/ClassicLook.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace WindowsInternal {

QColor ToQtColor(TColor Color)
{
    const auto Rgb = static_cast<COLORREF>(ColorToRGB(Color));
    return QColor(GetRValue(Rgb), GetGValue(Rgb), GetBValue(Rgb));
}

QPalette ClassicPalette()
{
    QPalette Palette;
    const struct {
        QPalette::ColorRole Role;
        TColor Color;
    } Roles[] = {
        {QPalette::Window, clBtnFace},         {QPalette::WindowText, clWindowText},
        {QPalette::Base, clWindow},            {QPalette::AlternateBase, clBtnFace},
        {QPalette::Text, clWindowText},        {QPalette::Button, clBtnFace},
        {QPalette::ButtonText, clBtnText},     {QPalette::BrightText, clHighlightText},
        {QPalette::Light, clBtnHighlight},     {QPalette::Midlight, cl3DLight},
        {QPalette::Mid, clBtnShadow},          {QPalette::Dark, clBtnShadow},
        {QPalette::Shadow, cl3DDkShadow},      {QPalette::Highlight, clHighlight},
        {QPalette::HighlightedText, clHighlightText}, {QPalette::Link, clHotLight},
        {QPalette::LinkVisited, clPurple},     {QPalette::ToolTipBase, clInfoBk},
        {QPalette::ToolTipText, clInfoText},   {QPalette::PlaceholderText, clGrayText},
    };
    for (const auto& Entry : Roles) Palette.setColor(Entry.Role, ToQtColor(Entry.Color));
    for (QPalette::ColorRole Role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        Palette.setColor(QPalette::Disabled, Role, ToQtColor(clGrayText));
    return Palette;
}

void InstallClassicLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setPalette(ClassicPalette());
}

void SetWidgetColors(QWidget* Widget, QPalette::ColorRole Role, TColor Background, TColor Text)
{
    QPalette Palette = Widget->palette();
    Palette.setColor(Role, ToQtColor(Background));
    for (QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole TextRole : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            Palette.setColor(Group, TextRole, ToQtColor(Text));
    Widget->setPalette(Palette);
}

}  // namespace WindowsInternal
