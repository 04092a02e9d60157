#include "ModalForm.h"

#include <QTimer>

ModalForm::ModalForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setModal(true);
}

void ModalForm::Place()
{
    // Frame margins are only known once the native window exists.
    winId();
    placedFrame_ = frameGeometry().size();
    PlaceWindow();
}

void ModalForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Some window managers report the frame only after the window is mapped;
    // place again once if the outer size turned out different.
    QTimer::singleShot(0, this, [this] {
        if (frameGeometry().size() != placedFrame_) {
            placedFrame_ = frameGeometry().size();
            PlaceWindow();
        }
    });
}
