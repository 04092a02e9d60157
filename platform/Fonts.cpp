#include "Fonts.h"

#include "PlatformPaths.h"

#include <QStringList>

namespace {

void RegisterSubstitutes()
{
    static const bool registered = [] {
        for (const QString& face : {QStringLiteral("MS Sans Serif"), QStringLiteral("Courier")})
            QFont::insertSubstitutions(face, FaceSubstitutes(face));
        return true;
    }();
    (void)registered;
}

} // namespace

QFont DesignFont(const QString& face, double points, bool fixedPitch)
{
    RegisterSubstitutes();
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    return font;
}
