// The request and answer variables of the two modal dialogs, shared by every
// caller, with the values they take. A caller sets the request, shows the
// dialog modally and, once it has closed, reads the answer:
//
//   SetOpeningFormCenter();            // anchored styles centre on this
//   MsgStyle = MsgAnchored + MsgYesNo; MsgColor = ColorYellow; MsgText = "\r\nSure?";
//   ShowMessageDialog();
//   if (MsgResult == AnswerYes) ...
//
// The menu image FileData lives with the menu core (Global_data.h).
#pragma once

#include <QLatin1String>
#include <QString>

#include <cstdint>

// Message dialog frmMEMessage100.
extern std::int16_t MsgStyle;    // buttons and placement
extern QString MsgText;          // may hold CR LF line breaks
extern std::uint32_t MsgColor;   // 0x00BBGGRR background of the message area
extern std::int16_t MsgResult;   // the index of the button pressed, an Answer below
extern std::int32_t FormCenterX; // anchor point, screen twips
extern std::int32_t FormCenterY;

// Request styles: the buttons shown, centred on the screen. Any other style
// below MsgAnchored shows OK on red, whatever MsgColor says.
inline constexpr std::int16_t MsgOk = 0;
inline constexpr std::int16_t MsgYesNo = 1;
inline constexpr std::int16_t MsgYesNoCancel = 2;
// Added to a style, centres the dialog on FormCenterX, FormCenterY instead.
inline constexpr std::int16_t MsgAnchored = 16;

// Answers in MsgResult: the index of the button in the dialog's cmdBut.
inline constexpr std::int16_t AnswerOk = 0;
inline constexpr std::int16_t AnswerYes = 1;
inline constexpr std::int16_t AnswerNo = 2;
inline constexpr std::int16_t AnswerCancel = 3;
// What a caller that clears MsgResult before asking finds there when the
// dialog closed without any of its buttons.
inline constexpr std::int16_t AnswerNone = -1;

// File chooser frmMEDrvDirFil100.
extern std::int16_t ChooserMode; // ChooseToSave or ChooseToRead
extern QString ChooserFolder;
extern QString ChooserExtension; // without the dot
extern QString ChosenFileName;   // "" when cancelled

inline constexpr std::int16_t ChooseToSave = 0;
inline constexpr std::int16_t ChooseToRead = 1;
// The extension of menu files, without the dot.
inline constexpr QLatin1String MenuFileExtension("tmr");

class QWidget;

// The window that asks: a modal dialog shown at the moment (the chooser over
// which a message appears), else the active window, else the visible main
// window. Each dialog is its child, so that the window manager or the Wayland
// compositor keeps the dialog over it.
QWidget* AskingWindow();

// Show the dialog modally over the asking window and return when it closed.
void ShowMessageDialog();
void ShowFileChooser();

// Records the middle of `window`'s outer rectangle, in screen twips, as the
// anchor point FormCenterX, FormCenterY.
void SetFormCenter(const QWidget* window);

// Sets the message request, shows the dialog and returns its answer. The
// anchored styles want FormCenterX and FormCenterY set first.
std::int16_t ShowMessage(std::int16_t style, std::uint32_t color, const QString& text);

// Sets the chooser's request for a menu file in `folder`, shows it and returns
// the chosen file's full path, "" when cancelled.
QString ChooseMenuFile(std::int16_t mode, const QString& folder);

// Every request and answer variable as a fresh program has it.
void ResetDialogRequests();
