// Fonts of the layout tables. The faces the windows were laid out with
// ("MS Sans Serif", "Courier") are used where the system has them; elsewhere
// each maps to the closest face at hand with like metrics (FaceSubstitutes),
// so that captions fit the rectangles drawn for them, and failing those to the
// system's sans-serif or fixed-pitch face.
#pragma once

#include <QFont>
#include <QString>

// Maps the layouts' faces to those at hand; once, at start-up.
void RegisterFontSubstitutes();

// The layouts' `face` at `points`; its family is the face that draws it here,
// the layout's own or the substitute at hand.
QFont DesignFont(const QString& face, double points, bool fixedPitch = false);
