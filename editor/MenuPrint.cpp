#include "MenuPrint.h"

#include "Global_data.h"
#include "MenuCard.h"
#include "MenuEditors100.h"
#include "MenuPrintPreview.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#ifndef QUENMARK_PRINT_LINKED
#include <QCoreApplication>
#include <QLibrary>
#endif

namespace {

// The card's title: the name of the menu file last chosen, else "Menu".
QString MenuPrintTitle()
{
    const QString name = QFileInfo(ChosenFileName).fileName();
    return name.isEmpty() ? QStringLiteral("Menu") : name;
}

#ifdef QUENMARK_PRINT_LINKED
ShowMenuPrintPreviewFunction PrintPreview()
{
    return &ShowMenuPrintPreview;
}
#else
// The print module lies where the build and the installation both put it,
// QUENMARK_PRINT_MODULE from the program's folder. It stays loaded once found.
ShowMenuPrintPreviewFunction PrintPreview()
{
    static ShowMenuPrintPreviewFunction show = nullptr;
    if (!show) {
        QLibrary module(QCoreApplication::applicationDirPath() +
                        QStringLiteral("/" QUENMARK_PRINT_MODULE));
        show =
            reinterpret_cast<ShowMenuPrintPreviewFunction>(module.resolve("ShowMenuPrintPreview"));
        if (!show)
            qWarning("Printing is not available: %s", qPrintable(module.errorString()));
    }
    return show;
}
#endif

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
        if (const ShowMenuPrintPreviewFunction show = PrintPreview())
            // The store is read when the preview paints, so what it shows is
            // what prints.
            show(window, MenuPrintTitle(), [](QPaintDevice& device, const QRectF& page) {
                PaintMenuCard(device, page, MenuPrintTitle(), ItemMemory);
            });
    });
}
