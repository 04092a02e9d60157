// Colours as the layout tables and the message requests give them:
// 0x00BBGGRR, or a system colour when the top bit is set.
#pragma once

#include <QColor>

#include <cstdint>

class QWidget;

inline constexpr std::uint32_t ColorRed = 0x000000FF;
inline constexpr std::uint32_t ColorYellow = 0x0000FFFF;
// The system's window background, the colour of an ordinary entry field.
inline constexpr std::uint32_t ColorWindowBackground = 0x80000005;

QColor ToQColor(std::uint32_t color, const QWidget* widget);

// Black or white, whichever is easier to read on background.
QColor ContrastingText(const QColor& background);

// Sets a widget's background (entry fields and labels alike) and remembers the
// colour value, so that BackColor gives back exactly what was set. Text on a
// fixed colour is black or white to contrast with it; on a system colour it
// follows the theme.
void SetBackColor(QWidget* widget, std::uint32_t color);
std::uint32_t BackColor(const QWidget* widget);
