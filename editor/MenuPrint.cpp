#include "MenuPrint.h"

#include "Global_data.h"
#include "MenuCard.h"
#include "MenuEditors100.h"

#include <QAction>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

namespace {

// The card's title: the name of the menu file last chosen, else "Menu".
QString MenuPrintTitle()
{
    const QString name = QFileInfo(ChosenFileName).fileName();
    return name.isEmpty() ? QStringLiteral("Menu") : name;
}

// Paints the card of `items` as one page of `printer`.
void PrintMenuCard(QPrinter& printer, const QString& title, const MenuItems& items)
{
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PaintMenuCard(printer, page, title, items);
}

} // namespace

void InstallMenuPrint(QWidget* window)
{
    auto* print = new QAction(QStringLiteral("Print Menu"), window);
    print->setObjectName("actPrintMenu");
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    // An action added to the window is not drawn anywhere: the layout stays.
    window->addAction(print);
    QObject::connect(print, &QAction::triggered, window, [window] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(MenuPrintTitle());
        QPrintPreviewDialog preview(&printer, window);
        preview.setObjectName("dlgPrintMenu");
        // The store is read when the preview paints, so what it shows is what
        // prints.
        QObject::connect(
            &preview, &QPrintPreviewDialog::paintRequested, &preview,
            [](QPrinter* target) { PrintMenuCard(*target, MenuPrintTitle(), ItemMemory); });
        preview.exec();
    });
}
