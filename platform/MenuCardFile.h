// The menu card written to a file, as tmrtool writes it: PDF, SVG or PNG. A
// library of its own, so that only tmrtool links Qt SVG; the editors print
// with PaintMenuCard alone.
#pragma once

#include "MenuCard.h"
#include "StringBridge.h"

#include <QString>

enum class CardFormat { Pdf, Svg, Png };
enum class CardPage { A4, Letter };

inline constexpr int DefaultCardDpi = 150;

// SVG output exists only where the build had Qt SVG.
bool CardFormatAvailable(CardFormat format);

// Writes a one-page card to `path` in one step: a failure, with its reason
// and the path, leaves whatever was there before. `dpi` counts for PNG only.
// Needs a QGuiApplication.
Result<> WriteMenuCard(const QString& path, const QString& title, const MenuItems& items,
                       CardFormat format, CardPage page, int dpi = DefaultCardDpi);
