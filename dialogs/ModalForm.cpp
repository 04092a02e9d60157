#include "ModalForm.h"

#include "FramePlacement.h"

#include <QPushButton>

ModalForm::ModalForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setModal(true);
}

void ModalForm::reject()
{
    AnswerClose();
    QDialog::reject();
}

void ModalForm::ConnectButtons(std::span<QPushButton* const> buttons)
{
    for (std::size_t i = 0; i < buttons.size(); ++i)
        connect(buttons[i], &QPushButton::clicked, this,
                [this, i] { cmdBut_Click(static_cast<int>(i)); });
}

void ModalForm::Place()
{
    PlaceByFrame(this, [this] { PlaceWindow(); });
}

#include "moc_ModalForm.cpp"
