#include "MenuCard.h"

#include "StringBridge.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

// The card is drawn in its own units, 1000 across whatever the page, so that
// a printer, a PDF and a PNG get the same card.
constexpr double CardWidth = 1000;
constexpr double Margin = 60;
constexpr double TitleHeight = 110;
constexpr double MaxRowHeight = 110;
constexpr int Columns = 6;

// Names take ten characters of any width; these are the widest the file can
// hold in the faces we draw with, so a card never has to squeeze one name.
const std::array<QString, 2> WidestNames = {QStringLiteral("WWWWWWWWWW"),
                                            QString(10, QChar(0x00C6))};

const std::array<QString, Columns> Headers = {"No.", "Name", "Cook", "Shake", "Hold", "Comp."};

QFont CardFont(int pixels, bool bold)
{
    QFont font;
    font.setFamilies({"DejaVu Sans", "Liberation Sans", "Arial", "Helvetica"});
    font.setStyleHint(QFont::SansSerif);
    // Unhinted advances grow in step with the size, so what is measured here
    // is what every device draws.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(std::max(pixels, 1));
    font.setBold(bold);
    return font;
}

QString CompText(std::int16_t comp)
{
    // Words without "ff" or "fi": a face's ligature would reach a PDF reader
    // as one odd character.
    if (comp == 0)
        return "No";
    if (comp == 1)
        return "Yes";
    return QString::number(comp);
}

// The texts of one line, as the editor shows the item: an empty slot shows
// its number only.
std::array<QString, Columns> LineTexts(int index, const MenuItem& item)
{
    std::array<QString, Columns> texts;
    texts[0] = QString::number(index + 1);
    if (item.Name.empty())
        return texts;
    texts[1] = ToQString(item.Name);
    texts[2] = ToQString(item.Cook);
    texts[3] = ToQString(item.Duty);
    texts[4] = ToQString(item.Hold);
    texts[5] = CompText(item.Comp);
    return texts;
}

// What each column needs at `pixels`, padding included.
std::array<double, Columns> ColumnWidths(int pixels, const MenuItems& items)
{
    const QFontMetricsF plain(CardFont(pixels, false));
    const QFontMetricsF bold(CardFont(pixels, true));
    std::array<double, Columns> widths{};
    const auto widen = [&](int column, const QString& text) {
        const QFontMetricsF& metrics = column <= 1 ? bold : plain;
        widths[static_cast<std::size_t>(column)] =
            std::max(widths[static_cast<std::size_t>(column)], metrics.horizontalAdvance(text));
    };
    for (int c = 0; c < Columns; ++c)
        widen(c, Headers[static_cast<std::size_t>(c)]);
    widen(0, "10");
    for (const QString& name : WidestNames)
        widen(1, name);
    for (int c = 2; c <= 4; ++c)
        widen(c, "1092:15");
    widen(5, "Yes");
    widen(5, "255");
    for (int i = 0; i < MenuItemCount; ++i) {
        const auto texts = LineTexts(i, items[static_cast<std::size_t>(i)]);
        for (int c = 0; c < Columns; ++c)
            widen(c, texts[static_cast<std::size_t>(c)]);
    }
    for (double& w : widths)
        w += pixels * 1.2;
    return widths;
}

double Sum(const std::array<double, Columns>& widths)
{
    double total = 0;
    for (const double w : widths)
        total += w;
    return total;
}

// Draws `text` in `cell`, narrowed if it would still run over.
void DrawCellText(QPainter& painter, const QRectF& cell, Qt::Alignment align, const QString& text)
{
    const double advance = QFontMetricsF(painter.font()).horizontalAdvance(text);
    if (advance <= cell.width()) {
        painter.drawText(cell, align | Qt::AlignVCenter, text);
        return;
    }
    painter.save();
    painter.translate(cell.left(), 0);
    painter.scale(cell.width() / advance, 1);
    painter.drawText(QRectF(0, cell.top(), advance, cell.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.restore();
}

void DrawTitle(QPainter& painter, const QRectF& box, const QString& title)
{
    int pixels = 56;
    while (pixels > 24 &&
           QFontMetricsF(CardFont(pixels, true)).horizontalAdvance(title) > box.width())
        pixels -= 2;
    const QFont font = CardFont(pixels, true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString shown = QFontMetricsF(font).elidedText(title, Qt::ElideMiddle, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
}

void DrawCard(QPainter& painter, const QRectF& page, const QString& title, const MenuItems& items)
{
    if (page.width() <= 0 || page.height() <= 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale = page.width() / CardWidth;
    const double height = page.height() / scale;
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, CardWidth, height), Qt::white);

    const double usable = CardWidth - 2 * Margin;
    DrawTitle(painter, QRectF(Margin, Margin, usable, TitleHeight), title);

    const double tableTop = Margin + TitleHeight + 30;
    const double rowHeight =
        std::min(MaxRowHeight, (height - Margin - tableTop) / (MenuItemCount + 1));
    int pixels = static_cast<int>(rowHeight * 0.45);
    std::array<double, Columns> widths = ColumnWidths(pixels, items);
    if (Sum(widths) > usable) {
        pixels = static_cast<int>(pixels * usable / Sum(widths));
        while (pixels > 4 && Sum(widths = ColumnWidths(pixels, items)) > usable)
            --pixels;
    }
    // The room left over goes to the name, the column read first.
    widths[1] += std::max(0.0, usable - Sum(widths));

    const auto drawLine = [&](double top, const std::array<QString, Columns>& texts, bool header) {
        double left = Margin;
        for (int c = 0; c < Columns; ++c) {
            const double w = widths[static_cast<std::size_t>(c)];
            painter.setFont(CardFont(pixels, header || c <= 1));
            const QRectF cell(left + pixels * 0.6, top, w - pixels * 1.2, rowHeight);
            DrawCellText(painter, cell, c == 1 ? Qt::AlignLeft : Qt::AlignHCenter,
                         texts[static_cast<std::size_t>(c)]);
            left += w;
        }
    };

    const QRectF headerRow(Margin, tableTop, usable, rowHeight);
    painter.fillRect(headerRow, QColor(0x30, 0x30, 0x30));
    painter.setPen(Qt::white);
    drawLine(tableTop, Headers, true);

    for (int i = 0; i < MenuItemCount; ++i) {
        const double top = tableTop + (i + 1) * rowHeight;
        // Banded lines guide the eye across from a number to its times.
        painter.fillRect(QRectF(Margin, top, usable, rowHeight),
                         i % 2 == 0 ? QColor(0xEE, 0xEE, 0xEE) : QColor(Qt::white));
        painter.setPen(Qt::black);
        drawLine(top, LineTexts(i, items[static_cast<std::size_t>(i)]), false);
    }
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(Margin, tableTop, usable, rowHeight * (MenuItemCount + 1)));
}

} // namespace

bool PaintMenuCard(QPaintDevice& device, const QRectF& page, const QString& title,
                   const MenuItems& items)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    DrawCard(painter, page, title, items);
    return true;
}
