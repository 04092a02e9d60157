#include "VbColor.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace {

constexpr char BackColorProperty[] = "BackColor";

double Luminance(const QColor& c)
{
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

} // namespace

QColor ContrastingText(const QColor& background)
{
    // Black or white, whichever stands further apart by the contrast ratio of
    // the accessibility guidelines: black on red and on yellow.
    const double l = Luminance(background);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? QColor(Qt::black) : QColor(Qt::white);
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
    // Only the roles set here are the widget's own; the others keep following
    // the theme.
    QPalette palette;
    const QColor c = ToQColor(color, widget);
    palette.setColor(QPalette::Base, c);
    palette.setColor(QPalette::Window, c);
    // A fixed colour (the yellow question, the red field) keeps the text that
    // contrasts with it, as on a light desktop, also under a dark theme whose
    // light text would vanish on yellow.
    if (!(color & 0x80000000u)) {
        const QColor text = ContrastingText(c);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty(BackColorProperty, QVariant::fromValue<quint32>(color));
}

std::uint32_t BackColor(const QWidget* widget)
{
    const QVariant v = widget->property(BackColorProperty);
    return v.isValid() ? v.value<quint32>() : ColorWindowBackground;
}
