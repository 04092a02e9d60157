#include "Fonts.h"

#include <QStringList>

void RegisterFontSubstitutes()
{
    // Arial's metrics are MS Sans Serif's at these sizes; Courier New's
    // are Courier's. DejaVu, the usual fallback, is a good deal wider.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                                QStringLiteral("Nimbus Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                QStringLiteral("Courier New"), QStringLiteral("Nimbus Mono PS")});
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
