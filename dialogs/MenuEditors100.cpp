#include "MenuEditors100.h"

#include "Twips.h"
#include "frmMEDrvDirFil100.h"
#include "frmMEMessage100.h"

#include <QApplication>

std::int16_t MsgStyle = MsgOk;
QString MsgText;
std::uint32_t MsgColor = 0;
std::int16_t MsgResult = AnswerOk;
std::int32_t FormCenterX = 0;
std::int32_t FormCenterY = 0;

std::int16_t ChooserMode = ChooseToSave;
QString ChooserFolder;
QString ChooserExtension;
QString ChosenFileName;

QWidget* AskingWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    // A Wayland compositor need not have given any window the focus yet; the
    // program's one visible main window asks then.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w->isVisible() && w->windowType() == Qt::Window)
            return w;
    return nullptr;
}

void ShowMessageDialog()
{
    frmMEMessage100 form(AskingWindow());
    form.exec();
}

void ShowFileChooser()
{
    frmMEDrvDirFil100 form(AskingWindow());
    form.exec();
}

void SetFormCenter(const QWidget* window)
{
    const QRect outer = WindowRectTwips(window);
    FormCenterY = RoundHalfEven(outer.top() + outer.height() / 2.0);
    FormCenterX = RoundHalfEven(outer.left() + outer.width() / 2.0);
}

std::int16_t ShowMessage(std::int16_t style, std::uint32_t color, const QString& text)
{
    MsgStyle = style;
    MsgColor = color;
    MsgText = text;
    // A dialog closed without any of its buttons answers nothing, rather than
    // repeating the answer to the previous question.
    MsgResult = AnswerNone;
    ShowMessageDialog();
    return MsgResult;
}

QString ChooseMenuFile(std::int16_t mode, const QString& folder)
{
    ChooserMode = mode;
    ChooserFolder = folder;
    ChooserExtension = QString(MenuFileExtension);
    ShowFileChooser();
    return ChosenFileName;
}

void ResetDialogRequests()
{
    MsgStyle = MsgOk;
    MsgText.clear();
    MsgColor = 0;
    MsgResult = AnswerOk;
    FormCenterX = 0;
    FormCenterY = 0;
    ChooserMode = ChooseToSave;
    ChooserFolder.clear();
    ChooserExtension.clear();
    ChosenFileName.clear();
}
