// The editor's commands: the six buttons of cmdBut, item selection in the
// list, and the questions and file choices they lead to.
#include "frmOpening.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "MenuFileCommands.h"
#include "MenuFileFormat.h"
#include "VbColor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr std::uint32_t ColorQuestion = ColorYellow;
constexpr std::int16_t StyleOkOverWindow = MsgAnchored + MsgOk;
constexpr std::int16_t StyleYesNoOverWindow = MsgAnchored + MsgYesNo;
constexpr std::int16_t StyleYesNoCancelOverWindow = MsgAnchored + MsgYesNoCancel;

} // namespace

void frmOpening::SaveToFile()
{
    const QString path = ChooseMenuFile(ChooseToSave, QString::fromStdString(MenuFolder));
    if (path.isEmpty())
        return;
    for (std::int16_t item = 0; item < MenuItemCount; ++item)
        FileDataFromItemMemory(item);
    if (MenuSave(path))
        MenuChanged = FlagFalse;
}

// The load of a menu file; false when nothing was loaded (chooser cancelled,
// or the file could not be read, in which case the store stays as it was).
bool frmOpening::LoadMenuFromFile()
{
    const QString path = ChooseMenuFile(ChooseToRead, QString::fromStdString(MenuFolder));
    return !path.isEmpty() && LoadMenu(path);
}

// The load once a file is named: false, with the store as it was, when the
// file could not be read.
bool frmOpening::LoadMenu(const QString& path)
{
    if (!MenuGet(path))
        return false;
    for (std::int16_t item = 0; item < MenuItemCount; ++item) {
        ClearItemMemory(item);
        FileDataToItemMemory(item);
    }
    MenuChanged = FlagFalse;
    return true;
}

void frmOpening::OpenMenuFile(const QString& path)
{
    // The answer the chooser would have given: the full name, which the print
    // title and the error message show.
    ChosenFileName = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (LoadMenu(ChosenFileName))
        ShowWholeMenu(1);
}

std::int16_t frmOpening::AskMessage(std::int16_t style, std::uint32_t color, const QString& text)
{
    SetOpeningFormCenter();
    return ShowMessage(style, color, text);
}

bool frmOpening::AskClearAll()
{
    return AskMessage(
               StyleYesNoOverWindow, ColorQuestion,
               QStringLiteral("\r\nAre you sure you want to\r\nclear ALL Item information ?")) ==
           AnswerYes;
}

bool frmOpening::AcceptEntries()
{
    if (ValidateItemEntries())
        return true;
    AskMessage(StyleOkOverWindow, ColorRed, QStringLiteral("\r\nInvalid Entry(s)."));
    return false;
}

void frmOpening::ResetFieldColors()
{
    if (!edition_.ResetFieldColors)
        return;
    for (QLineEdit* field : {txtName, txtCook, txtDuty, txtHold})
        SetBackColor(field, ColorWindowBackground);
}

void frmOpening::ReselectListLine(std::int16_t line)
{
    IgnoreListClick = FlagTrue;
    lstItems->setCurrentRow(line);
    // Re-selecting the line that is still selected raises no event, and the
    // flag must not swallow the operator's next choice.
    IgnoreListClick = FlagFalse;
}

void frmOpening::ReplaceListLine(std::int16_t line)
{
    lstItems->item(line)->setText(UpdateItemListEntry(line));
}

void frmOpening::ChooseItem(std::int16_t k)
{
    ItemGetFromMemory(k);
    CurrentItem = k;
    SetMenuItemCaption(k);
    ItemChanged = FlagFalse;
}

void frmOpening::ShowWholeMenu(std::int16_t how)
{
    ResetFieldColors();
    SetupOpeningForm(how);
    CurrentItem = 0;
    lstItems->setFocus();
    lstItems->setCurrentRow(0);
}

void frmOpening::SetMenuItemCaption(std::int16_t k)
{
    lblMenuItem->setText(QStringLiteral("Current Menu Item  -  ") + QString::number(k + 1));
}

void frmOpening::cmdBut_Click(std::int16_t index)
{
    switch (index) {
    case ButQuit:
        close();
        break;
    case ButSaveMenu:
        if (ItemChanged && CurrentItem >= 0) {
            if (!AcceptEntries())
                return;
            ItemSaveToMemory(CurrentItem);
            ItemChanged = FlagFalse;
            ReplaceListLine(CurrentItem);
        }
        SaveToFile();
        break;
    case ButGetMenu:
        if (AskMessage(StyleYesNoOverWindow, ColorQuestion,
                       QStringLiteral("\r\nALL Current Item Information\r\nwill be deleted. Do "
                                      "you want to continue ?")) != AnswerYes)
            return;
        if (!LoadMenuFromFile())
            return;
        ShowWholeMenu(1);
        break;
    case ButSaveItem:
        if (CurrentItem < 0 || !AcceptEntries())
            return;
        ClearItemMemory(CurrentItem);
        ItemSaveToMemory(CurrentItem);
        ItemChanged = FlagFalse;
        ReplaceListLine(CurrentItem);
        break;
    case ButClearItem:
        if (CurrentItem < 0 || !AskClearAll())
            return;
        ResetFieldColors();
        ClearItemMemory(CurrentItem);
        ItemGetFromMemory(CurrentItem);
        ItemChanged = FlagFalse;
        MenuChanged = FlagTrue;
        ReplaceListLine(CurrentItem);
        break;
    case ButNewMenu:
        if (!AskClearAll())
            return;
        ShowWholeMenu(0);
        MenuChanged = FlagTrue;
        break;
    default:
        break;
    }
}

void frmOpening::lstItems_Click()
{
    const QList<QListWidgetItem*> selected = lstItems->selectedItems();
    if (selected.isEmpty())
        return;
    if (IgnoreListClick) {
        IgnoreListClick = FlagFalse;
        return;
    }
    const auto k = static_cast<std::int16_t>(lstItems->row(selected.first()));

    ButtonSetup(1);
    FieldSetup(1);
    if (CurrentItem == -1) {
        CurrentItem = k;
        SetMenuItemCaption(k);
        return;
    }
    if (!ItemChanged) {
        ChooseItem(k);
        return;
    }

    const std::int16_t answer =
        AskMessage(StyleYesNoCancelOverWindow, ColorQuestion,
                   QStringLiteral("\r\nYou are changing Menu Items.\r\nDo you want to save Item ") +
                       QString::number(CurrentItem + 1) + QStringLiteral(" information?"));
    if (answer == AnswerNo) {
        ResetFieldColors();
        ChooseItem(k);
        return;
    }
    if (answer != AnswerYes) {
        // Cancel, or the question closed without an answer: back to the item
        // being edited, so that the highlight shows the item in the fields.
        ReselectListLine(CurrentItem);
        return;
    }

    if (!AcceptEntries()) {
        ReselectListLine(CurrentItem);
        return;
    }
    ClearItemMemory(CurrentItem);
    ItemSaveToMemory(CurrentItem);
    ReplaceListLine(CurrentItem);
    ChooseItem(k);
}

void frmOpening::closeEvent(QCloseEvent* event)
{
    // Moving to another item asks before an edit is dropped; ending the
    // program must not drop a whole menu without a word either.
    if ((ItemChanged || MenuChanged) &&
        AskMessage(StyleYesNoOverWindow, ColorQuestion,
                   QStringLiteral("\r\nThe menu has changes not saved to a file.\r\nQuit "
                                  "anyway ?")) != AnswerYes) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void frmOpening::chkComp_Click()
{
    ItemChanged = FlagTrue;
    // The third state is only for a value read from a file; once clicked,
    // the box is plainly on or off.
    chkComp->setTristate(false);
}
