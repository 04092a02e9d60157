// The menu card that crews hang at the fryer: a title, then one line per
// button, 1 to 10, with the item's name, its cook, shake and hold times as the
// editor shows them and its compensation. Empty slots keep their line, so the
// numbers on the card are the numbers on the fryer.
//
// One painting routine serves every output: the printer for the editors'
// print command here, and the PDF, SVG and PNG files of MenuCardFile.h for
// tmrtool.
#pragma once

#include "MenuItem.h"

#include <QString>

class QPaintDevice;
class QRectF;

// Paints the card on `device` to fill `page`, a rectangle in the device's
// coordinates; the card keeps its proportions and is centred in it. False
// when the device could not be painted on.
bool PaintMenuCard(QPaintDevice& device, const QRectF& page, const QString& title,
                   const MenuItems& items);
