// The request and answer variables of the two modal dialogs, shared by every
// caller. A caller sets the request, shows the dialog modally and, once it has
// closed, reads the answer:
//
//   SetOpeningFormCenter();            // styles 16 and above centre on this
//   MsgStyle = 17; MsgColor = ColorYellow; MsgText = "\r\nSure?";
//   ShowMessageDialog();
//   if (MsgResult == 1) ...
//
// The menu image FileData lives with the menu core (Global_data.h).
#pragma once

#include <QString>

#include <cstdint>

// Message dialog frmMEMessage100.
extern std::int16_t MsgStyle;    // buttons and placement
extern QString MsgText;          // may hold CR LF line breaks
extern std::uint32_t MsgColor;   // 0x00BBGGRR background of the message area
extern std::int16_t MsgResult;   // 0 OK, 1 YES, 2 NO, 3 Cancel
extern std::int32_t FormCenterX; // anchor point, screen twips
extern std::int32_t FormCenterY;

// File chooser frmMEDrvDirFil100.
extern std::int16_t ChooserMode; // 0 save, 1 read
extern QString ChooserFolder;
extern QString ChooserExtension; // without the dot
extern QString ChosenFileName;   // "" when cancelled

class QWidget;

// The window that asks: a modal dialog shown at the moment (the chooser over
// which a message appears), else the active window, else the visible main
// window. Each dialog is its child, so that the window manager or the Wayland
// compositor keeps the dialog over it.
QWidget* AskingWindow();

// Show the dialog modally over the asking window and return when it closed.
void ShowMessageDialog();
void ShowFileChooser();
