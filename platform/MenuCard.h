// The menu card that crews hang at the fryer: a title, then one line per
// button, 1 to 10, with the item's name, its cook, shake and hold times as the
// editor shows them and its compensation. Empty slots keep their line, so the
// numbers on the card are the numbers on the fryer.
//
// One painting routine serves every output: PDF, SVG and PNG files for
// tmrtool, and the printer for the editors' print command.
#pragma once

#include "MenuItem.h"

#include <QString>

class QPaintDevice;
class QRectF;

enum class CardFormat { Pdf, Svg, Png };
enum class CardPage { A4, Letter };

inline constexpr int DefaultCardDpi = 150;

// Paints the card on `device` to fill `page`, a rectangle in the device's
// coordinates; the card keeps its proportions and is centred in it. False
// when the device could not be painted on.
bool PaintMenuCard(QPaintDevice& device, const QRectF& page, const QString& title,
                   const MenuItems& items);

// SVG output exists only where the build had Qt SVG.
bool CardFormatAvailable(CardFormat format);

struct CardResult {
    bool ok = false;
    QString error; // the reason, when !ok
};

// Writes a one-page card to `path` in one step: a failure leaves whatever was
// there before. `dpi` counts for PNG only. Needs a QGuiApplication.
CardResult WriteMenuCard(const QString& path, const QString& title, const MenuItems& items,
                         CardFormat format, CardPage page, int dpi = DefaultCardDpi);
