// The editor window: the list of the ten menu items, the fields of the item
// being edited, and the six commands of the button array cmdBut. The window is
// built from the edition's layout table; its procedures work on the
// process-wide state of Global_data and the dialogs' request variables.
#pragma once

#include "Edition.h"
#include "Result.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmOpening : public QWidget
{
    Q_OBJECT

public:
    // Builds and loads the window for the edition, not yet shown; fails with
    // the reason when it could not be built.
    static Result<frmOpening*> Create(const Edition& edition);

    // Records the window's middle, in screen twips, as the dialog anchor.
    void SetOpeningFormCenter();

    // Reads the menu file as Get Menu from File does once the chooser has
    // answered with it; a file that cannot be read is reported and changes
    // nothing.
    void OpenMenuFile(const QString& path);

    // Tests reach the form's procedures through this, defined in their support.
    struct TestAccess;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Quit and the window's own close: asks first when work would be lost.
    void closeEvent(QCloseEvent* event) override;

private:
    explicit frmOpening(const Edition& edition);

    Result<> BuildControls();
    void ConnectControls();
    void Form_Load();

    // Enables (1) or disables (0) the five item fields.
    void FieldSetup(std::int16_t what);
    // Sets command buttons 1 to 5 for no item chosen (0) or an item being
    // edited (1); button 0 is never touched.
    void ButtonSetup(std::int16_t what);
    // Rebuilds the list for an empty menu (0) or from the store after a read
    // (1), and puts the window back into the no-item-chosen state.
    void SetupOpeningForm(std::int16_t how);

    bool ItemGetFromMemory(std::int16_t menitem);
    bool ItemSaveToMemory(std::int16_t menu);
    QString UpdateItemListEntry(std::int16_t curMI);
    // Checks the four text fields, painting the invalid ones red.
    bool ValidateItemEntries();
    void SaveToFile();
    bool LoadMenuFromFile();
    bool LoadMenu(const QString& path);

    // Event handlers.
    void cmdBut_Click(std::int16_t index);
    void lstItems_Click();
    void chkComp_Click();

    std::int16_t AskMessage(std::int16_t style, std::uint32_t color, const QString& text);
    bool AskClearAll();
    // Validates the fields; when they fail, says so over the window.
    bool AcceptEntries();
    void ResetFieldColors();
    // Loads item k into the fields and makes it the current item.
    void ChooseItem(std::int16_t k);
    // After the whole menu changed, emptied (0) or read from a file (1):
    // resets the field colours, rebuilds the list and chooses its first line.
    void ShowWholeMenu(std::int16_t how);
    // Selects a list line from code without running item selection for it.
    void ReselectListLine(std::int16_t line);
    void ReplaceListLine(std::int16_t line);
    void SetMenuItemCaption(std::int16_t k);

    const Edition& edition_;
    std::array<QPushButton*, EditorButtonCount> cmdBut{};
    QListWidget* lstItems = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtCook = nullptr;
    QLineEdit* txtDuty = nullptr;
    QLineEdit* txtHold = nullptr;
    QCheckBox* chkComp = nullptr;
    QLabel* lblMenuItem = nullptr;

    // The compensation value of the loaded item, written back as it was while
    // the box stays in its third state.
    std::int16_t loadedComp_ = 1;
    bool pressOnSelectedLine_ = false;
};
