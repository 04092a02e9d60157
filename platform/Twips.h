// Screen geometry in twips, the unit of every layout table: 1440 to the inch,
// 15 to a device-independent pixel at 96 DPI. All conversion happens here.
#pragma once

#include <QRect>
#include <QSize>

#include <cstdint>

class QWidget;

inline constexpr int TwipsPerPixel = 15;

int TwipsToPixels(double twips);
constexpr int PixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}
QRect TwipsRect(int left, int top, int width, int height);

// Rounds to the nearest whole number, halves to the even neighbour.
std::int32_t RoundHalfEven(double value);

// The primary screen's size, in twips.
QSize ScreenSizeTwips();

// A top-level window's outer (frame) rectangle, in twips.
QRect WindowRectTwips(const QWidget* window);
// Moves a top-level window so that its outer rectangle's top-left corner is at
// (left, top) twips on the screen.
void MoveWindowTwips(QWidget* window, double left, double top);
// Gives a window a fixed client area of width x height twips.
void SetClientSizeTwips(QWidget* window, int width, int height);
