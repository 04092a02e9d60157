// Printing the menu card from the editor: Ctrl+P (the platform's Print key)
// opens Qt's print dialog with a preview of the menu as it stands in the
// store. An item being edited is on the card only once it has been stored,
// as it would be in a saved file. Nothing is added to the window's layout.
#pragma once

class QWidget;

// Gives `window` the print shortcut.
void InstallMenuPrint(QWidget* window);
