#include "MenuImport.h"

#include "ImportRules.h"
#include "MenuFileFormat.h"
#include "Text.h"

#include <QFileInfo>

MenuFormat GuessMenuFormat(const QString& path, const QByteArray& bytes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "json")
        return MenuFormat::Json;
    if (suffix == "csv")
        return MenuFormat::Csv;
    for (const char c : WithoutBom(View(bytes))) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        return c == '{' ? MenuFormat::Json : MenuFormat::Csv;
    }
    return MenuFormat::Csv;
}

MenuImage ImportedImage(const ImportedMenu& menu)
{
    MenuImage image{};
    EncodeMenu(menu.items, image);
    image[ReservedByteIndex] = menu.reserved;
    return image;
}
