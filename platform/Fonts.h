// Fonts of the layout tables. The faces the windows were laid out with
// ("MS Sans Serif", "Courier") are seldom installed; each maps to the closest
// face at hand with like metrics, so that captions fit the rectangles drawn for
// them, and failing those to the system's sans-serif or fixed-pitch face.
#pragma once

#include <QFont>
#include <QString>

// Maps the layouts' faces to those at hand; once, at start-up.
void RegisterFontSubstitutes();

QFont DesignFont(const QString& face, double points, bool fixedPitch = false);
