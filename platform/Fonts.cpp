#include "Fonts.h"

#include "PlatformPaths.h"

#include <QStringList>

void RegisterFontSubstitutes()
{
    for (const QString& face : {QStringLiteral("MS Sans Serif"), QStringLiteral("Courier")})
        QFont::insertSubstitutions(face, FaceSubstitutes(face));
}

QFont DesignFont(const QString& face, double points, bool fixedPitch)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    return font;
}
