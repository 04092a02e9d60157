#include "ModalForm.h"

#include "FramePlacement.h"

ModalForm::ModalForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setModal(true);
}

void ModalForm::Place()
{
    if (placing_) {
        PlaceWindow();
        return;
    }
    placing_ = true;
    PlaceByFrame(this, [this] { PlaceWindow(); });
}
