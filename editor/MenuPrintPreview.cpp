#include "MenuPrintPreview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

extern "C" void ShowMenuPrintPreview(QWidget* parent, const QString& docName,
                                     const PaintPage& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(docName);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("dlgPrintMenu");
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter* target) {
            paint(*target,
                  QRectF(QPointF(0, 0),
                         target->pageLayout().paintRectPixels(target->resolution()).size()));
        });
    preview.exec();
}
