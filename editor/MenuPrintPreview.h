// Qt's print preview of the menu card, kept apart from the editor: on systems
// with shared libraries it is a module of its own, loaded with the first print
// command, so that Qt Print Support is not loaded at every start. Where Qt is
// linked into the program (Windows), it is linked in too.
#pragma once

#include <functional>

class QPaintDevice;
class QRectF;
class QString;
class QWidget;

// Paints the one page on `device`, filling `page` (in the device's coordinates).
using PaintPage = std::function<void(QPaintDevice& device, const QRectF& page)>;

// Shows the print preview of the page `paint` draws, modal over `parent`,
// printed under the name `docName`. The page is painted whenever the preview
// asks for it, so what it shows is what prints.
extern "C" void ShowMenuPrintPreview(QWidget* parent, const QString& docName,
                                     const PaintPage& paint);
using ShowMenuPrintPreviewFunction = decltype(&ShowMenuPrintPreview);
