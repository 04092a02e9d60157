#include "VbColor.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {
constexpr char BackColorProperty[] = "BackColor";
}

QColor ToQColor(std::uint32_t color, const QWidget* widget)
{
    if (color & 0x80000000u) {
        // System colour 5 is the window (entry field) background: the palette's
        // base colour. Nothing here asks for another one.
        const QPalette palette = widget ? QApplication::palette(widget) : QApplication::palette();
        return palette.color(QPalette::Base);
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

void SetBackColor(QWidget* widget, std::uint32_t color)
{
    QPalette palette = widget->palette();
    const QColor c = ToQColor(color, widget);
    palette.setColor(QPalette::Base, c);
    palette.setColor(QPalette::Window, c);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty(BackColorProperty, QVariant::fromValue<quint32>(color));
}

std::uint32_t BackColor(const QWidget* widget)
{
    const QVariant v = widget->property(BackColorProperty);
    return v.isValid() ? v.value<quint32>() : ColorWindowBackground;
}
