// The menu file chooser. Built from ChooserMode, ChooserFolder and
// ChooserExtension; answers in ChosenFileName the full path of the file to
// save to (mode 0) or to read from (mode 1), or "" when cancelled. It opens no
// file itself, and reports its own input errors through the message dialog.
#pragma once

#include "ModalForm.h"

#include <array>

class DirListBox;
class DriveListBox;
class FileListBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmMEDrvDirFil100 : public ModalForm
{
    Q_OBJECT

public:
    // The indexes of cmdBut.
    static constexpr int ButCancel = 0;
    static constexpr int ButOk = 1;

    explicit frmMEDrvDirFil100(QWidget* parent = nullptr);

    // Stores the middle of this window, in screen twips, as the anchor of the
    // next message.
    void SetDrvDirFilFormCenter();

private:
    void Form_Load();
    void PlaceWindow() override;
    void cmdBut_Click(int index) override;
    // A cancel.
    void AnswerClose() override;
    void lstDrive_Change();
    void lstDirectory_Change();
    void lstFile_Click();
    void ShowInputError(const QString& text);
    QString ComposedName(const QString& name) const;

    DriveListBox* lstDrive = nullptr;
    DirListBox* lstDirectory = nullptr;
    QLineEdit* txtFileName = nullptr;
    std::array<QPushButton*, 2> cmdBut{};
    FileListBox* lstFile = nullptr;
    QLabel* lblFileName = nullptr;
};
