#include "Fonts.h"

#include "PlatformPaths.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace {

// The layouts' `face` itself where it is installed, else its first installed
// substitute, else `face` for the toolkit's own search. Asking the toolkit for
// a face the system lacks makes it work out a list of fallback faces before it
// looks at the substitutes, which cost more than the rest of the start-up's
// font work together; so the face is looked up here, once.
QString InstalledFace(const QString& face)
{
    static QHash<QString, QString> chosen;
    if (const auto found = chosen.constFind(face); found != chosen.cend())
        return *found;
    const QStringList installed = QFontDatabase::families();
    QString use = face;
    if (!installed.contains(face, Qt::CaseInsensitive)) {
        for (const QString& substitute : FaceSubstitutes(face)) {
            if (installed.contains(substitute, Qt::CaseInsensitive)) {
                use = substitute;
                break;
            }
        }
    }
    chosen.insert(face, use);
    return use;
}

} // namespace

void RegisterFontSubstitutes()
{
    for (const QString& face : {QStringLiteral("MS Sans Serif"), QStringLiteral("Courier")})
        QFont::insertSubstitutions(face, FaceSubstitutes(face));
}

QFont DesignFont(const QString& face, double points, bool fixedPitch)
{
    QFont font(InstalledFace(face));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    return font;
}
