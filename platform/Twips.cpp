#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cfenv>
#include <cmath>

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

std::int32_t RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return static_cast<std::int32_t>(rounded);
}

QSize ScreenSizeTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize px = screen->geometry().size();
    return {PixelsToTwips(px.width()), PixelsToTwips(px.height())};
}

QRect WindowRectTwips(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    return {PixelsToTwips(frame.x()), PixelsToTwips(frame.y()), PixelsToTwips(frame.width()),
            PixelsToTwips(frame.height())};
}

void MoveWindowTwips(QWidget* window, double left, double top)
{
    // move() places the frame's top-left corner for a top-level window.
    window->move(TwipsToPixels(left), TwipsToPixels(top));
}

void SetClientSizeTwips(QWidget* window, int width, int height)
{
    window->setFixedSize(TwipsToPixels(width), TwipsToPixels(height));
}
