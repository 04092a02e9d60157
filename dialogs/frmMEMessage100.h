// The system's own message box. One request style number chooses the buttons,
// the colour of the message area and where the window goes; the dialog reads
// MsgStyle, MsgText, MsgColor and the anchor point when it is built, and
// answers in MsgResult with the index of the button pressed.
#pragma once

#include "ModalForm.h"

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

class frmMEMessage100 : public ModalForm
{
    Q_OBJECT

public:
    explicit frmMEMessage100(QWidget* parent = nullptr);

private:
    void Form_Load();
    void GrowToFitText();
    void PlaceWindow() override;
    void cmdBut_Click(int index) override;
    // The safe choice of the buttons shown.
    void AnswerClose() override;

    QLabel* lblInformation;
    std::array<QPushButton*, 4> cmdBut{};
    std::int16_t style_ = 0;
    std::int16_t closeAnswer_ = 0;
};
