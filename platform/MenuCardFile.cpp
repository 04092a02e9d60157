#include "MenuCardFile.h"

#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QRectF>
#include <QSaveFile>
#ifdef QUENMARK_HAVE_SVG
#include <QSvgGenerator>
#endif

#include <cmath>

bool CardFormatAvailable(CardFormat format)
{
#ifdef QUENMARK_HAVE_SVG
    constexpr bool svg = true;
#else
    constexpr bool svg = false;
#endif
    return format != CardFormat::Svg || svg;
}

Result<> WriteMenuCard(const QString& path, const QString& title, const MenuItems& items,
                       CardFormat format, CardPage page, int dpi)
{
    if (!CardFormatAvailable(format))
        return Failed(QStringLiteral("SVG output was not built into this program"), path);
    const QPageSize size(page == CardPage::Letter ? QPageSize::Letter : QPageSize::A4);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failed(file.errorString(), path);

    bool painted = false;
    switch (format) {
    case CardFormat::Pdf: {
        QPdfWriter writer(&file);
        writer.setPageSize(size);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        writer.setCreator("Quenmark");
        painted =
            PaintMenuCard(writer, QRectF(0, 0, writer.width(), writer.height()), title, items);
        break;
    }
    case CardFormat::Svg: {
#ifdef QUENMARK_HAVE_SVG
        const QSize points = size.sizePoints();
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(points);
        generator.setViewBox(QRect(QPoint(0, 0), points));
        generator.setResolution(72);
        generator.setTitle(title);
        painted = PaintMenuCard(generator, QRectF(QPointF(0, 0), QSizeF(points)), title, items);
#endif
        break;
    }
    case CardFormat::Png: {
        // From the page's inches, so that 100 dpi on A4 is 827 by 1169 pixels.
        const QSizeF inches = size.size(QPageSize::Inch);
        QImage image(static_cast<int>(std::lround(inches.width() * dpi)),
                     static_cast<int>(std::lround(inches.height() * dpi)), QImage::Format_RGB32);
        if (image.isNull())
            return Failed(QString("a page of %1 dpi is too large").arg(dpi), path);
        const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        painted =
            PaintMenuCard(image, QRectF(image.rect()), title, items) && image.save(&file, "PNG");
        break;
    }
    }
    if (!painted || file.error() != QFileDevice::NoError) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QString("could not draw");
        file.cancelWriting();
        return Failed(reason, path);
    }
    if (!file.commit())
        return Failed(file.errorString(), path);
    return {};
}
