// Printing the menu card from the editor: Ctrl+P (the platform's Print key)
// opens Qt's print dialog with a preview of the menu as it stands in the
// store. An item being edited is on the card only once it has been stored,
// as it would be in a saved file. Nothing is added to the window's layout.
#pragma once

#include "MenuItem.h"

#include <QString>

class QPrinter;
class QWidget;

// Gives `window` the print shortcut.
void InstallMenuPrint(QWidget* window);

// The card's title: the name of the menu file last chosen, else "Menu".
QString MenuPrintTitle();

// Paints the card of `items` as one page of `printer`; false when the
// printer could not start.
bool PrintMenuCard(QPrinter& printer, const QString& title, const MenuItems& items);
